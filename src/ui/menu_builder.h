#pragma once

#include "core/controls.h"

#include <map>

class QAction;
class QMenu;

namespace lumadisc {

// Fills a pop-up menu with the visible items of a core menu (submenus for items with children,
// lines for separators); returns which core item each action stands for.
std::map<QAction*, const MenuItem*> buildPopupMenu(QMenu& menu, const MenuItem& items);

} // namespace lumadisc
