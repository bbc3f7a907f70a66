// The engine alone: libvlc playing a disc into a plain X window of the stage's size, with no
// user interface. It is the baseline that Lumadisc's CPU time and memory are compared with, so
// it makes the same libvlc calls as the engine adapter and nothing else.
//
// bare_libvlc DISC SECONDS ACTIVATE_MS [ARGUMENT...]
//   Plays dvd://DISC for SECONDS seconds; ACTIVATE_MS after play() it presses the menu's
//   "activate" key (0: never). Arguments starting with ':' are media options, the others
//   libvlc_new arguments.
#include <vlc/vlc.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::uint16_t kStageWidth = 385;
constexpr std::uint16_t kStageHeight = 284;

struct InstanceDeleter {
    void operator()(libvlc_instance_t* instance) const { libvlc_release(instance); }
};
struct PlayerDeleter {
    void operator()(libvlc_media_player_t* player) const { libvlc_media_player_release(player); }
};
struct ConnectionDeleter {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

int fail(const std::string& what) {
    const char* reason = libvlc_errmsg();
    std::fprintf(stderr, "bare_libvlc: %s%s%s\n", what.c_str(), reason ? ": " : "",
                 reason ? reason : "");
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: bare_libvlc DISC SECONDS ACTIVATE_MS [ARGUMENT...]\n");
        return 2;
    }
    const std::string disc = argv[1];
    const auto seconds = std::chrono::seconds(std::atoi(argv[2]));
    const auto activateAfter = std::chrono::milliseconds(std::atoi(argv[3]));

    // The adapter's fixed arguments come first, as in the program.
    std::vector<const char*> arguments{"--no-osd", "--no-snapshot-preview",
                                       "--no-video-title-show"};
    std::vector<std::string> mediaOptions;
    for (int i = 4; i < argc; ++i) {
        if (argv[i][0] == ':')
            mediaOptions.emplace_back(argv[i]);
        else
            arguments.push_back(argv[i]);
    }

    std::unique_ptr<xcb_connection_t, ConnectionDeleter> connection(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(connection.get()))
        return fail("no X display");
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data;
    const xcb_window_t window = xcb_generate_id(connection.get());
    const std::uint32_t black = screen->black_pixel;
    xcb_create_window(connection.get(), XCB_COPY_FROM_PARENT, window, screen->root, 0, 0,
                      kStageWidth, kStageHeight, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen->root_visual, XCB_CW_BACK_PIXEL, &black);
    xcb_map_window(connection.get(), window);
    xcb_flush(connection.get());

    std::unique_ptr<libvlc_instance_t, InstanceDeleter> instance(
        libvlc_new(static_cast<int>(arguments.size()), arguments.data()));
    if (!instance)
        return fail("libvlc_new failed");
    std::unique_ptr<libvlc_media_player_t, PlayerDeleter> player(
        libvlc_media_player_new(instance.get()));
    if (!player)
        return fail("libvlc_media_player_new failed");
    libvlc_media_player_set_xwindow(player.get(), window);
    libvlc_video_set_key_input(player.get(), false);
    libvlc_video_set_mouse_input(player.get(), false);

    libvlc_media_t* media = libvlc_media_new_location(instance.get(), ("dvd://" + disc).c_str());
    if (!media)
        return fail("no media for " + disc);
    for (const std::string& option : mediaOptions)
        libvlc_media_add_option(media, option.c_str());
    libvlc_media_player_set_media(player.get(), media);
    libvlc_media_release(media);
    libvlc_audio_set_volume(player.get(), 50);
    if (libvlc_media_player_play(player.get()) != 0)
        return fail("play failed");

    const auto started = std::chrono::steady_clock::now();
    if (activateAfter.count() > 0) {
        std::this_thread::sleep_until(started + activateAfter);
        libvlc_media_player_navigate(player.get(), libvlc_navigate_activate);
        // The measuring script starts its window from here.
        std::printf("activated\n");
        std::fflush(stdout);
    }
    std::this_thread::sleep_until(started + seconds);
    libvlc_media_player_stop(player.get());
    return 0;
}
