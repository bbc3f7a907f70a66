#pragma once

#include "core/playback/remote_control.h"

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QVariantMap>

namespace lumadisc {

class MprisService;

// org.mpris.MediaPlayer2.Player: what plays, and the transport controls.
class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate CONSTANT)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(double MinimumRate READ rate CONSTANT)
    Q_PROPERTY(double MaximumRate READ rate CONSTANT)
    // A disc is one track here; next and previous skip its chapters.
    Q_PROPERTY(bool CanGoNext READ canGo)
    Q_PROPERTY(bool CanGoPrevious READ canGo)
    Q_PROPERTY(bool CanPlay READ yes CONSTANT)
    Q_PROPERTY(bool CanPause READ yes CONSTANT)
    Q_PROPERTY(bool CanSeek READ yes CONSTANT)
    Q_PROPERTY(bool CanControl READ yes CONSTANT)

public:
    explicit MprisPlayerAdaptor(MprisService& service);

    // Sends PropertiesChanged with the properties of `changes` (QtDBus does not), and Seeked
    // after a jump.
    void announce(const RemoteChanges& changes);

    // Readers answer with what the player shows now, announcing a change first.
    QString playbackStatus();
    QVariantMap metadata();
    double volume();
    qlonglong position();
    void setVolume(double volume);
    double rate() const { return 1.0; }
    bool yes() const { return true; }
    bool canGo();

public slots:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong Offset);
    void SetPosition(const QDBusObjectPath& TrackId, qlonglong Position);
    void OpenUri(const QString& Uri, const QDBusMessage& message);

signals:
    void Seeked(qlonglong Position);

private:
    const RemoteState& current();
    QVariantMap metadataOf(const RemoteState& state) const;
    void announceJump(const std::optional<std::int64_t>& position);

    MprisService& m_service;
    RemoteControl& m_remote;
};

} // namespace lumadisc
