#pragma once

#include <QRasterWindow>

namespace lumadisc {

// The picture of the loading frame. It paints itself through its own backing store: a plain
// native widget beside the skin's QQuickWidget is flushed through the window's OpenGL
// composition, which cannot draw into a native child, so it stays black under X11.
class LoadingFrame : public QRasterWindow {
public:
    LoadingFrame();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lumadisc
