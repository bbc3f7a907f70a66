#pragma once

#include "ui/script_watchdog.h"

#include <QApplication>

#include <chrono>

namespace lumadisc {

// The program's application object. Every event it delivers on the user-interface thread is a
// scope of the skins' script watchdog: a skin's scripts run not only when the program calls
// into the skin, but also from its QML timers, animations, queued calls and input events.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv,
                std::chrono::milliseconds scriptLimit = std::chrono::seconds(5));

    // The running application; a skin cannot be shown without it.
    static Application& instance();
    ScriptWatchdog& scriptWatchdog() { return m_watchdog; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    ScriptWatchdog m_watchdog;
};

} // namespace lumadisc
