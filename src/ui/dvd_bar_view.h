#pragma once

#include "core/form.h"
#include "core/platform/window_system.h"

#include <QWidget>

namespace lumadisc {

class DvdBarForm;
class QmlSkinMovie;

// The control bar window: only the control bar movie. It has a task-bar entry, so that a
// minimised bar can be restored. It knows no handler: what the user does leaves it as a signal.
class DvdBarView : public QWidget {
    Q_OBJECT

public:
    explicit DvdBarView(const ScreenMetrics& screen);

    QmlSkinMovie& gui() { return *m_gui; }
    void sync(const DvdBarForm& form);

signals:
    // The window was exposed: the program's paint event, not every repaint of the movie.
    void exposed();
    void stateChanged(WindowState state);
    // Dragged by the user, in pixels of the screen.
    void movedTo(QPoint topLeft);
    void closeRequested();
    // The receiver accepts the event when the key was a shortcut.
    void keyPressed(QKeyEvent* event);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;

private:
    ScreenMetrics m_screen;
    QmlSkinMovie* m_gui;
};

} // namespace lumadisc
