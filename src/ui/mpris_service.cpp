#include "ui/mpris_service.h"

#include "ui/main_window_view.h"
#include "ui/view_hub.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <iostream>

namespace lumadisc {

namespace {
const QString kService = QStringLiteral("org.mpris.MediaPlayer2.lumadisc");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

const char* const kInterfaces = R"(
  <interface name="org.mpris.MediaPlayer2">
    <method name="Raise"/>
    <method name="Quit"/>
    <property name="CanQuit" type="b" access="read"/>
    <property name="CanRaise" type="b" access="read"/>
    <property name="HasTrackList" type="b" access="read"/>
    <property name="Identity" type="s" access="read"/>
    <property name="DesktopEntry" type="s" access="read"/>
    <property name="SupportedUriSchemes" type="as" access="read"/>
    <property name="SupportedMimeTypes" type="as" access="read"/>
  </interface>
  <interface name="org.mpris.MediaPlayer2.Player">
    <method name="Next"/>
    <method name="Previous"/>
    <method name="Pause"/>
    <method name="PlayPause"/>
    <method name="Stop"/>
    <method name="Play"/>
    <method name="Seek">
      <arg name="Offset" type="x" direction="in"/>
    </method>
    <method name="SetPosition">
      <arg name="TrackId" type="o" direction="in"/>
      <arg name="Position" type="x" direction="in"/>
    </method>
    <method name="OpenUri">
      <arg name="Uri" type="s" direction="in"/>
    </method>
    <signal name="Seeked">
      <arg name="Position" type="x"/>
    </signal>
    <property name="PlaybackStatus" type="s" access="read"/>
    <property name="Rate" type="d" access="read"/>
    <property name="Metadata" type="a{sv}" access="read"/>
    <property name="Volume" type="d" access="readwrite"/>
    <property name="Position" type="x" access="read"/>
    <property name="MinimumRate" type="d" access="read"/>
    <property name="MaximumRate" type="d" access="read"/>
    <property name="CanGoNext" type="b" access="read"/>
    <property name="CanGoPrevious" type="b" access="read"/>
    <property name="CanPlay" type="b" access="read"/>
    <property name="CanPause" type="b" access="read"/>
    <property name="CanSeek" type="b" access="read"/>
    <property name="CanControl" type="b" access="read"/>
  </interface>
)";

QString statusName(PlaybackStatus status) {
    switch (status) {
    case PlaybackStatus::Playing:
        return QStringLiteral("Playing");
    case PlaybackStatus::Paused:
        return QStringLiteral("Paused");
    case PlaybackStatus::Stopped:
        break;
    }
    return QStringLiteral("Stopped");
}

QString errorName(const char* name) {
    return QStringLiteral("org.freedesktop.DBus.Error.") + QLatin1String(name);
}
} // namespace

MprisService::MprisService(ViewHub& hub)
    : m_hub(hub), m_remote(hub.program()), m_bus(QDBusConnection::sessionBus()) {
    if (!m_bus.isConnected()) {
        std::cerr << "Lumadisc: no session bus, so no desktop remote control ("
                  << m_bus.lastError().message().toStdString() << ")" << std::endl;
        return;
    }
    // The state at registration is the baseline: only later changes are announced.
    m_remote.refresh();
    if (!m_bus.registerVirtualObject(kPath, this)) {
        std::cerr << "Lumadisc: cannot offer " << kPath.toStdString() << " on the session bus"
                  << std::endl;
        return;
    }
    if (!m_bus.registerService(kService)) {
        std::cerr << "Lumadisc: the session bus name " << kService.toStdString()
                  << " is taken: " << m_bus.lastError().message().toStdString() << std::endl;
        m_bus.unregisterObject(kPath);
        return;
    }
    m_registered = true;
    m_hub.setSyncHook([this] { sync(); });
}

MprisService::~MprisService() {
    if (!m_registered)
        return;
    m_hub.setSyncHook({});
    m_bus.unregisterService(kService);
    m_bus.unregisterObject(kPath);
}

void MprisService::sync() {
    announce(m_remote.refresh());
}

void MprisService::announce(const RemoteChanges& changes) {
    if (changes.seeked)
        announceJump(m_remote.positionMicroseconds());
    QVariantMap changed;
    if (changes.status)
        changed.insert(QStringLiteral("PlaybackStatus"), statusName(m_remote.state().status));
    if (changes.metadata)
        changed.insert(QStringLiteral("Metadata"), metadata());
    if (changes.volume)
        changed.insert(QStringLiteral("Volume"), m_remote.state().volume / 100.0);
    if (changed.isEmpty())
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(kPath, kProperties, QStringLiteral("PropertiesChanged"));
    signal << kPlayer << changed << QStringList();
    m_bus.send(signal);
}

void MprisService::announceJump(const std::optional<std::int64_t>& position) {
    if (!position)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(kPath, kPlayer, QStringLiteral("Seeked"));
    signal << static_cast<qlonglong>(*position);
    m_bus.send(signal);
}

QVariantMap MprisService::metadata() const {
    QVariantMap map;
    const std::string track = m_remote.trackId();
    // Stopped has no track, and an empty map says so.
    if (track.empty())
        return map;
    const RemoteState& state = m_remote.state();
    map.insert(QStringLiteral("mpris:trackid"),
               QVariant::fromValue(QDBusObjectPath(QString::fromStdString(track))));
    if (!state.title.empty())
        map.insert(QStringLiteral("xesam:title"), QString::fromStdString(state.title));
    if (state.lengthSeconds > 0)
        map.insert(QStringLiteral("mpris:length"),
                   static_cast<qlonglong>(state.lengthSeconds) * 1'000'000);
    return map;
}

QVariantMap MprisService::properties(const QString& interface) {
    if (interface == kRoot) {
        return {{QStringLiteral("CanQuit"), true},
                {QStringLiteral("CanRaise"), true},
                {QStringLiteral("HasTrackList"), false},
                {QStringLiteral("Identity"), QStringLiteral("Lumadisc")},
                {QStringLiteral("DesktopEntry"), QStringLiteral("lumadisc")},
                {QStringLiteral("SupportedUriSchemes"),
                 QStringList{QStringLiteral("dvd"), QStringLiteral("file")}},
                {QStringLiteral("SupportedMimeTypes"),
                 QStringList{QStringLiteral("application/x-iso9660-image")}}};
    }
    if (interface == kPlayer) {
        const RemoteState& state = m_remote.state();
        return {
            {QStringLiteral("PlaybackStatus"), statusName(state.status)},
            {QStringLiteral("Rate"), 1.0},
            {QStringLiteral("Metadata"), metadata()},
            {QStringLiteral("Volume"), state.volume / 100.0},
            {QStringLiteral("Position"), static_cast<qlonglong>(m_remote.positionMicroseconds())},
            {QStringLiteral("MinimumRate"), 1.0},
            {QStringLiteral("MaximumRate"), 1.0},
            {QStringLiteral("CanGoNext"), false},
            {QStringLiteral("CanGoPrevious"), false},
            {QStringLiteral("CanPlay"), true},
            {QStringLiteral("CanPause"), true},
            {QStringLiteral("CanSeek"), true},
            {QStringLiteral("CanControl"), true}};
    }
    return {};
}

QString MprisService::introspect(const QString& /*path*/) const {
    return QString::fromLatin1(kInterfaces);
}

bool MprisService::handleMessage(const QDBusMessage& message,
                                 const QDBusConnection& /*connection*/) {
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    const QString interface = message.interface();
    if (interface == kProperties)
        return handleProperties(message);
    // The interface may be left out of a call; the member names of ours do not overlap.
    if (interface == kRoot || interface == kPlayer || interface.isEmpty())
        return handleMethod(interface, message);
    // Introspection and the rest are answered by QtDBus.
    return false;
}

bool MprisService::handleProperties(const QDBusMessage& message) {
    const QString member = message.member();
    const QVariantList args = message.arguments();
    // Answer with what the player shows now, and announce it first if it just changed.
    sync();
    if (member == QLatin1String("GetAll") && message.signature() == QLatin1String("s")) {
        reply(message, {properties(args.at(0).toString())});
    } else if (member == QLatin1String("Get") && message.signature() == QLatin1String("ss")) {
        const QVariantMap all = properties(args.at(0).toString());
        const auto found = all.constFind(args.at(1).toString());
        if (found == all.constEnd())
            replyError(message, errorName("UnknownProperty"), args.at(1).toString());
        else
            reply(message, {QVariant::fromValue(QDBusVariant(*found))});
    } else if (member == QLatin1String("Set") && message.signature() == QLatin1String("ssv")) {
        const QString interface = args.at(0).toString();
        const QString name = args.at(1).toString();
        bool number = false;
        const double volume = args.at(2).value<QDBusVariant>().variant().toDouble(&number);
        if (!properties(interface).contains(name)) {
            replyError(message, errorName("UnknownProperty"), name);
        } else if (interface != kPlayer || name != QLatin1String("Volume")) {
            replyError(message, errorName("PropertyReadOnly"), name);
        } else if (!number) {
            replyError(message, errorName("InvalidArgs"), QStringLiteral("Volume is a number"));
        } else {
            m_hub.call([this, volume] { m_remote.setVolume(volume); });
            reply(message);
        }
    } else {
        replyError(message, errorName("UnknownMethod"), member);
    }
    return true;
}

bool MprisService::handleMethod(const QString& interface, const QDBusMessage& message) {
    const QString member = message.member();
    const QString signature = message.signature();
    const QVariantList args = message.arguments();
    const bool root = interface != kPlayer;
    const bool player = interface != kRoot;
    const auto is = [&](const char* name, const char* expected) {
        return member == QLatin1String(name) && signature == QLatin1String(expected);
    };
    if (root && is("Raise", "")) {
        m_hub.call([this] { m_remote.raise(); });
        m_hub.mainView().raise();
        m_hub.mainView().activateWindow();
    } else if (root && is("Quit", "")) {
        quit(message);
        return true;
    } else if (player && (is("Next", "") || is("Previous", ""))) {
        // A disc is one track here: CanGoNext and CanGoPrevious are false.
    } else if (player && is("Play", "")) {
        m_hub.call([this] { m_remote.play(); });
    } else if (player && is("Pause", "")) {
        m_hub.call([this] { m_remote.pause(); });
    } else if (player && is("PlayPause", "")) {
        m_hub.call([this] { m_remote.playPause(); });
    } else if (player && is("Stop", "")) {
        m_hub.call([this] { m_remote.stop(); });
    } else if (player && is("Seek", "x")) {
        std::optional<std::int64_t> moved;
        m_hub.call([&] { moved = m_remote.seek(args.at(0).toLongLong()); });
        announceJump(moved);
    } else if (player && is("SetPosition", "ox")) {
        const std::string track = args.at(0).value<QDBusObjectPath>().path().toStdString();
        std::optional<std::int64_t> moved;
        m_hub.call([&] { moved = m_remote.setPosition(track, args.at(1).toLongLong()); });
        announceJump(moved);
    } else if (player && is("OpenUri", "s")) {
        replyError(message, errorName("NotSupported"),
                   QStringLiteral("Lumadisc opens discs from its drive menu"));
        return true;
    } else {
        replyError(message, errorName("UnknownMethod"),
                   member + QLatin1Char('(') + signature + QLatin1Char(')'));
        return true;
    }
    reply(message);
    return true;
}

void MprisService::quit(const QDBusMessage& message) {
    reply(message);
    // The process ends inside the control bar's exit: a round trip to the bus first makes sure
    // the answer above has left, so the caller is not told that we vanished.
    m_bus.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")));
    m_hub.call([this] { m_remote.quit(); });
}

void MprisService::reply(const QDBusMessage& message, const QVariantList& arguments) {
    m_bus.send(message.createReply(arguments));
}

void MprisService::replyError(const QDBusMessage& message, const QString& name,
                              const QString& text) {
    m_bus.send(message.createErrorReply(name, text));
}

} // namespace lumadisc
