#include "ui/script_watchdog.h"

#include <QJSEngine>

namespace lumadisc {

ScriptWatchdog::ScriptWatchdog(QJSEngine& engine, std::chrono::milliseconds limit)
    : m_engine(engine), m_limit(limit), m_thread([this] { watch(); }) {}

ScriptWatchdog::~ScriptWatchdog() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

ScriptWatchdog::Guard::Guard(ScriptWatchdog& watchdog) : m_watchdog(watchdog) {
    const std::lock_guard lock(watchdog.m_mutex);
    if (watchdog.m_depth++ > 0)
        return;
    ++watchdog.m_generation;
    watchdog.m_since = std::chrono::steady_clock::now();
    watchdog.m_wake.notify_one();
}

ScriptWatchdog::Guard::~Guard() {
    const std::lock_guard lock(m_watchdog.m_mutex);
    --m_watchdog.m_depth;
}

bool ScriptWatchdog::struck() const {
    const std::lock_guard lock(m_mutex);
    return m_struck;
}

void ScriptWatchdog::watch() {
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        if (m_depth == 0 || m_struck) {
            m_wake.wait(lock);
            continue;
        }
        const std::uint64_t generation = m_generation;
        const auto deadline = m_since + m_limit;
        m_wake.wait_until(lock, deadline,
                          [&] { return m_stopping || m_depth == 0 || m_generation != generation; });
        if (!m_stopping && m_depth > 0 && m_generation == generation &&
            std::chrono::steady_clock::now() >= deadline) {
            // Safe from another thread: the running script throws at its next step.
            m_engine.setInterrupted(true);
            m_struck = true;
        }
    }
}

} // namespace lumadisc
