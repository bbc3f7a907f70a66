#pragma once

#include "core/controls.h"
#include "core/form.h"

#include <cstdint>
#include <string>

namespace lumadisc {

class Program;

// The options window. It also owns every menu of the program; its top-level menus are hidden,
// so it never shows a menu bar, and the control bar shows two submenus as pop-up menus.
class OptionsDialog : public Form {
public:
    explicit OptionsDialog(Program& program);

    // Menus, in order; the items below the top level are reached through the accessors.
    MenuItem fileMenu;
    MenuItem editMenu;
    MenuItem toolsMenu;
    MenuItem helpMenu;

    MenuItem& openMenu() { return fileMenu.children[0]; }
    MenuItem& exitCommand() { return fileMenu.children[2]; }
    MenuItem& fullScreenMenu() { return editMenu.children[0]; }
    MenuItem& optionsMenuCommand() { return toolsMenu.children[0]; }
    MenuItem& howToUseMenu() { return helpMenu.children[0]; }
    MenuItem& checkUpdates() { return helpMenu.children[1]; }
    MenuItem& aboutMenu() { return helpMenu.children[3]; }
    // The drive menu: an item array, item 0 always present.
    std::vector<MenuItem>& dvdsList() { return openMenu().children; }

    // Language controls.
    Frame languageFrame;
    Label languageLabel;
    ComboBox availableLanguages;
    FileList File1;
    Button OKButton;
    Button CancelButton;

    void Form_Load();
    void FillLanguageList();

    // Menu handlers.
    void fileMenu_Click();
    void dvdsList_Click(std::int16_t index);
    void exitCommand_Click();
    void fullScreenMenu_Click();
    void howToUseMenu_Click();
    void aboutMenu_Click();
    // Runs the handler of a chosen menu item.
    void menuItemChosen(const MenuItem& item);

    // Drive enumeration: rebuilds `captions` and the drive list, trims the drive menu to item 0
    // and returns the number of optical drives.
    long ListOpticalDrives(std::vector<std::string>& captions);

private:
    Program& m_program;
};

} // namespace lumadisc
