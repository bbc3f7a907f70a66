#pragma once

#include <QObject>
#include <QTimer>

namespace lumadisc {

class ViewHub;

// Drives the main window's timers from their core Timer controls. A tick never starts while
// the previous tick of the same timer is still running (a message box or menu it opened runs a
// nested event loop in which Qt keeps firing timers).
//
// With no disc the status tick finds the same idle engine again and again: the engine only
// leaves idle through a call of the program, and every such call passes the hub (the disc
// watch's tick counts only when it started a disc). So after a second of ticks that found the
// program showing the idle player, the status timer runs fifty times slower until the next
// call, which keeps an idle player from waking the machine 100 times a second.
class TimerDriver : public QObject {
public:
    explicit TimerDriver(ViewHub& hub);
    // After every call into the program.
    void sync();

private:
    // Runs a tick unless the previous one still runs.
    void tick(bool& running, void (*handler)(ViewHub&));
    void movieTick();
    void checkCdTick();
    // Starts, stops or paces the QTimers to match the core timers.
    void apply();

    ViewHub& m_hub;
    QTimer m_movieTimer;
    QTimer m_checkCdTimer;
    QTimer m_resumeTimer;
    bool m_movieTickRunning = false;
    bool m_checkCdTickRunning = false;
    bool m_resumeTickRunning = false;
    int m_idleTicks = 0;
};

} // namespace lumadisc
