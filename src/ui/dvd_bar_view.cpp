#include "ui/dvd_bar_view.h"

#include "core/skin/dvd_bar_form.h"
#include "ui/qml_skin_movie.h"

#include <QCloseEvent>
#include <QKeyEvent>
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

void DvdBarView::sync(const DvdBarForm& form) {
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
    if (event->type() == QEvent::Expose && windowHandle() && windowHandle()->isExposed())
        emit exposed();
    return QWidget::event(event);
}

void DvdBarView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    emit stateChanged(isMinimized()   ? WindowState::Minimized
                      : isMaximized() ? WindowState::Maximized
                                      : WindowState::Normal);
}

void DvdBarView::closeEvent(QCloseEvent* event) {
    // The program decides whether and how it ends.
    event->ignore();
    emit closeRequested();
}

void DvdBarView::keyPressEvent(QKeyEvent* event) {
    event->ignore();
    emit keyPressed(event);
    if (!event->isAccepted())
        QWidget::keyPressEvent(event);
}

void DvdBarView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!isMinimized())
        emit movedTo(geometry().topLeft());
}

} // namespace lumadisc
