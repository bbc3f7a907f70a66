#include "core/options/options_dialog.h"

#include "core/failure.h"
#include "core/file_system.h"
#include "core/lang/language_list.h"
#include "core/options/about_form.h"
#include "core/platform/dialogs.h"
#include "core/platform/environment.h"
#include "core/platform/launcher.h"
#include "core/platform/window_system.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/skin/actions.h"

#include <optional>

namespace lumadisc {

namespace {

enum Shown : bool { Hidden = false, Visible = true };
enum Usable : bool { Disabled = false, Enabled = true };

// One menu item: its parent ("" for a top-level menu), the caption the window is built with, its
// state and shortcut. Each item follows its parent; siblings are listed in menu order.
struct MenuRow {
    std::string_view name;
    std::string_view parent;
    std::string_view caption;
    Shown shown;
    Usable usable;
    std::string_view shortcut;
};

// clang-format off
constexpr MenuRow kMenuTree[] = {
    // name                parent       design caption                shown    usable    shortcut
    {"fileMenu",           "",          "&File",                      Hidden,  Enabled,  ""},
    {"openMenu",           "fileMenu",  "&Open DVD",                  Visible, Enabled,  ""},
    {"dvdsList",           "openMenu",  "<No DVD drives were found>", Visible, Enabled,  ""},
    {"separator1",         "fileMenu",  "-",                          Hidden,  Enabled,  ""},
    {"exitCommand",        "fileMenu",  "E&xit",                      Visible, Enabled,  ""},
    // Enabled together with the transport buttons.
    {"editMenu",           "",          "&Edit",                      Hidden,  Disabled, ""},
    {"fullScreenMenu",     "editMenu",  "Full Screen",                Visible, Enabled,  "Ctrl+F"},
    {"toolsMenu",          "",          "&Tools",                     Hidden,  Enabled,  ""},
    {"optionsMenuCommand", "toolsMenu", "&Options",                   Visible, Enabled,  ""},
    {"helpMenu",           "",          "&Help",                      Hidden,  Enabled,  ""},
    {"howToUseMenu",       "helpMenu",  "&How to use?",               Visible, Enabled,  ""},
    {"checkUpdates",       "helpMenu",  "&Check For Updates",         Hidden,  Enabled,  ""},
    {"separator3",         "helpMenu",  "-",                          Visible, Enabled,  ""},
    {"aboutMenu",          "helpMenu",  "&About",                     Visible, Enabled,  ""},
};
// clang-format on

MenuItem* findItem(MenuItem& menu, std::string_view name) {
    for (MenuItem& child : menu.children) {
        if (child.name == name)
            return &child;
        if (MenuItem* found = findItem(child, name))
            return found;
    }
    return nullptr;
}

// Where `item` lies below `menu`: its index among the items of its array (the siblings that
// share its name), 0 for a single item; nothing when `item` is not there.
std::optional<std::int16_t> arrayIndex(const MenuItem& menu, const MenuItem& item) {
    std::int16_t index = 0;
    for (const MenuItem& child : menu.children) {
        if (&child == &item)
            return index;
        if (child.name == item.name)
            ++index;
        if (const auto found = arrayIndex(child, item))
            return found;
    }
    return std::nullopt;
}
} // namespace

OptionsDialog::OptionsDialog(Program& program)
    : FolderBrowse1(program.svc.dialogs), m_program(program) {
    caption = "Options";
    for (const auto& [menu, name] : {std::pair{&fileMenu, "fileMenu"},
                                     {&editMenu, "editMenu"},
                                     {&toolsMenu, "toolsMenu"},
                                     {&helpMenu, "helpMenu"}})
        menu->name = name;
    for (const MenuRow& row : kMenuTree) {
        MenuItem& item =
            row.parent.empty() ? menuItem(row.name) : menuItem(row.parent).children.emplace_back();
        item.name = row.name;
        item.caption = row.caption;
        item.visible = row.shown;
        item.enabled = row.usable;
        item.shortcut = row.shortcut;
    }
    languageFrame.caption = "Language";
    languageLabel.caption = "Select Language:";
    File1.pattern = "*.ini";
    OKButton.caption = "&OK";
    CancelButton.caption = "&Cancel";
}

void OptionsDialog::FillLanguageList() {
    Environment& env = m_program.svc.environment;
    std::string& languageFile = m_program.state.settings.languageFile;
    File1.path = env.joinPath(env.dataFolder(), "Lang");
    File1.names = listLanguagePacks(File1.path, env.userLanguageFolder());
    availableLanguages.items.clear();
    int selected = 0;
    for (std::size_t i = 0; i < File1.names.size(); ++i) {
        const std::string& name = File1.names[i];
        if (name == languageFile)
            selected = static_cast<int>(i) + 1;
        availableLanguages.items.push_back(name.size() >= 4 ? name.substr(0, name.size() - 4)
                                                            : std::string());
    }
    if (selected == 0) {
        languageFile = "English.ini";
        selected = File1.names.empty() ? 0 : 1;
        for (std::size_t i = 0; i < File1.names.size(); ++i) {
            if (File1.names[i] == "English.ini") {
                selected = static_cast<int>(i) + 1;
                break;
            }
        }
    }
    availableLanguages.listIndex = selected - 1;
}

MenuItem& OptionsDialog::menuItem(std::string_view name) {
    for (MenuItem* top : {&fileMenu, &editMenu, &toolsMenu, &helpMenu}) {
        if (top->name == name)
            return *top;
        if (MenuItem* found = findItem(*top, name))
            return *found;
    }
    throw Failure("The menus have no item " + std::string(name));
}

void OptionsDialog::menuItemChosen(const MenuItem& chosen) {
    const Action* action = actionForMenuItem(chosen.name);
    if (!action)
        return;
    for (const MenuItem* top : {&fileMenu, &editMenu, &toolsMenu, &helpMenu}) {
        if (const auto index = arrayIndex(*top, chosen)) {
            action->perform(m_program, *index);
            return;
        }
    }
}

void OptionsDialog::exitCommand_Click() {
    m_program.mainForm().Form_Unload(0);
    m_program.svc.windows.endProgram();
}

void OptionsDialog::howToUseMenu_Click() {
    Program& p = m_program;
    Environment& env = p.svc.environment;
    const std::string& languageFile = p.state.settings.languageFile;
    bool opened = false;
    if (languageFile.size() >= 4) {
        const std::string page = env.joinPath(
            env.dataFolder(), languageFile.substr(0, languageFile.size() - 4) + ".html");
        // The desktop's opener reports success as soon as it starts, so look first.
        opened = isRegularFile(page) && p.svc.launcher.open(page);
    }
    if (!opened)
        p.svc.dialogs.messageBox(p.text("019", "Can't find the help file."), MessageButtons::Ok,
                                 MessageIcon::Critical, p.text("010", "Error"));
}

void OptionsDialog::aboutMenu_Click() {
    AboutForm& about = m_program.aboutForm();
    about.icon = "lumadisc";
    // Showing a window modally shows it: the views follow the form.
    about.visible = true;
    m_program.svc.windows.showModal(WindowId::About);
}

} // namespace lumadisc
