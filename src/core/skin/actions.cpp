#include "core/skin/actions.h"

#include "core/options/options_dialog.h"
#include "core/platform/window_system.h"
#include "core/playback/disc_menus.h"
#include "core/playback/player_engine.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/skin/dvd_bar_form.h"
#include "core/skin/movie_variables.h"
#include "core/skin/skin_movie.h"

#include <algorithm>
#include <type_traits>

namespace lumadisc {

namespace {

using Index = std::int16_t;

using enum KeyUse;

// A handler of the main window or of the options window.
template <auto handler> void on(Program& p, Index) {
    if constexpr (std::is_same_v<decltype(handler), void (MainForm::*)()>)
        (p.mainForm().*handler)();
    else
        (p.optionsDialog().*handler)();
}

// Shows a menu of the options window as a pop-up of the control bar and runs the chosen item.
void popup(Program& p, const MenuItem& menu) {
    if (const MenuItem* chosen = p.svc.windows.popupMenu(WindowId::DvdBar, menu))
        p.optionsDialog().menuItemChosen(*chosen);
}

void dragBar(Program& p, Index) {
    p.mainForm().DragWindow(WindowId::DvdBar);
}

void showDriveMenu(Program& p, Index) {
    p.optionsDialog().fileMenu_Click();
    popup(p, p.optionsDialog().openMenu());
}

void showHelpMenu(Program& p, Index) {
    popup(p, p.optionsDialog().helpMenu);
}

// Ends the process on the spot; the place of the title playing is remembered first.
void endAtOnce(Program& p, Index) {
    p.mainForm().rememberPlace();
    p.svc.windows.endProcessNow();
}

// The bar's exit runs the shutdown steps of its unload handler.
void closeBar(Program& p, Index) {
    p.unload(WindowId::DvdBar);
}

void raise(Program& p, Index) {
    p.mainForm().visible = true;
}

void driveChosen(Program& p, Index index) {
    p.optionsDialog().dvdsList_Click(index);
}

// One step of the volume slider through its handler; nothing at the end it moves towards.
void volumeStep(Program& p, int step) {
    MainForm& main = p.mainForm();
    if (step > 0 ? main.volumeSlider.value >= 100 : main.volumeSlider.value < 1)
        return;
    main.volumeSlider.value += step;
    main.volumeSlider_MouseMove(1, 0, 0, 0);
    p.dvdBarForm().writeVolumeTexts();
}

void volumeUp(Program& p, Index) {
    volumeStep(p, 1);
}

void volumeDown(Program& p, Index) {
    volumeStep(p, -1);
}

// The engine's DVD menu navigation through its hot keys: bind the key, then press it. The
// binding is repeated every time.
void menuKey(Program& p, std::string_view variable, char letter) {
    const auto code = static_cast<std::int16_t>(letter);
    p.svc.engine.setEngineVariable(std::string(variable), code);
    p.svc.engine.setEngineVariable("key-pressed", code);
}

void navigateUp(Program& p, Index) {
    menuKey(p, "key-nav-up", 'u');
}

void navigateDown(Program& p, Index) {
    menuKey(p, "key-nav-down", 'd');
}

void navigateRight(Program& p, Index) {
    menuKey(p, "key-nav-right", 'r');
}

void navigateLeft(Program& p, Index) {
    menuKey(p, "key-nav-left", 'l');
}

void activate(Program& p, Index) {
    menuKey(p, "key-nav-activate", 'a');
}

void minimise(Program& p, Index) {
    p.dvdBarForm().windowState = WindowState::Minimized;
    p.mainForm().visible = false;
}

// The tray is assumed to move on every command, whatever its real state.
void toggleDoor(Program& p, Index) {
    p.svc.barMovie.setVariable(movievar::barDvdName, "<No DVD drive is selected>");
    p.svc.engine.stop();
    DvdBarForm& bar = p.dvdBarForm();
    bar.doorOpen = !bar.doorOpen;
    bar.SetDoor(p.state.selectedDrive, bar.doorOpen);
}

void playOrPause(Program& p, Index) {
    if (p.svc.engine.isPlaying())
        p.mainForm().pauseButton_Click();
    else
        p.mainForm().playButton_Click();
}

// The bar's settings button loads the options window's settings afresh before showing it.
void openOptions(Program& p, Index) {
    p.optionsDialog().Form_Load();
    p.mainForm().optionsMenuCommand_Click();
}

template <DiscChoice choice> void choose(Program& p, Index) {
    chooseOnDisc(p, choice);
}

template <PlayerEngine::DiscMenu menu> void discMenu(Program& p, Index) {
    p.svc.engine.showDiscMenu(menu);
}

// clang-format off
constexpr Action kActions[] = {
    // command       keys            key use         menu item         remote       procedure
    {"ID_FS_drag",   "",             Once,           "",               "",          dragBar},
    {"power",        "",             Once,           "",               "",          endAtOnce},
    {"drivers",      "",             Once,           "",               "",          showDriveMenu},
    {"vol+",         "+ =",          Repeats,        "",               "",          volumeUp},
    {"vol-",         "-",            Repeats,        "",               "",          volumeDown},
    {"play",         "",             Once,           "",               "Play",      on<&MainForm::playButton_Click>},
    {"rewind",       "",             Once,           "",               "",          on<&MainForm::rewindButton_Click>},
    {"ID_FS_mini",   "",             Once,           "",               "",          minimise},
    {"ff",           "",             Once,           "",               "",          on<&MainForm::ffButton_Click>},
    {"stop",         "S",            Once,           "",               "Stop",      on<&MainForm::stopButton_Click>},
    {"pause",        "",             Once,           "",               "Pause",     on<&MainForm::pauseButton_Click>},
    {"mute",         "M",            Once,           "",               "",          on<&MainForm::muteStatus_Click>},
    {"ID_FS _about", "",             Once,           "",               "",          showHelpMenu},
    {"option",       "",             Once,           "",               "",          openOptions},
    {"snapshot",     "",             Once,           "",               "",          on<&MainForm::Snapshot>},
    {"open",         "",             Once,           "",               "",          toggleDoor},
    {"fullscreen",   "F",            Once,           "fullScreenMenu", "",          on<&MainForm::FullScreen>},
    {"navup",        "Up",           Once,           "",               "",          navigateUp},
    {"navdown",      "Down",         Once,           "",               "",          navigateDown},
    {"navright",     "Right",        Once,           "",               "",          navigateRight},
    {"navleft",      "Left",         Once,           "",               "",          navigateLeft},
    {"enter",        "Return Enter", Once,           "",               "",          activate},
    {"ID_FS_exit",   "",             Once,           "",               "Quit",      closeBar},
    {"nextchapter",  "PgDown",       Once,           "",               "Next",      on<&MainForm::nextChapter>},
    {"prevchapter",  "PgUp",         Once,           "",               "Previous",  on<&MainForm::previousChapter>},
    {"titles",       "",             Once,           "",               "",          choose<DiscChoice::Title>},
    {"audio",        "",             Once,           "",               "",          choose<DiscChoice::Audio>},
    {"subtitles",    "",             Once,           "",               "",          choose<DiscChoice::Subtitles>},
    {"angles",       "",             Once,           "",               "",          choose<DiscChoice::Angle>},
    {"titlemenu",    "T",            Once,           "",               "",          discMenu<PlayerEngine::DiscMenu::Title>},
    {"rootmenu",     "R",            Once,           "",               "",          discMenu<PlayerEngine::DiscMenu::Root>},
    {"",             "Space",        Once,           "",               "PlayPause", playOrPause},
    {"",             "Esc",          FullScreenOnly, "",               "",          on<&MainForm::FullScreen>},
    {"",             "Y",            Once,           "",               "",          on<&MainForm::resumeNotice_Click>},
    {"",             "",             Once,           "",               "Raise",     raise},
    {"",             "",             Once,           "dvdsList",       "",          driveChosen},
    {"",             "",             Once,           "exitCommand",    "",          on<&OptionsDialog::exitCommand_Click>},
    {"",             "",             Once,           "howToUseMenu",   "",          on<&OptionsDialog::howToUseMenu_Click>},
    {"",             "",             Once,           "aboutMenu",      "",          on<&OptionsDialog::aboutMenu_Click>},
    {"",             "",             Once,           "optionsMenuCommand", "",      on<&MainForm::optionsMenuCommand_Click>},
};
// clang-format on

template <typename Matches> const Action* firstAction(Matches matches) {
    const auto found = std::find_if(std::begin(kActions), std::end(kActions), matches);
    return found == std::end(kActions) ? nullptr : found;
}

constexpr bool listsKey(std::string_view keys, std::string_view key) {
    while (!keys.empty()) {
        const std::size_t blank = keys.find(' ');
        if (keys.substr(0, blank) == key)
            return true;
        keys = blank == std::string_view::npos ? std::string_view() : keys.substr(blank + 1);
    }
    return false;
}

constexpr bool sharesKey(std::string_view keys, std::string_view others) {
    while (!keys.empty()) {
        const std::size_t blank = keys.find(' ');
        if (listsKey(others, keys.substr(0, blank)))
            return true;
        keys = blank == std::string_view::npos ? std::string_view() : keys.substr(blank + 1);
    }
    return false;
}

constexpr bool sameName(std::string_view a, std::string_view b) {
    return !a.empty() && a == b;
}

// Every command, key, menu item and remote method leads to one action.
constexpr bool eachWayHasOneAction() {
    for (std::size_t i = 0; i < std::size(kActions); ++i) {
        for (std::size_t j = i + 1; j < std::size(kActions); ++j) {
            const Action& a = kActions[i];
            const Action& b = kActions[j];
            if (sameName(a.command, b.command) || sameName(a.menuItem, b.menuItem) ||
                sameName(a.remote, b.remote) || sharesKey(a.keys, b.keys))
                return false;
        }
    }
    return true;
}
static_assert(eachWayHasOneAction(), "an action would hide behind an earlier one with the same "
                                     "command, key, menu item or remote method");

} // namespace

void Action::perform(Program& program, std::int16_t index) const {
    run(program, index);
}

const Action* actionForCommand(std::string_view command) {
    if (command.empty())
        return nullptr;
    return firstAction([&](const Action& a) { return a.command == command; });
}

const Action* actionForKey(std::string_view key, bool fullScreen, bool autoRepeat) {
    if (key.empty())
        return nullptr;
    const Action* action = firstAction([&](const Action& a) { return listsKey(a.keys, key); });
    if (!action || (autoRepeat && action->keyUse != KeyUse::Repeats) ||
        (!fullScreen && action->keyUse == KeyUse::FullScreenOnly))
        return nullptr;
    return action;
}

const Action* actionForMenuItem(std::string_view name) {
    if (name.empty())
        return nullptr;
    return firstAction([&](const Action& a) { return a.menuItem == name; });
}

const Action* actionForRemote(std::string_view method) {
    if (method.empty())
        return nullptr;
    return firstAction([&](const Action& a) { return a.remote == method; });
}

} // namespace lumadisc
