#pragma once

#include "core/controls.h"
#include "core/folderbrowse/folder_browse.h"

#include <string>
#include <vector>

namespace lumadisc {

// What a form designer tells its settings page: the controls selected now.
class PropertyPageSite {
public:
    virtual ~PropertyPageSite() = default;
    virtual std::vector<FolderBrowse*> SelectedControls() = 0;
};

// The design-time settings page of FolderBrowse: its eleven writable options on one page,
// working on the first selected control.
class BrowseProperties {
public:
    explicit BrowseProperties(PropertyPageSite& site);

    std::string caption = "BrowseProperties";
    CheckBox chkIncludeFiles{"Include All Files"};
    CheckBox chkBrowseForPrinter{"Browse For Printer"};
    CheckBox chkBrowseForComputer{"Browse For Computer"};
    CheckBox chkUseNewUI{"Use New UI"};
    CheckBox chkValidateSelection{"Validate Selection"};
    CheckBox chkAllowEditBox{"Allow Edit Box"};
    CheckBox chkDontGoBelowDomain{"Dont Go Below Domain"};
    CheckBox chkOnlyFileSystemDirectories{"Only File System Directories"};
    Label lblCaption{"Caption:", true, {}};
    TextBox txtCaption;
    Label lblStartDirectory{"StartDirectory:", true, {}};
    TextBox txtStartDirectory;
    CheckBox chkEnabled{"Enabled"};
    // The page holds edits that are not applied yet.
    bool Changed = false;

    void SelectionChanged();
    void ApplyChanges();

    void chkIncludeFiles_Click() { Changed = true; }
    void chkBrowseForPrinter_Click() { Changed = true; }
    void chkBrowseForComputer_Click() { Changed = true; }
    void chkUseNewUI_Click() { Changed = true; }
    void chkValidateSelection_Click() { Changed = true; }
    void chkAllowEditBox_Click() { Changed = true; }
    void chkDontGoBelowDomain_Click() { Changed = true; }
    void chkOnlyFileSystemDirectories_Click() { Changed = true; }
    void chkEnabled_Click() { Changed = true; }
    void txtCaption_Change() { Changed = true; }
    void txtStartDirectory_Change() { Changed = true; }

private:
    PropertyPageSite& m_site;
};

} // namespace lumadisc
