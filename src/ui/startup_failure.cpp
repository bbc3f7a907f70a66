#include "ui/startup_failure.h"

#include <QApplication>
#include <QMessageBox>
#include <QtGlobal>

#include <cstdlib>
#include <iostream>

namespace lumadisc {

namespace {

QtMessageHandler previousHandler = nullptr;

void fatalEndsCleanly(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        previousHandler(type, context, message);
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    std::cerr << "Lumadisc cannot start: there is no display to show its windows on"
              << (display.isEmpty() ? " (DISPLAY is not set)"
                                    : " (DISPLAY is \"" + display.toStdString() + "\")")
              << ". Start it from a desktop session.\n"
              << message.toStdString() << std::endl;
    std::_Exit(1);
}

} // namespace

void endCleanlyOnFatalMessages(bool on) {
    if (on)
        previousHandler = qInstallMessageHandler(fatalEndsCleanly);
    else
        qInstallMessageHandler(previousHandler);
}

void reportStartUpFailure(const std::string& reason) {
    const std::string message = "Lumadisc cannot start: " + reason;
    std::cerr << message << std::endl;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QStringLiteral("Lumadisc"), QString::fromStdString(message));
}

} // namespace lumadisc
