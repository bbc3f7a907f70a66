#include "ui/script_watchdog.h"

#include <QJSEngine>

#include <pthread.h>

#include <algorithm>
#include <system_error>

namespace lumadisc {

namespace {

clockid_t threadClock() {
    clockid_t clock{};
    if (const int error = pthread_getcpuclockid(pthread_self(), &clock); error != 0)
        throw std::system_error(error, std::generic_category(), "the thread's processor clock");
    return clock;
}

std::chrono::nanoseconds processorTime(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

} // namespace

ScriptWatchdog::ScriptWatchdog(std::chrono::milliseconds limit)
    : m_limit(limit), m_glance(std::max(limit / 10, std::chrono::milliseconds(20))),
      m_uiClock(threadClock()), m_thread([this] { run(); }) {}

ScriptWatchdog::~ScriptWatchdog() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void ScriptWatchdog::watch(QJSEngine& engine, std::function<void()> stopped) {
    const std::lock_guard lock(m_mutex);
    m_watched.push_back({&engine, std::move(stopped)});
}

void ScriptWatchdog::unwatch(const QJSEngine& engine) {
    const std::lock_guard lock(m_mutex);
    std::erase_if(m_watched, [&](const Watched& watched) { return watched.engine == &engine; });
}

bool ScriptWatchdog::struck(const QJSEngine& engine) const {
    const std::lock_guard lock(m_mutex);
    return std::any_of(m_watched.begin(), m_watched.end(), [&](const Watched& watched) {
        return watched.engine == &engine && watched.struck;
    });
}

ScriptWatchdog::Guard::Guard(ScriptWatchdog& watchdog, const QJSEngine* engine)
    : m_watchdog(watchdog) {
    const std::lock_guard lock(watchdog.m_mutex);
    watchdog.m_scopes.push_back(engine);
    watchdog.step();
}

ScriptWatchdog::Guard::~Guard() {
    const std::lock_guard lock(m_watchdog.m_mutex);
    m_watchdog.m_scopes.pop_back();
    m_watchdog.step();
}

void ScriptWatchdog::step() {
    ++m_steps;
    m_lastStep = std::chrono::steady_clock::now();
    // Woken only while it looks, so that thousands of events a second cost it nothing.
    if (m_looking)
        m_wake.notify_one();
}

void ScriptWatchdog::run() {
    std::unique_lock lock(m_mutex);
    std::chrono::steady_clock::time_point looked;
    while (!m_stopping) {
        const auto now = std::chrono::steady_clock::now();
        const auto since = std::max(m_lastStep, looked);
        if (m_scopes.empty() || now - since < m_limit) {
            m_wake.wait_until(lock, (m_scopes.empty() ? now : since) + m_limit);
            continue;
        }
        if (computing(lock))
            stopStuckScript(lock);
        // A scope that is still stuck is looked at again after another limit.
        looked = std::chrono::steady_clock::now();
    }
}

bool ScriptWatchdog::waitUntil(std::unique_lock<std::mutex>& lock,
                               const std::function<bool()>& done) {
    m_looking = true;
    const bool happened = m_wake.wait_for(lock, m_glance, [&] { return m_stopping || done(); });
    m_looking = false;
    return happened;
}

bool ScriptWatchdog::computing(std::unique_lock<std::mutex>& lock) {
    const std::uint64_t steps = m_steps;
    const auto before = processorTime(m_uiClock);
    if (waitUntil(lock, [&] { return m_steps != steps; }))
        return false;
    // A thread that waits uses next to nothing; one in a loop shares a busy processor at worst.
    return processorTime(m_uiClock) - before >= m_glance / 10;
}

void ScriptWatchdog::stopStuckScript(std::unique_lock<std::mutex>& lock) {
    if (const QJSEngine* engine = m_scopes.back()) {
        if (Watched* watched = find(engine); watched && !watched->struck)
            strike(*watched);
        return;
    }
    const std::size_t depth = m_scopes.size();
    std::vector<QJSEngine*> candidates;
    for (const Watched& watched : m_watched) {
        if (!watched.struck)
            candidates.push_back(watched.engine);
    }
    for (QJSEngine* engine : candidates) {
        if (!find(engine))
            continue; // unwatched while the watchdog waited
        // Safe from another thread: a running script throws at its next step.
        engine->setInterrupted(true);
        const bool ended = waitUntil(lock, [&] { return m_scopes.size() < depth; });
        Watched* watched = find(engine);
        if (!watched)
            return;
        if (ended && !m_stopping) {
            strike(*watched);
            return;
        }
        engine->setInterrupted(false);
        if (m_stopping)
            return;
    }
}

void ScriptWatchdog::strike(Watched& watched) {
    watched.engine->setInterrupted(true);
    watched.struck = true;
    watched.stopped();
}

ScriptWatchdog::Watched* ScriptWatchdog::find(const QJSEngine* engine) {
    const auto found =
        std::find_if(m_watched.begin(), m_watched.end(),
                     [&](const Watched& watched) { return watched.engine == engine; });
    return found == m_watched.end() ? nullptr : &*found;
}

} // namespace lumadisc
