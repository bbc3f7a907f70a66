#include "ui/timer_driver.h"

#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "ui/view_hub.h"

namespace lumadisc {

TimerDriver::TimerDriver(ViewHub& hub) : m_hub(hub) {
    m_movieTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_movieTimer, &QTimer::timeout, this, &TimerDriver::movieTick);
    connect(&m_checkCdTimer, &QTimer::timeout, this, &TimerDriver::checkCdTick);
}

void TimerDriver::tick(bool& running, bool quiet, void (*handler)(ViewHub&)) {
    if (running)
        return;
    running = true;
    if (quiet)
        m_hub.run([&] { handler(m_hub); });
    else
        m_hub.call([&] { handler(m_hub); });
    running = false;
}

namespace {
constexpr int kQuietTicksBeforeSlowing = 100;
constexpr int kSlowFactor = 50;

// The idle player as the status tick leaves it: transport off, loading frame shown, no status.
bool showsIdle(const MainForm& main) {
    return !main.playButton.enabled && main.logoHide.visible && main.timeElapsed.caption.empty();
}
} // namespace

bool TimerDriver::quiet() const {
    return m_quietTicks >= kQuietTicksBeforeSlowing;
}

void TimerDriver::movieTick() {
    // Once quiet, a tick finds the idle engine as before and changes nothing to show.
    tick(m_movieTickRunning, quiet(),
         [](ViewHub& hub) { hub.program().mainForm().movieTimer_Timer(); });
    const MainForm* main = m_hub.program().loadedMainForm();
    m_quietTicks = main && showsIdle(*main) ? m_quietTicks + 1 : 0;
    apply();
}

void TimerDriver::checkCdTick() {
    const bool wasQuiet = quiet();
    tick(m_checkCdTickRunning, wasQuiet,
         [](ViewHub& hub) { hub.program().mainForm().tmrCheckCD_Timer(); });
    // The watch turns itself off when it has started the disc again.
    const MainForm* main = m_hub.program().loadedMainForm();
    if (main && !main->tmrCheckCD.enabled) {
        m_quietTicks = 0;
        if (wasQuiet)
            m_hub.syncAll();
    }
    apply();
}

namespace {
void match(QTimer& qtTimer, const Timer& timer, int slowFactor = 1) {
    const int interval = timer.intervalMs * slowFactor;
    if (timer.enabled && (!qtTimer.isActive() || qtTimer.interval() != interval))
        qtTimer.start(interval);
    else if (!timer.enabled && qtTimer.isActive())
        qtTimer.stop();
}
} // namespace

void TimerDriver::sync() {
    // Every call but the two ticks may have woken the engine.
    if (!m_movieTickRunning && !m_checkCdTickRunning)
        m_quietTicks = 0;
    apply();
}

void TimerDriver::apply() {
    MainForm* main = m_hub.program().loadedMainForm();
    if (!main) {
        m_movieTimer.stop();
        m_checkCdTimer.stop();
        return;
    }
    match(m_movieTimer, main->movieTimer,
          m_quietTicks >= kQuietTicksBeforeSlowing ? kSlowFactor : 1);
    match(m_checkCdTimer, main->tmrCheckCD);
}

} // namespace lumadisc
