#include "engine/vlc_engine.h"

#include "core/drives/disc_root.h"
#include "core/failure.h"
#include "engine/dvdcss_check.h"
#include "engine/snapshot_folder.h"

#include <QMetaObject>
#include <QTemporaryDir>

#include <vlc/vlc.h>

#include <algorithm>
#include <utility>

namespace lumadisc {

namespace {

// The step of jump(): short enough to look around a scene, long enough to skip one.
constexpr libvlc_time_t jumpStepMs = 10'000;

// The seek points of title 0 (the disc's menus) that call its root, title and angle menus.
constexpr int rootMenuPoint = 1, titleMenuPoint = 2, angleMenuPoint = 6;

long wholeSeconds(libvlc_time_t milliseconds) {
    return milliseconds < 0 ? -1 : static_cast<long>(milliseconds / 1000);
}

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const auto& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

// libvlc reads "#" as the start of a title and chapter and decodes "%XX" in the path: a path
// written as it is ("…/Film #1/disc.iso") names another file or none.
std::string engineAddress(const std::string& target) {
    constexpr std::string_view disc = "dvd://";
    if (!target.starts_with(disc))
        return target;
    return std::string(disc) + percentEncodedPath(std::string_view(target).substr(disc.size()));
}

// The DVD demuxer names each stream by its MPEG stream id, with a private stream's sub-stream in
// the low byte; the low bits of the sub-stream are the disc's stream number.
int discStreamOf(int trackId) {
    struct Range {
        int first;
        int count;
    };
    constexpr Range ranges[] = {
        {0xbd20, 32}, // subpictures
        {0xbd80, 8},  // AC-3
        {0xbd88, 8},  // DTS
        {0xbda0, 8},  // LPCM
        {0xc0, 8},    // MPEG audio
    };
    for (const Range& range : ranges)
        if (trackId >= range.first && trackId < range.first + range.count)
            return trackId - range.first;
    return -1;
}

// The engine's track that carries the disc's stream `stream`, -1 when none does.
int trackOf(libvlc_track_description_t* tracks, int stream) {
    int found = -1;
    for (const auto* track = tracks; track; track = track->p_next)
        if (track->i_id >= 0 && discStreamOf(track->i_id) == stream)
            found = track->i_id;
    libvlc_track_description_list_release(tracks);
    return found;
}

std::string libvlcError() {
    const char* message = libvlc_errmsg();
    return message ? message : "no reason given";
}

} // namespace

void VlcEngine::InstanceDeleter::operator()(libvlc_instance_t* instance) const {
    libvlc_release(instance);
}

void VlcEngine::PlayerDeleter::operator()(libvlc_media_player_t* player) const {
    libvlc_media_player_release(player);
}

VlcEngine::VlcEngine(std::uint32_t videoWindow, std::vector<std::string> extraArguments)
    : m_videoWindow(videoWindow), m_extraArguments(std::move(extraArguments)),
      m_decryptsDiscs(dvdcssAvailable()) {
    startInstance(argumentsFor(m_options));
}

VlcEngine::~VlcEngine() {
    // Stops playback and joins libvlc's threads while the event target still exists.
    m_player.reset();
}

void VlcEngine::setFullScreenHandler(std::function<void()> handler) {
    m_fullScreenHandler = std::move(handler);
}

std::vector<std::string> VlcEngine::argumentsFor(const EngineOptions& options) const {
    std::vector<std::string> arguments{"--no-osd", "--no-snapshot-preview",
                                       "--no-video-title-show"};
    if (m_videoWindow == 0)
        arguments.push_back("--vout=dummy");
    arguments.insert(arguments.end(), m_extraArguments.begin(), m_extraArguments.end());
    const auto fromOptions = options.instanceArguments();
    arguments.insert(arguments.end(), fromOptions.begin(), fromOptions.end());
    return arguments;
}

void VlcEngine::startInstance(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv;
    for (const auto& argument : arguments)
        argv.push_back(argument.c_str());
    std::unique_ptr<libvlc_instance_t, InstanceDeleter> instance(
        libvlc_new(static_cast<int>(argv.size()), argv.data()));
    if (!instance)
        throw Failure("libvlc could not start with \"" + joined(arguments) +
                      "\": " + libvlcError());
    std::unique_ptr<libvlc_media_player_t, PlayerDeleter> player(
        libvlc_media_player_new(instance.get()));
    if (!player)
        throw Failure("libvlc could not make a media player: " + libvlcError());

    if (m_videoWindow != 0)
        libvlc_media_player_set_xwindow(player.get(), m_videoWindow);
    // The program handles keys and clicks on the video itself (hot keys, double-click for full
    // screen); libvlc reads both settings only when its video window is made.
    libvlc_video_set_key_input(player.get(), false);
    libvlc_video_set_mouse_input(player.get(), false);
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(player.get());
    for (const libvlc_event_type_t type :
         {libvlc_MediaPlayerPlaying, libvlc_MediaPlayerEndReached,
          libvlc_MediaPlayerEncounteredError, libvlc_MediaPlayerESAdded})
        libvlc_event_attach(events, type, &VlcEngine::onLibvlcEvent, this);

    // The new instance exists before the old one goes, so libvlc keeps its plugins loaded.
    m_player = std::move(player);
    m_instance = std::move(instance);
    m_arguments = arguments;
    m_hasItem = false;
    applyAudio();
}

void VlcEngine::onLibvlcEvent(const libvlc_event_t* event, void* engine) {
    auto* self = static_cast<VlcEngine*>(engine);
    const int type = event->type;
    QMetaObject::invokeMethod(
        &self->m_uiThread, [self, type] { self->onEvent(type); }, Qt::QueuedConnection);
}

void VlcEngine::onEvent(int type) {
    if (type == libvlc_MediaPlayerPlaying) {
        // Audio outputs may come up with their own level for a new stream.
        applyAudio();
    } else if (type == libvlc_MediaPlayerESAdded) {
        chooseWantedStreams();
    } else if (finished()) {
        // The event may be older than the item now loaded: only an item that is still over is
        // stopped.
        if (type == libvlc_MediaPlayerEncounteredError)
            m_failed = true;
        libvlc_media_player_stop(m_player.get());
    }
}

void VlcEngine::applyAudio() {
    // The dummy audio output has neither volume nor mute; the adapter's values stay the truth.
    libvlc_audio_set_volume(m_player.get(), static_cast<int>(m_volume));
    libvlc_audio_set_mute(m_player.get(), m_muted ? 1 : 0);
}

bool VlcEngine::finished() {
    const libvlc_state_t state = libvlc_media_player_get_state(m_player.get());
    return state == libvlc_Ended || state == libvlc_Error;
}

bool VlcEngine::isPlaying() {
    return libvlc_media_player_is_playing(m_player.get()) != 0;
}

float VlcEngine::position() {
    return finished() ? -1.0f : libvlc_media_player_get_position(m_player.get());
}

void VlcEngine::setPosition(float position) {
    if (!finished())
        libvlc_media_player_set_position(m_player.get(), position);
}

long VlcEngine::elapsedSeconds() {
    return finished() ? -1 : wholeSeconds(libvlc_media_player_get_time(m_player.get()));
}

long VlcEngine::lengthSeconds() {
    return finished() ? -1 : wholeSeconds(libvlc_media_player_get_length(m_player.get()));
}

long VlcEngine::volume() {
    return m_volume;
}

void VlcEngine::setVolume(long volume) {
    m_volume = std::clamp(volume, 0L, 100L);
    applyAudio();
}

void VlcEngine::switchMute() {
    m_muted = !m_muted;
    applyAudio();
}

void VlcEngine::play() {
    if (!m_hasItem)
        return;
    // play() does nothing on an item that is over until it has been stopped.
    if (finished())
        libvlc_media_player_stop(m_player.get());
    m_failed = false;
    if (libvlc_media_player_play(m_player.get()) != 0)
        throw Failure("libvlc could not play the item: " + libvlcError());
    applyAudio();
}

void VlcEngine::pause() {
    libvlc_media_player_set_pause(m_player.get(), 1);
}

void VlcEngine::stop() {
    forgetWantedStreams();
    libvlc_media_player_stop(m_player.get());
}

void VlcEngine::jump(long direction) {
    if (finished())
        return;
    const libvlc_time_t now = libvlc_media_player_get_time(m_player.get());
    if (now < 0)
        return;
    libvlc_media_player_set_time(m_player.get(),
                                 std::max<libvlc_time_t>(0, now + direction * jumpStepMs));
}

void VlcEngine::setEngineVariable(const std::string& name, int value) {
    if (name != "key-pressed") {
        m_keys.bind(name, value);
        return;
    }
    if (const auto action = m_keys.actionFor(value))
        runAction(*action);
}

void VlcEngine::runAction(KeyBindings::Action action) {
    using Action = KeyBindings::Action;
    switch (action) {
    case Action::FullScreen:
        if (m_fullScreenHandler)
            m_fullScreenHandler();
        break;
    case Action::Snapshot:
        takeSnapshot();
        break;
    case Action::NavUp:
        libvlc_media_player_navigate(m_player.get(), libvlc_navigate_up);
        break;
    case Action::NavDown:
        libvlc_media_player_navigate(m_player.get(), libvlc_navigate_down);
        break;
    case Action::NavLeft:
        libvlc_media_player_navigate(m_player.get(), libvlc_navigate_left);
        break;
    case Action::NavRight:
        libvlc_media_player_navigate(m_player.get(), libvlc_navigate_right);
        break;
    case Action::NavActivate:
        libvlc_media_player_navigate(m_player.get(), libvlc_navigate_activate);
        break;
    }
}

void VlcEngine::takeSnapshot() {
    if (m_options.snapshotFolder.empty())
        return;
    // libvlc writes PNG whatever the name says, and may write nothing at all in a still menu;
    // the picture is converted into the snapshot folder only when it arrived.
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return;
    const std::string file = scratch.filePath("snapshot.png").toStdString();
    if (libvlc_video_take_snapshot(m_player.get(), 0, file.c_str(), 0, 0) != 0)
        return;
    SnapshotFolder(m_options.snapshotFolder, m_options.snapshotPrefix, m_options.snapshotFormat)
        .store(file);
}

void VlcEngine::forgetWantedStreams() {
    m_wantedTitle.reset();
    m_wantedAudio.reset();
    m_wantedSubtitle.reset();
}

void VlcEngine::clearItems() {
    forgetWantedStreams();
    libvlc_media_player_set_media(m_player.get(), nullptr);
    m_hasItem = false;
    m_failed = false;
}

long VlcEngine::itemCount() {
    return m_hasItem ? 1 : 0;
}

void VlcEngine::addItem(const std::string& target, const std::vector<std::string>& options,
                        long /*mode*/, long /*position*/) {
    // The playlist holds one item, so a new item replaces the old one wherever it is put.
    EngineOptions parsed = EngineOptions::parse(options);
    const auto arguments = argumentsFor(parsed);
    if (arguments != m_arguments)
        startInstance(arguments);
    libvlc_media_t* media =
        libvlc_media_new_location(m_instance.get(), engineAddress(target).c_str());
    if (!media)
        throw Failure("libvlc cannot read the address " + target + ": " + libvlcError());
    for (const auto& option : parsed.mediaOptions())
        libvlc_media_add_option(media, option.c_str());
    libvlc_media_player_set_media(m_player.get(), media);
    libvlc_media_release(media);
    forgetWantedStreams();
    m_options = std::move(parsed);
    m_hasItem = true;
    m_failed = false;
}

bool VlcEngine::itemFailed() {
    return m_failed;
}

bool VlcEngine::decryptsDiscs() {
    return m_decryptsDiscs;
}

bool VlcEngine::inTitle() {
    return !finished() && libvlc_media_player_get_title(m_player.get()) > 0;
}

int VlcEngine::title() {
    return m_hasItem && !finished() ? libvlc_media_player_get_title(m_player.get()) : -1;
}

void VlcEngine::setTitle(int title) {
    forgetWantedStreams();
    if (title > 0 && title < libvlc_media_player_get_title_count(m_player.get())) {
        libvlc_media_player_set_title(m_player.get(), title);
        m_wantedTitle = title;
    }
}

int VlcEngine::chapter() {
    return inTitle() ? libvlc_media_player_get_chapter(m_player.get()) + 1 : 0;
}

int VlcEngine::chapterCount() {
    return inTitle() ? std::max(0, libvlc_media_player_get_chapter_count(m_player.get())) : 0;
}

void VlcEngine::setChapter(int chapter) {
    if (inTitle() && chapter >= 1 && chapter <= chapterCount())
        libvlc_media_player_set_chapter(m_player.get(), chapter - 1);
}

// The chapter of the title playing that starts at `ms`, or -1.
int VlcEngine::chapterStartingAt(std::int64_t ms) {
    libvlc_chapter_description_t** chapters = nullptr;
    const int count = libvlc_media_player_get_full_chapter_descriptions(
        m_player.get(), libvlc_media_player_get_title(m_player.get()), &chapters);
    int found = -1;
    for (int i = 0; i < count && found < 0; ++i)
        if (chapters[i]->i_time_offset == ms)
            found = i;
    if (count > 0)
        libvlc_chapter_descriptions_release(chapters, static_cast<unsigned>(count));
    return found;
}

void VlcEngine::setElapsedSeconds(long seconds) {
    if (!inTitle())
        return;
    const libvlc_time_t ms = std::max<libvlc_time_t>(0, seconds * libvlc_time_t{1000});
    // A time seek onto the very start of a chapter leaves the engine's clock counting from the
    // title's start for seconds; going to the chapter lands on the same picture with the right
    // time.
    if (const int chapter = chapterStartingAt(ms); chapter >= 0)
        libvlc_media_player_set_chapter(m_player.get(), chapter);
    else
        libvlc_media_player_set_time(m_player.get(), ms);
}

int VlcEngine::audioStream() {
    return inTitle() ? discStreamOf(libvlc_audio_get_track(m_player.get())) : -1;
}

void VlcEngine::setAudioStream(int stream) {
    m_wantedAudio = stream;
    chooseWantedStreams();
}

int VlcEngine::subtitleStream() {
    return inTitle() ? discStreamOf(libvlc_video_get_spu(m_player.get())) : -1;
}

void VlcEngine::setSubtitleStream(int stream) {
    m_wantedSubtitle = stream;
    chooseWantedStreams();
}

// The demuxer makes a disc's streams as their first packets arrive, so a title just chosen has
// none yet: a stream is wanted until its track is there.
void VlcEngine::chooseWantedStreams() {
    // Streams chosen right after a title belong to that title, not to the one still playing.
    if (!inTitle() ||
        (m_wantedTitle && *m_wantedTitle != libvlc_media_player_get_title(m_player.get())))
        return;
    m_wantedTitle.reset();
    if (m_wantedAudio) {
        if (const int track =
                trackOf(libvlc_audio_get_track_description(m_player.get()), *m_wantedAudio);
            track >= 0) {
            libvlc_audio_set_track(m_player.get(), track);
            m_wantedAudio.reset();
        }
    }
    if (m_wantedSubtitle) {
        const int track =
            *m_wantedSubtitle < 0
                ? -1
                : trackOf(libvlc_video_get_spu_description(m_player.get()), *m_wantedSubtitle);
        if (track >= 0 || *m_wantedSubtitle < 0) {
            libvlc_video_set_spu(m_player.get(), track);
            m_wantedSubtitle.reset();
        }
    }
}

// libvlc 3 cannot switch angles; the disc's own angle menu is the way a viewer can.
void VlcEngine::setAngle(int /*angle*/) {
    callDiscMenu(angleMenuPoint);
}

void VlcEngine::showDiscMenu(DiscMenu menu) {
    callDiscMenu(menu == DiscMenu::Title ? titleMenuPoint : rootMenuPoint);
}

// Title 0 stands for the disc's menus: choosing it calls the root menu, and then its seek
// points call the others.
void VlcEngine::callDiscMenu(int point) {
    if (title() < 0)
        return;
    libvlc_media_player_set_title(m_player.get(), 0);
    if (point != rootMenuPoint)
        libvlc_media_player_set_chapter(m_player.get(), point);
}

} // namespace lumadisc
