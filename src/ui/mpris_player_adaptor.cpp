#include "ui/mpris_player_adaptor.h"

#include "ui/mpris_service.h"
#include "ui/view_hub.h"

namespace lumadisc {

namespace {
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
} // namespace

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service), m_service(service), m_remote(service.remote()) {}

const RemoteState& MprisPlayerAdaptor::current() {
    m_service.sync();
    return m_remote.state();
}

QString MprisPlayerAdaptor::playbackStatus() {
    return statusName(current().status);
}

QVariantMap MprisPlayerAdaptor::metadata() {
    return metadataOf(current());
}

double MprisPlayerAdaptor::volume() {
    return current().volume / 100.0;
}

qlonglong MprisPlayerAdaptor::position() {
    m_service.sync();
    return static_cast<qlonglong>(m_remote.positionMicroseconds());
}

bool MprisPlayerAdaptor::canGo() {
    return current().chapters;
}

void MprisPlayerAdaptor::setVolume(double volume) {
    m_service.hub().call([this, volume] { m_remote.setVolume(volume); });
}

QVariantMap MprisPlayerAdaptor::metadataOf(const RemoteState& state) const {
    QVariantMap map;
    const std::string track = m_remote.trackId();
    // Stopped has no track, and an empty map says so.
    if (track.empty())
        return map;
    map.insert(QStringLiteral("mpris:trackid"),
               QVariant::fromValue(QDBusObjectPath(QString::fromStdString(track))));
    if (!state.title.empty())
        map.insert(QStringLiteral("xesam:title"), QString::fromStdString(state.title));
    if (state.lengthSeconds > 0)
        map.insert(QStringLiteral("mpris:length"),
                   static_cast<qlonglong>(state.lengthSeconds) * 1'000'000);
    return map;
}

void MprisPlayerAdaptor::announce(const RemoteChanges& changes) {
    if (changes.seeked)
        announceJump(m_remote.positionMicroseconds());
    const RemoteState& state = m_remote.state();
    QVariantMap changed;
    if (changes.status)
        changed.insert(QStringLiteral("PlaybackStatus"), statusName(state.status));
    if (changes.metadata)
        changed.insert(QStringLiteral("Metadata"), metadataOf(state));
    if (changes.volume)
        changed.insert(QStringLiteral("Volume"), state.volume / 100.0);
    if (changes.chapters) {
        changed.insert(QStringLiteral("CanGoNext"), state.chapters);
        changed.insert(QStringLiteral("CanGoPrevious"), state.chapters);
    }
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        MprisService::kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    m_service.bus().send(signal);
}

void MprisPlayerAdaptor::announceJump(const std::optional<std::int64_t>& position) {
    if (position)
        emit Seeked(static_cast<qlonglong>(*position));
}

void MprisPlayerAdaptor::Next() {
    m_service.hub().call([this] { m_remote.next(); });
}

void MprisPlayerAdaptor::Previous() {
    m_service.hub().call([this] { m_remote.previous(); });
}

void MprisPlayerAdaptor::Pause() {
    m_service.hub().call([this] { m_remote.pause(); });
}

void MprisPlayerAdaptor::PlayPause() {
    m_service.hub().call([this] { m_remote.playPause(); });
}

void MprisPlayerAdaptor::Stop() {
    m_service.hub().call([this] { m_remote.stop(); });
}

void MprisPlayerAdaptor::Play() {
    m_service.hub().call([this] { m_remote.play(); });
}

void MprisPlayerAdaptor::Seek(qlonglong Offset) {
    std::optional<std::int64_t> moved;
    m_service.hub().call([&] { moved = m_remote.seek(Offset); });
    announceJump(moved);
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& TrackId, qlonglong Position) {
    std::optional<std::int64_t> moved;
    m_service.hub().call(
        [&] { moved = m_remote.setPosition(TrackId.path().toStdString(), Position); });
    announceJump(moved);
}

void MprisPlayerAdaptor::OpenUri(const QString& /*Uri*/, const QDBusMessage& message) {
    message.setDelayedReply(true);
    m_service.bus().send(
        message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.NotSupported"),
                                 QStringLiteral("Lumadisc opens discs from its drive menu")));
}

} // namespace lumadisc
