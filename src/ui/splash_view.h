#pragma once

#include <QWidget>

namespace lumadisc {

// Shown while the program starts.
class SplashView : public QWidget {
public:
    SplashView();
};

} // namespace lumadisc
