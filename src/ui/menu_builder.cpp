#include "ui/menu_builder.h"

#include <QMenu>

namespace lumadisc {

namespace {
void fill(QMenu& menu, const MenuItem& item, std::map<QAction*, const MenuItem*>& actions) {
    for (const MenuItem& child : item.children) {
        if (!child.visible)
            continue;
        if (child.isSeparator()) {
            menu.addSeparator();
        } else if (!child.children.empty()) {
            QMenu* sub = menu.addMenu(QString::fromStdString(child.caption));
            sub->setEnabled(child.enabled);
            fill(*sub, child, actions);
        } else {
            QAction* action = menu.addAction(QString::fromStdString(child.caption));
            action->setEnabled(child.enabled);
            if (child.checked) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            if (!child.shortcut.empty())
                action->setShortcut(QKeySequence(QString::fromStdString(child.shortcut)));
            actions[action] = &child;
        }
    }
}
} // namespace

std::map<QAction*, const MenuItem*> buildPopupMenu(QMenu& menu, const MenuItem& items) {
    std::map<QAction*, const MenuItem*> actions;
    fill(menu, items, actions);
    return actions;
}

} // namespace lumadisc
