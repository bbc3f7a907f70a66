#include "ui/dvd_bar_view.h"

#include "core/shell/program.h"
#include "core/skin/dvd_bar_form.h"
#include "ui/keyboard.h"
#include "ui/qml_skin_movie.h"
#include "ui/view_hub.h"

#include <QCloseEvent>
#include <QQuickWidget>
#include <QWindow>

namespace lumadisc {

DvdBarView::DvdBarView(const ScreenMetrics& screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_screen(screen) {
    setObjectName(QStringLiteral("dvdBarForm"));
    setWindowTitle(QStringLiteral("Lumadisc"));
    setFocusPolicy(Qt::StrongFocus);
    m_gui = new QmlSkinMovie(this);
    m_gui->widget()->move(0, 0);
}

void DvdBarView::attach(ViewHub& hub) {
    m_hub = &hub;
}

void DvdBarView::sync(DvdBarForm& form) {
    const QString title = QString::fromStdString(form.caption);
    if (windowTitle() != title)
        setWindowTitle(title);
    const QRect geometry(form.left / m_screen.twipsPerPixelX, form.top / m_screen.twipsPerPixelY,
                         form.width / m_screen.twipsPerPixelX,
                         form.height / m_screen.twipsPerPixelY);
    if (this->geometry() != geometry && !isMinimized())
        setGeometry(geometry);
    if (isVisible() != form.visible)
        setVisible(form.visible);
    if (form.visible) {
        const bool minimised = form.windowState == WindowState::Minimized;
        if (minimised && !isMinimized())
            showMinimized();
    }
}

bool DvdBarView::event(QEvent* event) {
    // The window is painted afresh when it is exposed, not on every repaint of the movie.
    if (event->type() == QEvent::Expose && m_hub && windowHandle() && windowHandle()->isExposed())
        m_hub->call([this] {
            if (DvdBarForm* form = m_hub->program().loadedDvdBarForm())
                form->Form_Paint();
        });
    return QWidget::event(event);
}

void DvdBarView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !m_hub)
        return;
    const WindowState state = isMinimized()   ? WindowState::Minimized
                              : isMaximized() ? WindowState::Maximized
                                              : WindowState::Normal;
    m_hub->call([this, state] {
        if (DvdBarForm* form = m_hub->program().loadedDvdBarForm()) {
            if (form->windowState == state)
                return;
            form->windowState = state;
            form->Form_Resize();
        }
    });
}

void DvdBarView::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (m_hub)
        m_hub->call([this] { m_hub->program().unload(WindowId::DvdBar); });
}

void DvdBarView::keyPressEvent(QKeyEvent* event) {
    if (!m_hub || !handleShortcut(*m_hub, event))
        QWidget::keyPressEvent(event);
}

void DvdBarView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Dragged by the user: the form takes the new place, or the next sync would move it back.
    if (!m_hub || isMinimized())
        return;
    if (DvdBarForm* form = m_hub->program().loadedDvdBarForm()) {
        form->left = geometry().x() * m_screen.twipsPerPixelX;
        form->top = geometry().y() * m_screen.twipsPerPixelY;
    }
}

} // namespace lumadisc
