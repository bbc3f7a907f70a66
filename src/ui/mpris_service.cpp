#include "ui/mpris_service.h"

#include "ui/mpris_player_adaptor.h"
#include "ui/mpris_root_adaptor.h"
#include "ui/view_hub.h"

#include <iostream>

namespace lumadisc {

namespace {
const QString kService = QStringLiteral("org.mpris.MediaPlayer2.lumadisc");
} // namespace

MprisService::MprisService(ViewHub& hub)
    : m_hub(hub), m_remote(hub.program()), m_bus(QDBusConnection::sessionBus()) {
    if (!m_bus.isConnected()) {
        std::cerr << "Lumadisc: no session bus, so no desktop remote control ("
                  << m_bus.lastError().message().toStdString() << ")" << std::endl;
        return;
    }
    // QtDBus finds the adaptors among the children of the registered object.
    new MprisRootAdaptor(*this);
    m_player = new MprisPlayerAdaptor(*this);
    // The state at registration is the baseline: only later changes are announced.
    m_remote.refresh();
    if (!m_bus.registerObject(kPath, this, QDBusConnection::ExportAdaptors)) {
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
    m_player->announce(m_remote.refresh());
}

} // namespace lumadisc
