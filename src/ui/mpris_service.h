#pragma once

#include "core/playback/remote_control.h"

#include <QDBusConnection>
#include <QObject>

namespace lumadisc {

class MprisPlayerAdaptor;
class ViewHub;

// The player on the session bus as an MPRIS 2 media player (org.mpris.MediaPlayer2.lumadisc),
// so desktop sound menus, media keys and playerctl can see and drive it. Its two interfaces are
// the adaptors MprisRootAdaptor and MprisPlayerAdaptor; QtDBus answers introspection and
// property calls from their meta-objects. Every call runs on the UI thread through
// ViewHub::call, so the views sync afterwards as after a click.
class MprisService : public QObject {
    Q_OBJECT
public:
    // Claims the name on the session bus; without a bus (normal on servers) the program simply
    // has no remote control.
    explicit MprisService(ViewHub& hub);
    ~MprisService() override;

    // The object that carries both interfaces.
    static inline const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");

    ViewHub& hub() { return m_hub; }
    RemoteControl& remote() { return m_remote; }
    QDBusConnection& bus() { return m_bus; }

    // Announces the properties that changed since the last sync. Runs after every core call,
    // the 100 Hz status tick included, so it only compares what the tick reads anyway.
    void sync();

private:
    ViewHub& m_hub;
    RemoteControl m_remote;
    QDBusConnection m_bus;
    MprisPlayerAdaptor* m_player = nullptr;
    bool m_registered = false;
};

} // namespace lumadisc
