#include "ui/timer_driver.h"

#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "ui/view_hub.h"

namespace lumadisc {

namespace {
constexpr int kIdleTicksBeforeSlowing = 100;
constexpr int kSlowFactor = 50;

void match(QTimer& qtTimer, const Timer& timer, int slowFactor = 1) {
    const int interval = timer.intervalMs * slowFactor;
    if (timer.enabled && (!qtTimer.isActive() || qtTimer.interval() != interval))
        qtTimer.start(interval);
    else if (!timer.enabled && qtTimer.isActive())
        qtTimer.stop();
}
} // namespace

TimerDriver::TimerDriver(ViewHub& hub) : m_hub(hub) {
    m_movieTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_movieTimer, &QTimer::timeout, this, &TimerDriver::movieTick);
    connect(&m_checkCdTimer, &QTimer::timeout, this, &TimerDriver::checkCdTick);
    connect(&m_resumeTimer, &QTimer::timeout, this, [this] {
        tick(m_resumeTickRunning,
             [](ViewHub& hub) { hub.program().mainForm().resumeTimer_Timer(); });
        apply();
    });
}

void TimerDriver::tick(bool& running, void (*handler)(ViewHub&)) {
    if (running)
        return;
    running = true;
    m_hub.tick([&] { handler(m_hub); });
    running = false;
}

void TimerDriver::movieTick() {
    tick(m_movieTickRunning, [](ViewHub& hub) { hub.program().mainForm().movieTimer_Timer(); });
    m_idleTicks = m_hub.program().showsIdlePlayer() ? m_idleTicks + 1 : 0;
    apply();
}

void TimerDriver::checkCdTick() {
    tick(m_checkCdTickRunning, [](ViewHub& hub) { hub.program().mainForm().tmrCheckCD_Timer(); });
    // The watch turns itself off when it has started the disc again.
    const MainForm* main = m_hub.program().loadedMainForm();
    if (main && !main->tmrCheckCD.enabled)
        m_idleTicks = 0;
    apply();
}

void TimerDriver::sync() {
    // Every call but the two ticks may have woken the engine.
    if (!m_movieTickRunning && !m_checkCdTickRunning)
        m_idleTicks = 0;
    apply();
}

void TimerDriver::apply() {
    MainForm* main = m_hub.program().loadedMainForm();
    if (!main || m_hub.ending()) {
        m_movieTimer.stop();
        m_checkCdTimer.stop();
        m_resumeTimer.stop();
        return;
    }
    match(m_movieTimer, main->movieTimer, m_idleTicks >= kIdleTicksBeforeSlowing ? kSlowFactor : 1);
    // A watch with nothing to look at would only wake the idle program ten times a second; every
    // call that chooses a drive ends here again.
    Timer checkCd = main->tmrCheckCD;
    checkCd.enabled = checkCd.enabled && !m_hub.program().watchesNoDrive();
    match(m_checkCdTimer, checkCd);
    match(m_resumeTimer, main->resumeTimer);
}

} // namespace lumadisc
