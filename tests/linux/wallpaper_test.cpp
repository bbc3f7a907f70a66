// The wallpaper on GNOME-family desktops, in a private GSettings keyfile read back through
// GSettings.
#include "linux/linux_wallpaper.h"
#include "linux/scoped_env.h"
#include "support/test_paths.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace lumadisc::test {
namespace {

TEST(GnomeWallpaper, TheFamilyGetsTheUriAndItsStyleNameOtherDesktopsNothing) {
    // Before GLib's first use: it settles its backend and configuration folder once.
    TempDir config;
    ScopedEnv home("XDG_CONFIG_HOME", config.str()), backend("GSETTINGS_BACKEND", "keyfile");
    GSettings* settings = g_settings_new("org.gnome.desktop.background");
    const auto value = [&](const char* key) {
        GVariant* set = g_settings_get_user_value(settings, key);
        const std::string text = set ? g_variant_get_string(set, nullptr) : "(unchanged)";
        if (set)
            g_variant_unref(set);
        return text;
    };
    const std::string uri = "file://" + config.str() + "/my%20shots/Lumadisc-Wallpaper.bmp";
    const std::tuple<const char*, int, const char*> cases[] = {
        {"GNOME", 0, "centered"},         {"ubuntu:GNOME", 1, "wallpaper"},
        {"Budgie:GNOME", 2, "stretched"}, {"X-Cinnamon", 1, "wallpaper"},
        {"MATE", 2, "stretched"}, // without MATE's own schema
        {"Enlightenment", 1, nullptr},    {"", 1, nullptr},
        {"GNOMEish", 1, nullptr},
    };
    for (const auto& [desktop, style, options] : cases) {
        ScopedEnv current("XDG_CURRENT_DESKTOP", desktop);
        for (const char* key : {"picture-uri", "picture-uri-dark", "picture-options"})
            g_settings_reset(settings, key);
        LinuxWallpaper().set(config.str() + "/my shots/Lumadisc-Wallpaper.bmp", style);
        const std::string expected = options ? uri : "(unchanged)";
        EXPECT_EQ(value("picture-uri"), expected) << desktop;
        EXPECT_EQ(value("picture-uri-dark"), expected) << desktop << ": the dark theme's picture";
        EXPECT_EQ(value("picture-options"), options ? options : "(unchanged)")
            << desktop << ", style " << style;
    }
    EXPECT_TRUE(std::filesystem::exists(config.path() / "glib-2.0/settings/keyfile"))
        << "the settings went elsewhere than the private keyfile";
    g_object_unref(settings);
}

} // namespace
} // namespace lumadisc::test
