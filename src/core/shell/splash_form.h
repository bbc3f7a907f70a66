#pragma once

#include "core/form.h"

namespace lumadisc {

// Shown while the program starts; it has no logic of its own.
class SplashForm : public Form {
public:
    SplashForm() { caption = "Lumadisc"; }
};

} // namespace lumadisc
