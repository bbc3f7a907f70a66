#pragma once

#include "core/platform/window_system.h"

#include <QWidget>

namespace lumadisc {

class DvdBarForm;
class QmlSkinMovie;
class ViewHub;

// The control bar window: only the control bar movie. It has a task-bar entry, so that a
// minimised bar can be restored.
class DvdBarView : public QWidget {
    Q_OBJECT

public:
    explicit DvdBarView(const ScreenMetrics& screen);

    QmlSkinMovie& gui() { return *m_gui; }
    void attach(ViewHub& hub);
    void sync(DvdBarForm& form);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;

private:
    ScreenMetrics m_screen;
    ViewHub* m_hub = nullptr;
    QmlSkinMovie* m_gui;
};

} // namespace lumadisc
