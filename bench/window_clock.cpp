// Times Lumadisc's windows and first picture from inside the X server's own event stream.
//
// window_clock [--menu] [--picture] [--timeout SECONDS] [-- PROGRAM ARGUMENT...]
//   With a program, the clock starts when it is started; "pid N" tells its process.
//   --menu     the clock starts (again) when a pop-up menu closes: the moment a drive is chosen.
//   --picture  waits, after both windows are mapped (or the menu closed), until the stage shows
//              a picture: the median blue of the stage's pixels reaches 50. The loading frame
//              over the stage is darker (blue at most 35 outside its lettering) and the sample
//              disc's menu is lighter (blue 36 to 122, median about 80).
// Prints "main mapped MS", "bar mapped MS", "both mapped MS", "picture MS" with the polling
// period, and leaves the program running. Exits 1 on time-out.
#include <xcb/xcb.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint16_t kMainWidth = 385;
constexpr std::uint16_t kMainHeight = 400;
constexpr std::uint16_t kBarWidth = 800;
constexpr std::uint16_t kBarHeight = 100;
constexpr std::uint16_t kStageWidth = 385;
constexpr std::uint16_t kStageHeight = 284;
constexpr int kPictureBlue = 50;
constexpr auto kPollPeriod = std::chrono::milliseconds(2);

struct Place {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
};

class Display {
public:
    Display() : m_connection(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(m_connection))
            throw "no X display";
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~Display() { xcb_disconnect(m_connection); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    xcb_connection_t* connection() const { return m_connection; }
    xcb_window_t root() const { return m_root; }

    std::optional<Place> place(xcb_window_t window) const {
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> reply(
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr),
            &std::free);
        if (!reply)
            return std::nullopt;
        return Place{reply->x, reply->y, reply->width, reply->height};
    }

    // Top-level windows already mapped when the clock starts.
    std::vector<xcb_window_t> mappedTopLevels() const {
        std::vector<xcb_window_t> result;
        std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr),
            &std::free);
        if (!tree)
            return result;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
            std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
                xcb_get_window_attributes_reply(
                    m_connection, xcb_get_window_attributes(m_connection, children[i]), nullptr),
                &std::free);
            if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
                result.push_back(children[i]);
        }
        return result;
    }

    // The median blue value of the rectangle's pixels (every fourth pixel of every fourth row),
    // read from the screen as it is shown; -1 when it cannot be read.
    int medianBlue(const Place& area) const {
        std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
            xcb_get_image_reply(m_connection,
                                xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root,
                                              area.x, area.y, area.width, area.height, ~0u),
                                nullptr),
            &std::free);
        if (!image || image->depth != 24)
            return -1;
        const std::uint8_t* pixels = xcb_get_image_data(image.get());
        const std::size_t rowBytes = static_cast<std::size_t>(area.width) * 4;
        std::vector<std::uint8_t> blues;
        for (std::size_t row = 0; row < area.height; row += 4)
            for (std::size_t column = 0; column < area.width; column += 4)
                blues.push_back(pixels[row * rowBytes + column * 4]); // BGRX
        auto middle = blues.begin() + static_cast<std::ptrdiff_t>(blues.size() / 2);
        std::nth_element(blues.begin(), middle, blues.end());
        return *middle;
    }

private:
    xcb_connection_t* m_connection;
    xcb_window_t m_root;
};

double millisecondsSince(Clock::time_point origin) {
    return std::chrono::duration<double, std::milli>(Clock::now() - origin).count();
}

int usage() {
    std::fprintf(stderr,
                 "usage: window_clock [--menu] [--picture] [--timeout SECONDS] [-- PROGRAM...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool menu = false;
    bool picture = false;
    double timeoutSeconds = 30;
    char** program = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--menu") == 0)
            menu = true;
        else if (std::strcmp(argv[i], "--picture") == 0)
            picture = true;
        else if (std::strcmp(argv[i], "--timeout") == 0 && i + 1 < argc)
            timeoutSeconds = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--") == 0 && i + 1 < argc) {
            program = argv + i + 1;
            break;
        } else
            return usage();
    }

    try {
        Display display;
        std::optional<Place> main;
        xcb_window_t mainWindow = XCB_NONE;
        bool barMapped = false;
        std::set<xcb_window_t> popups;
        auto note = [&](xcb_window_t window) {
            const std::optional<Place> place = display.place(window);
            if (place && place->width == kMainWidth && place->height == kMainHeight) {
                main = place;
                mainWindow = window;
            } else if (place && place->width == kBarWidth && place->height == kBarHeight)
                barMapped = true;
        };
        // A started program's windows are new; a window still shown by an earlier copy is not.
        if (!program)
            for (xcb_window_t window : display.mappedTopLevels())
                note(window);

        Clock::time_point origin = Clock::now();
        const Clock::time_point deadline =
            origin + std::chrono::milliseconds(static_cast<long>(timeoutSeconds * 1000));
        if (program) {
            std::fflush(stdout);
            const pid_t child = fork();
            if (child == 0) {
                execvp(program[0], program);
                std::perror(program[0]);
                _exit(127);
            }
            std::printf("pid %d\n", static_cast<int>(child));
        }
        bool bothReported = main && barMapped;
        bool clockRunning = !menu;
        long polls = 0;
        Clock::time_point firstPoll;

        const int fd = xcb_get_file_descriptor(display.connection());
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(display.connection())) {
                const std::uint8_t type = event->response_type & 0x7f;
                if (type == XCB_MAP_NOTIFY) {
                    const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
                    const bool hadMain = main.has_value();
                    const bool hadBar = barMapped;
                    note(mapped->window);
                    if (mapped->override_redirect)
                        popups.insert(mapped->window);
                    if (!hadMain && main)
                        std::printf("main mapped %.1f\n", millisecondsSince(origin));
                    if (!hadBar && barMapped)
                        std::printf("bar mapped %.1f\n", millisecondsSince(origin));
                } else if (type == XCB_CONFIGURE_NOTIFY) {
                    // The stage moves with the main window.
                    const auto* moved = reinterpret_cast<xcb_configure_notify_event_t*>(event);
                    if (main && moved->window == mainWindow)
                        main = Place{moved->x, moved->y, moved->width, moved->height};
                } else if (type == XCB_UNMAP_NOTIFY) {
                    const auto* unmapped = reinterpret_cast<xcb_unmap_notify_event_t*>(event);
                    if (menu && !clockRunning && popups.count(unmapped->window)) {
                        origin = Clock::now();
                        clockRunning = true;
                        std::printf("menu closed\n");
                    }
                }
                std::free(event);
            }
            if (xcb_connection_has_error(display.connection()))
                throw "the X connection broke";
            if (!bothReported && main && barMapped) {
                bothReported = true;
                std::printf("both mapped %.1f\n", millisecondsSince(origin));
                if (!picture && !menu)
                    return 0;
            }
            if (picture && clockRunning && main) {
                if (polls++ == 0)
                    firstPoll = Clock::now();
                const Place stage{main->x, main->y, kStageWidth, kStageHeight};
                if (display.medianBlue(stage) >= kPictureBlue) {
                    std::printf("picture %.1f (polled every %.1f ms)\n", millisecondsSince(origin),
                                polls > 1 ? millisecondsSince(firstPoll) / (polls - 1) : 0.0);
                    return 0;
                }
            }
            std::fflush(stdout);
            pollfd waiting{fd, POLLIN, 0};
            poll(&waiting, 1, static_cast<int>(kPollPeriod.count()));
        }
        std::printf("timed out\n");
        return 1;
    } catch (const char* problem) {
        std::fprintf(stderr, "window_clock: %s\n", problem);
        return 1;
    }
}
