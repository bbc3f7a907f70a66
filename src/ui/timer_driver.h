#pragma once

#include <QObject>
#include <QTimer>

namespace lumadisc {

class ViewHub;

// Drives the main window's two timers from their core Timer controls. A tick never starts while
// the previous tick of the same timer is still running (a message box or menu it opened runs a
// nested event loop in which Qt keeps firing timers).
class TimerDriver : public QObject {
public:
    explicit TimerDriver(ViewHub& hub);
    // Starts or stops the QTimers to match the core timers.
    void sync();

private:
    void tick(bool& running, void (*handler)(ViewHub&));

    ViewHub& m_hub;
    QTimer m_movieTimer;
    QTimer m_checkCdTimer;
    bool m_movieTickRunning = false;
    bool m_checkCdTickRunning = false;
};

} // namespace lumadisc
