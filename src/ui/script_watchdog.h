#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

class QJSEngine;

namespace lumadisc {

// Interrupts a skin's JavaScript that runs longer than a limit, from a thread of its own: a
// script that never returns would otherwise freeze the player for good. Once it has struck,
// the engine stays interrupted, so the broken script cannot freeze the player again.
class ScriptWatchdog {
public:
    ScriptWatchdog(QJSEngine& engine, std::chrono::milliseconds limit);
    ~ScriptWatchdog();
    ScriptWatchdog(const ScriptWatchdog&) = delete;
    ScriptWatchdog& operator=(const ScriptWatchdog&) = delete;

    // Watches the time from construction to destruction; nested guards count as the outermost.
    class Guard {
    public:
        explicit Guard(ScriptWatchdog& watchdog);
        ~Guard();
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        ScriptWatchdog& m_watchdog;
    };

    bool struck() const;

private:
    void watch();

    QJSEngine& m_engine;
    const std::chrono::milliseconds m_limit;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    int m_depth = 0;
    std::uint64_t m_generation = 0; // counts the outermost guards
    std::chrono::steady_clock::time_point m_since;
    bool m_struck = false;
    bool m_stopping = false;
    std::thread m_thread; // last: it starts once everything above exists
};

} // namespace lumadisc
