#pragma once

#include <QRasterWindow>

namespace lumadisc {

// The offer to resume, over the video. Like the loading frame it paints through its own backing
// store, the only way to draw above the engine's native video window.
class ResumeNotice : public QRasterWindow {
    Q_OBJECT
public:
    void setText(const QString& text);
    const QString& text() const { return m_text; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_text;
};

} // namespace lumadisc
