#pragma once

#include "core/controls.h"
#include "core/folderbrowse/folder_browse.h"
#include "core/form.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lumadisc {

class Program;

// The options window. It also owns every menu of the program; its top-level menus are hidden,
// so it never shows a menu bar, and the control bar shows two submenus as pop-up menus.
class OptionsDialog : public Form {
public:
    explicit OptionsDialog(Program& program);

    // Menus, in order. Items below the top level are found by name, wherever they sit.
    MenuItem fileMenu;
    MenuItem editMenu;
    MenuItem toolsMenu;
    MenuItem helpMenu;

    // The item called `name`; throws Failure when no menu has it.
    MenuItem& menuItem(std::string_view name);
    MenuItem& openMenu() { return menuItem("openMenu"); }
    MenuItem& exitCommand() { return menuItem("exitCommand"); }
    MenuItem& optionsMenuCommand() { return menuItem("optionsMenuCommand"); }
    MenuItem& howToUseMenu() { return menuItem("howToUseMenu"); }
    MenuItem& aboutMenu() { return menuItem("aboutMenu"); }
    // The drive menu: an item array, item 0 always present.
    std::vector<MenuItem>& dvdsList() { return openMenu().children; }

    // The settings' controls (options_window.cpp).
    Frame frameMiscellaneous{"Miscellaneous", true, {}};
    CheckBox chkAutoPlay{"Auto Play"};
    CheckBox chkScreenSaver{"Disable screen saver"};
    Frame frameVideo{"Video", true, {}};
    CheckBox chkOverlay{"Use hardware acceleration"};
    Frame snapshotsFrame{"Snapshots", true, {}};
    OptionButton optToFile{"Save to file:"};
    TextBox snapshotPath;
    Button snapshotsBrowse{"&Browse...", true, true, {}};
    OptionButton optToClipboard{"Save to Clipboard."};
    OptionButton optToDesktop{"Save as wallpaper:"};
    ComboBox cmbWallpaperType{{"Center", "Tile", "Stretch"}, 0};
    FolderBrowse FolderBrowse1;

    // Language controls.
    Frame languageFrame;
    Label languageLabel;
    ComboBox availableLanguages;
    FileList File1;
    Button OKButton;
    Button CancelButton;

    void Form_Load();
    void FillLanguageList();
    void optToFile_Click();
    void optToClipboard_Click();
    void optToDesktop_Click();
    void snapshotsBrowse_Click();
    void OKButton_Click();
    void CancelButton_Click();

    // Menu handlers.
    void fileMenu_Click();
    void dvdsList_Click(std::int16_t index);
    void exitCommand_Click();
    void howToUseMenu_Click();
    void aboutMenu_Click();
    // Registers the program as the desktop's handler for inserted video discs (non-zero) or
    // removes that registration (0).
    void RegisterAutoPlay(std::int16_t autoPlay);
    // Runs the action of a chosen menu item (`core/skin/actions.h`); an item of an item array
    // passes its index there.
    void menuItemChosen(const MenuItem& item);

    // Drive enumeration: rebuilds `captions` and the drive list, trims the drive menu to item 0
    // and returns the number of optical drives.
    long ListOpticalDrives(std::vector<std::string>& captions);

private:
    Program& m_program;
};

} // namespace lumadisc
