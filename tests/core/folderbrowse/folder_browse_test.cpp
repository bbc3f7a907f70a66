#include "core/failure.h"
#include "core/folderbrowse/browse_properties.h"
#include "core/folderbrowse/folder_browse.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumadisc::test {
namespace {

using ::testing::IsEmpty;
using Entries = std::vector<std::pair<std::string, std::string>>;

struct ScriptedDialog : FolderDialog {
    std::vector<BrowseInfo> shown;
    std::string BrowseForFolderPath(const BrowseInfo& info) override {
        shown.push_back(info);
        return {};
    }
};

struct RecordingHost : FolderBrowseHost {
    bool running = true;
    std::vector<std::string> changed;
    bool userMode() const override { return running; }
    void propertyChanged(const std::string& name) override { changed.push_back(name); }
};

class FolderBrowseTest : public ::testing::Test {
protected:
    ScriptedDialog dialog;
    RecordingHost host;
    FolderBrowse control{dialog, &host};
};

// What the dialog answers, and a cancel, are the folder picker widget's tests.
TEST_F(FolderBrowseTest, BrowseHandsTheOptionsToTheDialog) {
    control.Browse();
    for (const char* name :
         {"OnlyFileSystemDirectories", "DontGoBelowDomain", "AllowEditBox", "ValidateSelection",
          "UseNewUI", "BrowseForComputer", "BrowseForPrinter", "IncludeFiles"})
        control.let(name, kTrue);
    control.let("StartDirectory", std::string("/media"));
    control.Browse();
    ASSERT_EQ(dialog.shown.size(), 2u);
    EXPECT_EQ(dialog.shown[0].root + "|" + dialog.shown[0].title, "|Folder Browser");
    EXPECT_EQ(dialog.shown[0].flags, 0x0022u) << "flags of the defaults";
    EXPECT_EQ(dialog.shown[1].root, "/media");
    EXPECT_EQ(dialog.shown[1].flags, 0x7073u) << "flags of all eight options";
}

TEST_F(FolderBrowseTest, ReadOnlyPropertiesRefuseWritesByHostMode) {
    // Whether the host runs, a read-only property, a value for it and the error.
    const std::tuple<bool, const char*, FolderBrowse::Value, int> cases[] = {
        {true, "FullName", std::string("x"), 382}, {false, "FileHidden", kTrue, 387}};
    for (const auto& [running, name, value, error] : cases) {
        host.running = running;
        try {
            control.let(name, value);
            ADD_FAILURE() << "writing " << name << " was accepted";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.number(), error) << name << (running ? " at run time" : "");
        }
        EXPECT_NE(control.get(name), value) << name << " changed by a refused write";
    }
    EXPECT_THAT(host.changed, IsEmpty()) << "the host was told of a refused write";
}

TEST_F(FolderBrowseTest, PropertyBagHoldsOnlyWhatDiffersFromTheDefaults) {
    PropertyBag bag;
    control.let("AllowEditBox", kTrue);
    control.let("Caption", std::string("Pick a folder"));
    control.let("DontGoBelowDomain", kFalse);
    control.WriteProperties(bag);
    EXPECT_EQ(
        bag.entries,
        (Entries{{"Caption", "Pick a folder"}, {"DontGoBelowDomain", "0"}, {"AllowEditBox", "-1"}}))
        << "the bag holds another set than the three changed properties";

    FolderBrowse restored(dialog);
    restored.ReadProperties(bag);
    EXPECT_EQ(restored.BuildBrowseFlags(), 0x0030u);
    EXPECT_EQ(restored.text("Caption"), "Pick a folder");
    restored.ReadProperties(PropertyBag{});
    EXPECT_EQ(restored.text("Caption"), "Folder Browser") << "a missing entry reads as default";
}

// The settings page over a designer whose selection the test sets.
class BrowsePropertiesTest : public ::testing::Test, public PropertyPageSite {
protected:
    std::vector<FolderBrowse*> SelectedControls() override { return selected; }

    ScriptedDialog dialog;
    RecordingHost firstHost;
    RecordingHost secondHost;
    FolderBrowse first{dialog, &firstHost};
    FolderBrowse second{dialog, &secondHost};
    std::vector<FolderBrowse*> selected{&first};
    BrowseProperties page{*this};
};

// Unchanged boxes apply the defaults again; AllowEditBox is ticked on the page.
TEST_F(BrowsePropertiesTest, WorksOnTheFirstSelectedControlAndAppliesAllElevenToIt) {
    second.let("IncludeFiles", kTrue);
    first.let("Caption", std::string("Other"));
    selected = {&second, &first};
    page.SelectionChanged();
    EXPECT_TRUE(page.Changed) << "loading a differing box did not raise its handler";
    EXPECT_EQ(page.chkIncludeFiles.value, 1);
    EXPECT_EQ(page.txtCaption.text, "Folder Browser") << "read from the second control";

    page.chkAllowEditBox.value = 1;
    page.txtStartDirectory.text = "/srv";
    firstHost.changed.clear();
    secondHost.changed.clear();
    page.ApplyChanges();
    EXPECT_EQ(secondHost.changed.size(), 11u) << "not every property was applied";
    EXPECT_EQ(second.BuildBrowseFlags(), 0x4032u)
        << "IncludeFiles and AllowEditBox over the defaults";
    EXPECT_EQ(second.boolean("Enabled"), kTrue) << "applying an unchanged box disabled the control";
    EXPECT_EQ(second.text("StartDirectory"), "/srv");
    EXPECT_THAT(firstHost.changed, IsEmpty()) << "the second selected control was written";
}

} // namespace
} // namespace lumadisc::test
