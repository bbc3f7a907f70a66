#include "ui/timer_driver.h"

#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "ui/view_hub.h"

namespace lumadisc {

TimerDriver::TimerDriver(ViewHub& hub) : m_hub(hub) {
    m_movieTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_movieTimer, &QTimer::timeout, this, [this] {
        tick(m_movieTickRunning, [](ViewHub& hub) { hub.program().mainForm().movieTimer_Timer(); });
    });
    connect(&m_checkCdTimer, &QTimer::timeout, this, [this] {
        tick(m_checkCdTickRunning,
             [](ViewHub& hub) { hub.program().mainForm().tmrCheckCD_Timer(); });
    });
}

void TimerDriver::tick(bool& running, void (*handler)(ViewHub&)) {
    if (running)
        return;
    running = true;
    m_hub.call([&] { handler(m_hub); });
    running = false;
}

namespace {
void match(QTimer& qtTimer, const Timer& timer) {
    if (timer.enabled && (!qtTimer.isActive() || qtTimer.interval() != timer.intervalMs))
        qtTimer.start(timer.intervalMs);
    else if (!timer.enabled && qtTimer.isActive())
        qtTimer.stop();
}
} // namespace

void TimerDriver::sync() {
    MainForm* main = m_hub.program().loadedMainForm();
    if (!main) {
        m_movieTimer.stop();
        m_checkCdTimer.stop();
        return;
    }
    match(m_movieTimer, main->movieTimer);
    match(m_checkCdTimer, main->tmrCheckCD);
}

} // namespace lumadisc
