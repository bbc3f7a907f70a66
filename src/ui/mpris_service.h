#pragma once

#include "core/playback/remote_control.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QVariantMap>

namespace lumadisc {

class ViewHub;

// The player on the session bus as an MPRIS 2 media player (org.mpris.MediaPlayer2.lumadisc),
// so desktop sound menus, media keys and playerctl can see and drive it. Every call runs on the
// UI thread through ViewHub::call, so the views sync afterwards as after a click.
class MprisService : public QDBusVirtualObject {
public:
    // Claims the name on the session bus; without a bus (normal on servers) the program simply
    // has no remote control.
    explicit MprisService(ViewHub& hub);
    ~MprisService() override;

    // Announces the properties that changed since the last sync. Runs after every core call,
    // the 100 Hz status tick included, so it only compares what the tick reads anyway.
    void sync();

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    bool handleProperties(const QDBusMessage& message);
    bool handleMethod(const QString& interface, const QDBusMessage& message);
    void reply(const QDBusMessage& message, const QVariantList& arguments = {});
    void replyError(const QDBusMessage& message, const QString& name, const QString& text);
    QVariantMap properties(const QString& interface);
    QVariantMap metadata() const;
    void announce(const RemoteChanges& changes);
    void announceJump(const std::optional<std::int64_t>& position);
    void quit(const QDBusMessage& message);

    ViewHub& m_hub;
    RemoteControl m_remote;
    QDBusConnection m_bus;
    bool m_registered = false;
};

} // namespace lumadisc
