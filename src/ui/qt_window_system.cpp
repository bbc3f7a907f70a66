#include "ui/qt_window_system.h"

#include "ui/dvd_bar_view.h"
#include "ui/main_window_view.h"
#include "ui/menu_builder.h"
#include "ui/qml_skin_movie.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QQuickWidget>
#include <QScreen>
#include <QWindow>

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace lumadisc {

ScreenMetrics readScreenMetrics() {
    ScreenMetrics metrics;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        metrics.widthPixels = screen->geometry().width();
        metrics.heightPixels = screen->geometry().height();
        // Twips are 1/1440 of a logical inch.
        metrics.twipsPerPixelX =
            std::max(1, static_cast<int>(std::lround(1440.0 / screen->logicalDotsPerInchX())));
        metrics.twipsPerPixelY =
            std::max(1, static_cast<int>(std::lround(1440.0 / screen->logicalDotsPerInchY())));
    }
    return metrics;
}

namespace {

// Moves a window with the mouse where no window manager does it: follows the pointer until
// the left button is released.
class ManualMove : public QObject {
public:
    explicit ManualMove(QWidget* window)
        : m_window(window), m_offset(QCursor::pos() - window->pos()) {
        qApp->installEventFilter(this);
        window->grabMouse();
        m_loop.exec();
        window->releaseMouse();
        qApp->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            m_window->move(QCursor::pos() - m_offset);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            m_loop.quit();
            return true;
        }
        return false;
    }

private:
    QWidget* m_window;
    QPoint m_offset;
    QEventLoop m_loop;
};

} // namespace

QtWindowSystem::QtWindowSystem(const ScreenMetrics& screen, MainWindowView& main, DvdBarView& bar)
    : m_screen(screen), m_main(main), m_bar(bar) {
    setView(WindowId::Main, &main);
    setView(WindowId::DvdBar, &bar);
}

void QtWindowSystem::setView(WindowId window, QWidget* widget) {
    m_views[static_cast<std::size_t>(window)] = widget;
}

QWidget* QtWindowSystem::view(WindowId window) const {
    return m_views[static_cast<std::size_t>(window)];
}

ScreenMetrics QtWindowSystem::screen() {
    return m_screen;
}

void QtWindowSystem::dragWindow(WindowId window) {
    QWidget* widget = view(window);
    if (!widget)
        return;
    QWindow* handle = widget->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    ManualMove move(widget);
}

void QtWindowSystem::showModal(WindowId window) {
    emit viewsWanted();
    QWidget* widget = view(window);
    if (!widget)
        return;
    // The window stays modal until its form is hidden or unloaded: then its view is hidden or
    // gone.
    widget->setWindowModality(Qt::ApplicationModal);
    widget->show();
    widget->raise();
    widget->activateWindow();
    QEventLoop loop;
    while (view(window) == widget && widget->isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
}

void QtWindowSystem::focus(WindowId window) {
    if (QWidget* widget = view(window)) {
        widget->activateWindow();
        widget->setFocus();
    }
}

namespace {
// Where an item lies in its menu tree: the index at each level.
bool pathTo(const MenuItem& menu, const MenuItem* target, std::vector<std::size_t>& path) {
    for (std::size_t i = 0; i < menu.children.size(); ++i) {
        path.push_back(i);
        if (&menu.children[i] == target || pathTo(menu.children[i], target, path))
            return true;
        path.pop_back();
    }
    return false;
}
} // namespace

const MenuItem* QtWindowSystem::popupMenu(WindowId owner, const MenuItem& menu) {
    QWidget* parent = view(owner);
    // The menu shows a copy: timers keep running while it is open and may rebuild the drive
    // menu, so the choice is looked up in the menu as it is once the pop-up has closed.
    const MenuItem shown = menu;
    QMenu popup(parent);
    popup.setObjectName(QString::fromStdString(menu.name));
    const auto actions = buildPopupMenu(popup, shown);
    const auto found = actions.find(popup.exec(QCursor::pos()));
    std::vector<std::size_t> path;
    if (found == actions.end() || !pathTo(shown, found->second, path))
        return nullptr;
    const MenuItem* item = &menu;
    for (std::size_t index : path) {
        if (index >= item->children.size())
            return nullptr;
        item = &item->children[index];
    }
    return item;
}

void QtWindowSystem::hookMovie(WindowId window, bool install) {
    QmlSkinMovie* movie = window == WindowId::Main     ? &m_main.player()
                          : window == WindowId::DvdBar ? &m_bar.gui()
                                                       : nullptr;
    if (!movie)
        return;
    if (install)
        movie->widget()->installEventFilter(&m_hook);
    else
        movie->widget()->removeEventFilter(&m_hook);
}

void QtWindowSystem::endProgram() {
    throw ProgramEnding();
}

void QtWindowSystem::endProcessNow() {
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(0);
}

} // namespace lumadisc
