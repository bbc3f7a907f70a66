#include "ui/loading_frame.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace lumadisc {

LoadingFrame::LoadingFrame() {
    // Clicks fall through to the stage below, which handles the double-click for full screen,
    // and the keyboard focus stays with the main window.
    setFlag(Qt::WindowTransparentForInput);
}

void LoadingFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect area(0, 0, width(), height());
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0x14, 0x1a, 0x23));
    background.setColorAt(1, QColor(0x05, 0x07, 0x0a));
    painter.fillRect(area, background);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x4a, 0xa3, 0xff));
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("Lumadisc"));
}

} // namespace lumadisc
