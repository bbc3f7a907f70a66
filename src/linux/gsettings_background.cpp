// The GNOME family's wallpaper settings, through GIO's GSettings.
#include "linux/desktop_wallpaper.h"

#include <gio/gio.h>

#include <initializer_list>
#include <memory>
#include <utility>

namespace lumadisc {

namespace {

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct SchemaUnref {
    void operator()(GSettingsSchema* schema) const { g_settings_schema_unref(schema); }
};
struct Free {
    void operator()(gpointer memory) const { g_free(memory); }
};

// The names of the three styles in the GNOME family's background schemas.
const char* pictureOptions(WallpaperStyle style) {
    switch (style) {
    case WallpaperStyle::Tile:
        return "wallpaper";
    case WallpaperStyle::Stretch:
        return "stretched";
    case WallpaperStyle::Center:
        break;
    }
    return "centered";
}

std::string fileUri(const std::string& path) {
    const std::unique_ptr<char, Free> uri(g_filename_to_uri(path.c_str(), nullptr, nullptr));
    return uri ? uri.get() : "";
}

// Writes the string keys of `schemaId` that it has. g_settings_new aborts the process on a
// schema that is not installed, so the schema is looked up first and a missing one skipped.
void writeKeys(const char* schemaId,
               std::initializer_list<std::pair<const char*, std::string>> values) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return;
    const std::unique_ptr<GSettingsSchema, SchemaUnref> schema(
        g_settings_schema_source_lookup(source, schemaId, TRUE));
    if (!schema)
        return;
    const std::unique_ptr<GSettings, ObjectUnref> settings(
        g_settings_new_full(schema.get(), nullptr, nullptr));
    for (const auto& [key, value] : values) {
        if (!value.empty() && g_settings_schema_has_key(schema.get(), key))
            g_settings_set_string(settings.get(), key, value.c_str());
    }
    // The backend may write later; the program must not end before it has.
    g_settings_sync();
}

} // namespace

void setGnomeBackground(const std::string& path, WallpaperStyle style) {
    const std::string uri = fileUri(path);
    writeKeys("org.gnome.desktop.background", {{"picture-uri", uri},
                                               {"picture-uri-dark", uri},
                                               {"picture-options", pictureOptions(style)}});
}

void setCinnamonBackground(const std::string& path, WallpaperStyle style) {
    writeKeys("org.cinnamon.desktop.background",
              {{"picture-uri", fileUri(path)}, {"picture-options", pictureOptions(style)}});
}

void setMateBackground(const std::string& path, WallpaperStyle style) {
    writeKeys("org.mate.background",
              {{"picture-filename", path}, {"picture-options", pictureOptions(style)}});
}

} // namespace lumadisc
