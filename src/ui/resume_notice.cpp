#include "ui/resume_notice.h"

#include <QFont>
#include <QMouseEvent>
#include <QPainter>

namespace lumadisc {

void ResumeNotice::setText(const QString& text) {
    m_text = text;
    update();
}

void ResumeNotice::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, width(), height()), QColor(0x14, 0x1a, 0x23));
    painter.setPen(QColor(0x4a, 0xa3, 0xff));
    painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(QColor(0xe8, 0xee, 0xf7));
    painter.drawText(QRect(0, 0, width(), height()), Qt::AlignCenter, m_text);
}

void ResumeNotice::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

} // namespace lumadisc
