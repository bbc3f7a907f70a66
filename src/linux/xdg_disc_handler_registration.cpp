#include "linux/xdg_disc_handler_registration.h"

#include "linux/mime_apps_list.h"
#include "linux/xdg_dirs.h"

#include <gio/gio.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace lumadisc {

namespace {

constexpr const char* kMediaSchema = "org.gnome.desktop.media-handling";
constexpr const char* kStartAppKey = "autorun-x-content-start-app";

// A desktop entry string value: backslashes and control characters escaped.
std::string escaped(const std::string& value) {
    std::string out;
    for (char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> readWhole(const std::string& path) {
    std::error_code error;
    if (!fs::exists(path, error))
        return error ? std::nullopt : std::optional<std::string>(std::string());
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Replaces the file through a temporary file beside it, so that a failure never leaves it half
// written; a link is followed, so that the user's link stays a link.
void replaceFile(const std::string& path, const std::string& text) {
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        target = fs::canonical(target, error);
        if (error)
            return;
    }
    const fs::path temporary = target.string() + ".lumadisc-new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            fs::remove(temporary, error);
            return;
        }
    }
    fs::rename(temporary, target, error);
    if (error)
        fs::remove(temporary, error);
}

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct SchemaUnref {
    void operator()(GSettingsSchema* schema) const { g_settings_schema_unref(schema); }
};

// GNOME and the desktops built on it name "GNOME" among the desktops they follow.
bool gnomeDesktop() {
    const char* desktops = std::getenv("XDG_CURRENT_DESKTOP");
    return desktops && std::string(desktops).find("GNOME") != std::string::npos;
}

// Adds or removes the video disc's content type in GNOME's start-without-asking list. Other
// desktops never read it (and their session may have no settings service to write it), and
// where the schema is not installed there is nothing to do.
void editStartList(bool add) {
    if (!gnomeDesktop())
        return;
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return;
    std::unique_ptr<GSettingsSchema, SchemaUnref> schema(
        g_settings_schema_source_lookup(source, kMediaSchema, TRUE));
    if (!schema || !g_settings_schema_has_key(schema.get(), kStartAppKey))
        return;
    std::unique_ptr<GSettings, GObjectUnref> settings(
        g_settings_new_full(schema.get(), nullptr, nullptr));
    gchar** values = g_settings_get_strv(settings.get(), kStartAppKey);
    std::vector<std::string> list(values, values + g_strv_length(values));
    g_strfreev(values);
    const std::string type = XdgDiscHandlerRegistration::kContentType;
    const bool present = std::find(list.begin(), list.end(), type) != list.end();
    if (present == add)
        return;
    if (add)
        list.push_back(type);
    else
        std::erase(list, type);
    std::vector<const gchar*> strv;
    for (const std::string& value : list)
        strv.push_back(value.c_str());
    strv.push_back(nullptr);
    g_settings_set_strv(settings.get(), kStartAppKey, strv.data());
    g_settings_sync();
}

void editMimeApps(const std::string& path, bool add) {
    if (path.empty())
        return;
    const std::optional<std::string> text = readWhole(path);
    if (!text)
        return;
    const std::string id = XdgDiscHandlerRegistration::kDesktopId;
    const std::string type = XdgDiscHandlerRegistration::kContentType;
    const std::string edited = add ? withDefault(*text, type, id) : withoutDefault(*text, type, id);
    if (edited == *text)
        return;
    std::error_code error;
    if (edited.find_first_not_of(" \t\r\n") == std::string::npos) {
        fs::remove(path, error);
        return;
    }
    fs::create_directories(fs::path(path).parent_path(), error);
    replaceFile(path, edited);
}

} // namespace

std::string execLine(const std::string& program) {
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
        // A field code starts with %, so a literal one is doubled.
        if (c == '%')
            quoted += '%';
    }
    return escaped(quoted + "\" %u");
}

XdgDiscHandlerRegistration::XdgDiscHandlerRegistration() : m_config(xdgConfigHome()) {
    if (const std::string data = xdgDataHome(); !data.empty())
        m_applications = data + "/applications";
}

bool XdgDiscHandlerRegistration::openHandlerFolder() {
    if (m_applications.empty())
        return false;
    std::error_code error;
    fs::create_directories(m_applications, error);
    return fs::is_directory(m_applications, error) && ::access(m_applications.c_str(), W_OK) == 0;
}

void XdgDiscHandlerRegistration::startWithoutAsking() {
    editStartList(true);
}

void XdgDiscHandlerRegistration::writeHandler(const DiscHandler& handler) {
    const std::string exec = execLine(handler.program);
    std::string entry = "[Desktop Entry]\n"
                        "Type=Application\n"
                        "Name=" +
                        escaped(handler.verb) + "\nComment=" + escaped(handler.provider) +
                        "\nIcon=" + escaped(handler.icon) +
                        "\nTryExec=" + escaped(handler.program) + "\nExec=" + exec +
                        "\nMimeType=" + kContentType +
                        ";\nNoDisplay=true\nTerminal=false\nActions=PlayDVD;\n\n"
                        "[Desktop Action PlayDVD]\nName=" +
                        escaped(handler.action) + "\nExec=" + exec + "\n";
    replaceFile(entryPath(), entry);
}

void XdgDiscHandlerRegistration::makeDefault() {
    editMimeApps(mimeAppsPath(), true);
}

void XdgDiscHandlerRegistration::removeHandler() {
    std::error_code ignored;
    fs::remove(entryPath(), ignored);
}

void XdgDiscHandlerRegistration::stopStartingWithoutAsking() {
    editStartList(false);
}

void XdgDiscHandlerRegistration::removeDefault() {
    editMimeApps(mimeAppsPath(), false);
}

} // namespace lumadisc
