// The folder picker: its dialog, the control that shows it, and the control's plugin for the
// form designer.
#include "support/test_paths.h"
#include "ui/folderbrowse/folder_browse_widget.h"
#include "ui/folderbrowse/folder_picker_dialog.h"
#include "ui/skin_test_support.h"

#include <QDesignerFormEditorInterface>
#include <QDesignerTaskMenuExtension>
#include <QDialogButtonBox>
#include <QDir>
#include <QExtensionManager>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPluginLoader>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QTreeView>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace lumadisc {
namespace {

struct FolderPickerTest : ::testing::Test {
    FolderPickerTest() {
        test::skinTestApp();
        std::filesystem::create_directories(root() / "Shots" / "2024");
        std::filesystem::create_directories(top.path() / "beside");
        test::writeFile(root() / "notes.txt", "x");
    }
    QString path(const char* below = "") const {
        return QDir::cleanPath(QString::fromStdString((root() / below).string()));
    }
    static void type(FolderPickerDialog& dialog, const QString& text) {
        dialog.findChild<QLineEdit*>(QStringLiteral("folderEdit"))->setText(text);
    }
    // Once the control's dialog is up over `form`, types `typed` and accepts, or else cancels.
    static void answer(const QWidget* form, const QString& typed) {
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<FolderPickerDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr) << "no modal folder dialog";
            EXPECT_EQ(dialog->parentWidget(), form) << "the dialog is not over its form";
            if (typed.isEmpty())
                return dialog->reject(); // with the root still chosen
            type(*dialog, typed);
            dialog->accept();
        });
    }

    test::TempDir top;
    // The dialog's root, with a folder beside it that must not show.
    std::filesystem::path root() const { return top.path() / "inner"; }
};

TEST_F(FolderPickerTest, TheTreeStartsAtTheRootTypedPathsStayBelowItAndFlagsAddFilesAndNewFolder) {
    FolderPickerDialog dialog({root().string(), "Pick", kEditBox}, nullptr);
    auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("folderTree"));
    auto* files = qobject_cast<QFileSystemModel*>(
        qobject_cast<QSortFilterProxyModel*>(tree->model())->sourceModel());
    const QModelIndex above = files->index(QString::fromStdString(top.path().string()));
    // Read on another thread; events can keep coming before it is done.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (files->rowCount(above) < 2 && std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    ASSERT_EQ(files->rowCount(above), 2) << "the folder above the root was not read";
    ASSERT_EQ(tree->model()->rowCount(tree->rootIndex()), 1) << "more than the root at the top";
    EXPECT_EQ(dialog.chosenPath(), path()) << "the dialog does not start on its root";

    type(dialog, QStringLiteral("Shots/2024"));
    EXPECT_EQ(dialog.chosenPath(), path("Shots/2024"));
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_TRUE(ok->isEnabled());
    for (const char* outside : {"/", "..", "missing", "notes.txt"}) {
        type(dialog, QString::fromUtf8(outside));
        EXPECT_TRUE(dialog.chosenPath().isEmpty() && !ok->isEnabled())
            << outside << " was choosable";
    }

    // Flags add files to what can be chosen, and the New Folder button.
    FolderPickerDialog withFiles({root().string(), "", kEditBox | kBrowseIncludeFiles}, nullptr);
    type(withFiles, QStringLiteral("notes.txt"));
    EXPECT_EQ(withFiles.chosenPath(), path("notes.txt")) << "files are not choosable";

    FolderPickerDialog newUi({root().string(), "", kNewDialogStyle}, nullptr);
    newUi.findChild<QPushButton*>(QStringLiteral("newFolder"))->click();
    EXPECT_TRUE(QFileInfo(path("New Folder")).isDir()) << "New Folder made no folder";
}

TEST_F(FolderPickerTest, BrowseShowsTheDialogOverItsFormAndTakesItsAnswer) {
    QWidget form;
    auto* control = new FolderBrowseWidget(&form);
    control->setStartDirectory(path());
    control->setAllowEditBox(true);

    answer(&form, QStringLiteral("Shots"));
    EXPECT_TRUE(control->Browse());
    EXPECT_EQ(control->fullName(), path("Shots"));
    answer(&form, QString());
    EXPECT_FALSE(control->Browse()) << "a cancelled dialog gave a folder";
    EXPECT_EQ(control->size(), QSize(26, 26)) << "390 twips at 96 dots per inch";
}

// A designer without windows: only the extension manager its plugins register with.
struct BareDesigner : QDesignerFormEditorInterface {
    BareDesigner() { setExtensionManager(new QExtensionManager(this)); }
};

TEST(DesignerPlugin, OffersTheFolderPickerWithItsTaskMenuEntry) {
    test::skinTestApp();
    QPluginLoader loader(QStringLiteral(LUMADISC_TEST_DESIGNER_PLUGIN));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    ASSERT_TRUE(collection && collection->customWidgets().size() == 1)
        << "the plugin did not load one widget: " << loader.errorString().toStdString();
    QDesignerCustomWidgetInterface* plugin = collection->customWidgets().first();

    BareDesigner core;
    plugin->initialize(&core);
    QWidget form;
    QWidget* widget = plugin->createWidget(&form);
    ASSERT_EQ(widget->metaObject()->className(), plugin->name());
    auto* menu = qt_extension<QDesignerTaskMenuExtension*>(core.extensionManager(), widget);
    EXPECT_TRUE(menu && menu->taskActions().size() == 1) << "no task menu entry for the control";
}

} // namespace
} // namespace lumadisc
