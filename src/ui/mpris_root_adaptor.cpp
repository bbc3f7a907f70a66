#include "ui/mpris_root_adaptor.h"

#include "ui/main_window_view.h"
#include "ui/mpris_service.h"
#include "ui/view_hub.h"

namespace lumadisc {

MprisRootAdaptor::MprisRootAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service), m_service(service) {}

QStringList MprisRootAdaptor::supportedUriSchemes() const {
    return {QStringLiteral("dvd"), QStringLiteral("file")};
}

QStringList MprisRootAdaptor::supportedMimeTypes() const {
    return {QStringLiteral("application/x-iso9660-image")};
}

void MprisRootAdaptor::Raise() {
    ViewHub& hub = m_service.hub();
    hub.call([this] { m_service.remote().raise(); });
    hub.mainView().raise();
    hub.mainView().activateWindow();
}

void MprisRootAdaptor::Quit(const QDBusMessage& message) {
    QDBusConnection& bus = m_service.bus();
    message.setDelayedReply(true);
    bus.send(message.createReply());
    // The process ends inside the control bar's exit: a round trip to the bus first makes sure
    // the answer above has left, so the caller is not told that we vanished.
    bus.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")));
    m_service.hub().call([this] { m_service.remote().quit(); });
}

} // namespace lumadisc
