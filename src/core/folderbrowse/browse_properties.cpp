#include "core/folderbrowse/browse_properties.h"

namespace lumadisc {

namespace {
// The page's controls in page order, with the property each one edits.
struct BoxBinding {
    CheckBox BrowseProperties::*box;
    void (BrowseProperties::*click)();
    const char* property;
};
constexpr BoxBinding kBoxes[] = {
    {&BrowseProperties::chkIncludeFiles, &BrowseProperties::chkIncludeFiles_Click, "IncludeFiles"},
    {&BrowseProperties::chkBrowseForPrinter, &BrowseProperties::chkBrowseForPrinter_Click,
     "BrowseForPrinter"},
    {&BrowseProperties::chkBrowseForComputer, &BrowseProperties::chkBrowseForComputer_Click,
     "BrowseForComputer"},
    {&BrowseProperties::chkUseNewUI, &BrowseProperties::chkUseNewUI_Click, "UseNewUI"},
    {&BrowseProperties::chkValidateSelection, &BrowseProperties::chkValidateSelection_Click,
     "ValidateSelection"},
    {&BrowseProperties::chkAllowEditBox, &BrowseProperties::chkAllowEditBox_Click, "AllowEditBox"},
    {&BrowseProperties::chkDontGoBelowDomain, &BrowseProperties::chkDontGoBelowDomain_Click,
     "DontGoBelowDomain"},
    {&BrowseProperties::chkOnlyFileSystemDirectories,
     &BrowseProperties::chkOnlyFileSystemDirectories_Click, "OnlyFileSystemDirectories"},
};
} // namespace

BrowseProperties::BrowseProperties(PropertyPageSite& site) : m_site(site) {}

// A value put into a box or text raises its handler when it differs, as a click would.
void BrowseProperties::SelectionChanged() {
    FolderBrowse& control = *m_site.SelectedControls().at(0);
    auto load = [this](CheckBox& box, void (BrowseProperties::*click)(), std::int16_t value) {
        const int ticked = value & 1;
        if (box.value != ticked) {
            box.value = ticked;
            (this->*click)();
        }
    };
    auto loadText = [this](TextBox& box, void (BrowseProperties::*change)(),
                           const std::string& text) {
        if (box.text != text) {
            box.text = text;
            (this->*change)();
        }
    };
    for (const BoxBinding& binding : kBoxes)
        load(this->*binding.box, binding.click, control.boolean(binding.property));
    loadText(txtCaption, &BrowseProperties::txtCaption_Change, control.text("Caption"));
    loadText(txtStartDirectory, &BrowseProperties::txtStartDirectory_Change,
             control.text("StartDirectory"));
    load(chkEnabled, &BrowseProperties::chkEnabled_Click, control.boolean("Enabled"));
}

void BrowseProperties::ApplyChanges() {
    FolderBrowse& control = *m_site.SelectedControls().at(0);
    auto boolean = [](const CheckBox& box) { return box.value == 1 ? kTrue : kFalse; };
    for (const BoxBinding& binding : kBoxes)
        control.let(binding.property, boolean(this->*binding.box));
    control.let("Caption", txtCaption.text);
    control.let("StartDirectory", txtStartDirectory.text);
    control.let("Enabled", boolean(chkEnabled));
}

} // namespace lumadisc
