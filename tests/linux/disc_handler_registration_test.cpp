// The desktop's disc handler registration in private XDG homes, checked with the desktop's own
// tools: xdg-mime, desktop-file-validate and GIO (keyfile GSettings backend).
#include "linux/mime_apps_list.h"
#include "linux/xdg_disc_handler_registration.h"
#include "scoped_env.h"
#include "support/test_paths.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

namespace fs = std::filesystem;

namespace lumadisc::test {
namespace {

constexpr const char* kType = XdgDiscHandlerRegistration::kContentType;
constexpr const char* kId = XdgDiscHandlerRegistration::kDesktopId;

// What `command` prints, on either stream.
std::string output(const std::string& command) {
    const TempDir folder;
    [[maybe_unused]] const int status =
        std::system((command + " >" + folder.str() + "/out 2>&1").c_str());
    return readFile(folder.path() / "out");
}

// GLib reads the XDG homes once per process, so the whole suite shares one pair and each test
// empties them.
class DiscHandlers : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        home.emplace();
        ::setenv("XDG_DATA_HOME", (home->path() / "data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home->path() / "config").c_str(), 1);
        ::setenv("GSETTINGS_BACKEND", "keyfile", 1);
        ::setenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME", 1);
    }
    void SetUp() override {
        for (const char* folder : {"data", "config"})
            fs::remove_all(home->path() / folder);
        // GLib's settings backend, once started, writes its file but makes no folder for it.
        fs::create_directories(home->path() / "config/glib-2.0/settings");
    }

    static void registerHandler(const std::string& program) {
        XdgDiscHandlerRegistration shell;
        ASSERT_TRUE(shell.openHandlerFolder());
        shell.startWithoutAsking();
        shell.writeHandler({"Play DVD", "Play With Lumadisc", "Quorvane Lumadisc", program,
                            "/opt/lumadisc/Resources/lumadisc.svg"});
        shell.makeDefault();
    }
    static void unregisterHandler() {
        XdgDiscHandlerRegistration shell;
        shell.removeHandler();
        shell.stopStartingWithoutAsking();
        shell.removeDefault();
    }
    // The types GNOME starts a handler for without asking, as its command-line tool reads them.
    static std::string startList() {
        return output("gsettings get org.gnome.desktop.media-handling autorun-x-content-start-app");
    }
    static void setStartList(const gchar* type) {
        const gchar* types[] = {type, nullptr};
        g_autoptr(GSettings) settings = g_settings_new("org.gnome.desktop.media-handling");
        g_settings_set_strv(settings, "autorun-x-content-start-app", types);
        g_settings_sync();
    }
    static fs::path entry() { return home->path() / "data/applications" / kId; }
    static fs::path mimeApps() { return home->path() / "config/mimeapps.list"; }

    static inline std::optional<TempDir> home;
};

// One test for everything GIO's application cache sees: it reads the folders once.
TEST_F(DiscHandlers, TheDesktopStartsTheRegisteredProgramWithTheDiscItWasHanded) {
    const fs::path program = home->path() / R"(app "folder" $HOME `x` \ (1))" / "lumadisc";
    writeFile(program, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.args\"\n");
    fs::permissions(program, fs::perms::owner_all);
    registerHandler(program.string());

    const std::string validation = output("desktop-file-validate '" + entry().string() + "'");
    EXPECT_EQ(validation, "") << "desktop-file-validate rejects the entry:\n" << validation;

    g_autoptr(GAppInfo) app = g_app_info_get_default_for_type(kType, FALSE);
    ASSERT_NE(app, nullptr) << "GIO finds no default handler for video discs";

    const fs::path mount = home->path() / "media/My Disc (1)";
    fs::create_directories(mount);
    g_autofree gchar* uri = g_filename_to_uri(mount.c_str(), nullptr, nullptr);
    GList uris{uri, nullptr, nullptr};
    g_autoptr(GError) error = nullptr;
    EXPECT_TRUE(g_app_info_launch_uris(app, &uris, nullptr, &error))
        << (error ? error->message : "launch failed");
    const fs::path recorded = program.string() + ".args";
    for (int i = 0; i < 100 && readFile(recorded).find('\n', 2) == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    // GIO hands a local disc over as its path.
    EXPECT_EQ(readFile(recorded), "1\n" + mount.string() + "\n")
        << "the program was not started with exactly the disc's location";
}

// In an empty home and in one where another application is the default.
TEST_F(DiscHandlers, RegisteringTwiceWritesWhatOnceWritesAndUnregisteringLeavesWhatOthersSet) {
    const std::string others = "[Added Associations]\nvideo/mpeg=player.desktop;\n\n"
                               "[Default Applications]\nx-content/video-dvd=other.desktop;\n";
    for (const std::string& before : {std::string(), others}) {
        if (!before.empty())
            writeFile(mimeApps(), before);
        setStartList("x-content/audio-cdda");
        const std::string list = startList();
        registerHandler("/usr/bin/lumadisc");
        EXPECT_NE(startList().find(kType), std::string::npos)
            << "GNOME would not start the handler without asking";
        const std::string once = readFile(entry()) + readFile(mimeApps()) + startList();
        registerHandler("/usr/bin/lumadisc");
        EXPECT_EQ(readFile(entry()) + readFile(mimeApps()) + startList(), once)
            << "registering twice";
        unregisterHandler();
        unregisterHandler(); // what is no longer there is harmless to remove
        EXPECT_FALSE(fs::exists(entry()));
        EXPECT_EQ(fs::exists(mimeApps()), !before.empty()) << "an emptied mimeapps.list stays";
        EXPECT_EQ(readFile(mimeApps()), before) << "another application's association changed";
        EXPECT_EQ(startList(), list);
    }
}

TEST_F(DiscHandlers, AnApplicationsFolderThatCannotBeMadeIsRefused) {
    writeFile(home->path() / "data-file", "");
    ScopedEnv data("XDG_DATA_HOME", (home->path() / "data-file").string());
    EXPECT_FALSE(XdgDiscHandlerRegistration().openHandlerFolder());
}

// The default list of a type keeps every other id and every other line of the file.
TEST(MimeAppsList, OurDefaultGoesFirstAndLeavesTheFileAsItWasWhenRemoved) {
    const std::string id = "ours.desktop";
    // Each file and the default line of t that registering gives it.
    const std::pair<std::string, std::string> cases[] = {
        {"[Added Associations]\nt=x.desktop;\n", "t=ours.desktop;"},
        {"[Default Applications]\nt = a.desktop;b.desktop\n[Removed Associations]\nt=c;\n",
         "t = ours.desktop;a.desktop;b.desktop"},
        {"[Default Applications]\nu=a;\n\n[Other]\n", "t=ours.desktop;"},
        {"[Default Applications]\nt=a;ours.desktop;\n", "t=ours.desktop;a;"},
    };
    for (const auto& [text, defaultLine] : cases) {
        const std::string registered = withDefault(text, "t", id);
        const auto group = registered.find("[Default Applications]");
        EXPECT_NE(registered.find("\n" + defaultLine + "\n", group), std::string::npos)
            << "default of t in:\n" + registered;
        EXPECT_EQ(withDefault(registered, "t", id), registered) << "registering twice";
        if (text.find("ours.desktop") == std::string::npos) {
            EXPECT_EQ(withoutDefault(registered, "t", id), text) << "removing from " << registered;
        }
    }
}

} // namespace
} // namespace lumadisc::test
