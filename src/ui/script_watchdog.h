#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <ctime>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class QJSEngine;

namespace lumadisc {

// Interrupts a skin's JavaScript that keeps the user-interface thread busy longer than a limit,
// from a thread of its own: a script that never returns would otherwise freeze the player for
// good. The user-interface thread marks the scopes in which scripts may run (every event it
// delivers, and the calls into a skin); a scope that has not ended, nor opened another, within
// the limit while that thread keeps computing is taken as stuck. If the scope runs one engine's
// scripts, that engine is interrupted; if it may run any engine's (an animation tick), each
// engine in turn is interrupted for a moment, and the one whose interruption ends the scope ran
// the script. A thread that waits (a modal dialog, a slow call into the video engine) is left
// alone. An engine once interrupted stays so, so the broken script cannot freeze the player
// again.
class ScriptWatchdog {
public:
    // Made on the user-interface thread, which it watches.
    explicit ScriptWatchdog(std::chrono::milliseconds limit);
    ~ScriptWatchdog();
    ScriptWatchdog(const ScriptWatchdog&) = delete;
    ScriptWatchdog& operator=(const ScriptWatchdog&) = delete;

    // The engine must stay alive until unwatched. `stopped` is called once, on the watchdog's
    // thread, when the engine has been interrupted.
    void watch(QJSEngine& engine, std::function<void()> stopped);
    void unwatch(const QJSEngine& engine);
    bool struck(const QJSEngine& engine) const;

    // A scope of the user-interface thread, from construction to destruction, that runs the
    // scripts of `engine`, or of any engine when it is null.
    class Guard {
    public:
        Guard(ScriptWatchdog& watchdog, const QJSEngine* engine);
        ~Guard();
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        ScriptWatchdog& m_watchdog;
    };

private:
    struct Watched {
        QJSEngine* engine;
        std::function<void()> stopped;
        bool struck = false;
    };

    void run();
    void step(); // a scope opened or closed
    // Waits up to a glance for `done` to hold; true if it did.
    bool waitUntil(std::unique_lock<std::mutex>& lock, const std::function<bool()>& done);
    // Whether the user-interface thread computes, rather than waits, with no scope moving.
    bool computing(std::unique_lock<std::mutex>& lock);
    void stopStuckScript(std::unique_lock<std::mutex>& lock);
    void strike(Watched& watched);
    Watched* find(const QJSEngine* engine);

    const std::chrono::milliseconds m_limit;
    const std::chrono::milliseconds m_glance; // how long a look at the other thread takes
    clockid_t m_uiClock{};                    // the user-interface thread's processor time
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<Watched> m_watched;
    std::vector<const QJSEngine*> m_scopes; // innermost last
    std::uint64_t m_steps = 0;
    std::chrono::steady_clock::time_point m_lastStep;
    bool m_looking = false; // the watchdog waits for the scopes to move
    bool m_stopping = false;
    std::thread m_thread; // last: it starts once everything above exists
};

} // namespace lumadisc
