#pragma once

#include <QIcon>

namespace lumadisc {

// The program's icon, a disc, drawn at the sizes task bars and switchers ask for.
QIcon appIcon();

} // namespace lumadisc
