#include "ui/application.h"

#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QThread>

#include <stdexcept>

namespace lumadisc {

namespace {

// The engine whose scripts the event can run, when the receiver tells: a skin's widget (input,
// drawing) or an object its QML made (a Timer, a queued call). Null for the rest, such as the
// animation ticks every skin shares.
const QJSEngine* engineOf(const QObject* receiver) {
    // Not QQuickWidget::engine(): it makes the engine when there is none, and sends events.
    if (const auto* widget = qobject_cast<const QQuickWidget*>(receiver))
        receiver = widget->rootObject();
    return receiver ? qmlEngine(receiver) : nullptr;
}

} // namespace

Application::Application(int& argc, char** argv, std::chrono::milliseconds scriptLimit)
    : QApplication(argc, argv), m_watchdog(scriptLimit) {}

Application& Application::instance() {
    auto* application = qobject_cast<Application*>(QCoreApplication::instance());
    if (!application)
        throw std::logic_error("a skin needs the lumadisc::Application to watch its scripts");
    return *application;
}

bool Application::notify(QObject* receiver, QEvent* event) {
    if (QThread::currentThread() != thread())
        return QApplication::notify(receiver, event);
    const ScriptWatchdog::Guard guard(m_watchdog, engineOf(receiver));
    return QApplication::notify(receiver, event);
}

} // namespace lumadisc
