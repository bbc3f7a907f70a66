#pragma once

#include "core/platform/disc_handler_registration.h"

#include <string>

namespace lumadisc {

// The freedesktop.org way: a desktop entry for the content type of a video disc in the user's
// applications folder, the default for that type in the user's mimeapps.list, and GNOME's list
// of content types whose default application starts without asking. Paths follow XDG_DATA_HOME
// and XDG_CONFIG_HOME as they are when the object is made.
class XdgDiscHandlerRegistration : public DiscHandlerRegistration {
public:
    XdgDiscHandlerRegistration();

    // The desktop id of the handler entry.
    static constexpr const char* kDesktopId = "com.quorvane.Lumadisc.PlayDVD.desktop";
    static constexpr const char* kContentType = "x-content/video-dvd";

    bool openHandlerFolder() override;
    void startWithoutAsking() override;
    void writeHandler(const DiscHandler& handler) override;
    void makeDefault() override;
    void removeHandler() override;
    void stopStartingWithoutAsking() override;
    void removeDefault() override;

    std::string entryPath() const { return m_applications + "/" + kDesktopId; }
    std::string mimeAppsPath() const { return m_config.empty() ? "" : m_config + "/mimeapps.list"; }

private:
    std::string m_applications;
    std::string m_config;
};

// The Exec value that starts `program` with the disc's location: the path quoted, and escaped
// as the desktop entry format requires, so that any path works.
std::string execLine(const std::string& program);

} // namespace lumadisc
