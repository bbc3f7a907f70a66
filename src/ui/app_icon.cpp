#include "ui/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace lumadisc {

namespace {
QPixmap disc(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(size * 0.04, size * 0.04, size * 0.92, size * 0.92);
    QRadialGradient shine(outer.center(), size * 0.46,
                          outer.topLeft() + QPointF(size * 0.3, size * 0.3));
    shine.setColorAt(0, QColor(0xbf, 0xe3, 0xff));
    shine.setColorAt(0.6, QColor(0x4a, 0xa3, 0xff));
    shine.setColorAt(1, QColor(0x1d, 0x4f, 0x8c));
    painter.setPen(QPen(QColor(0x0d, 0x1b, 0x2a), size / 32.0));
    painter.setBrush(shine);
    painter.drawEllipse(outer);
    painter.setBrush(QColor(0x14, 0x1a, 0x23));
    painter.drawEllipse(QPointF(size / 2.0, size / 2.0), size * 0.14, size * 0.14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0xee, 0xf7));
    // A play mark on the disc's face.
    const double s = size;
    const QPointF play[] = {{s * 0.66, s * 0.30}, {s * 0.86, s * 0.42}, {s * 0.66, s * 0.54}};
    painter.drawPolygon(play, 3);
    return pixmap;
}
} // namespace

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(disc(size));
    return icon;
}

} // namespace lumadisc
