#include "ui/skin_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QDesignerFormEditorInterface>
#include <QDesignerTaskMenuExtension>
#include <QDialogButtonBox>
#include <QExtensionManager>
#include <QLineEdit>
#include <QPluginLoader>
#include <QPushButton>
#include <QTimer>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <gtest/gtest.h>

namespace lumadisc {
namespace {

// A designer without windows: only the extension manager its plugins register with.
struct BareDesigner : QDesignerFormEditorInterface {
    BareDesigner() { setExtensionManager(new QExtensionManager(this)); }
};

TEST(DesignerPlugin, OffersTheFolderPickerAndItsSettingsPage) {
    test::skinTestApp();
    QPluginLoader loader(QStringLiteral(LUMADISC_TEST_DESIGNER_PLUGIN));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    ASSERT_NE(collection, nullptr)
        << "the plugin did not load: " << loader.errorString().toStdString();
    ASSERT_EQ(collection->customWidgets().size(), 1);
    QDesignerCustomWidgetInterface* plugin = collection->customWidgets().first();
    EXPECT_EQ(plugin->name(), QStringLiteral("lumadisc::FolderBrowseWidget"));
    EXPECT_TRUE(plugin->domXml().contains(plugin->name()))
        << "the widget box entry names another class";

    BareDesigner core;
    plugin->initialize(&core);
    QWidget form;
    QWidget* widget = plugin->createWidget(&form);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->metaObject()->className(), plugin->name());
    // The property editor shows the control's options with their defaults.
    EXPECT_EQ(widget->property("Caption").toString(), QStringLiteral("Folder Browser"));
    EXPECT_EQ(widget->property("DontGoBelowDomain"), QVariant(true));

    auto* menu = qt_extension<QDesignerTaskMenuExtension*>(core.extensionManager(), widget);
    ASSERT_NE(menu, nullptr) << "no task menu for the control";
    ASSERT_EQ(menu->taskActions().size(), 1);
    QAction* edit = menu->taskActions().first();
    EXPECT_EQ(edit->text(), QStringLiteral("Edit Folder Browse Properties..."));

    // The page shows the eleven controls; ticking a box and OK writes the control.
    widget->setProperty("StartDirectory", QStringLiteral("/srv"));
    QTimer::singleShot(0, [] {
        QWidget* page = QApplication::activeModalWidget();
        ASSERT_NE(page, nullptr) << "the entry opened no page";
        EXPECT_EQ(page->windowTitle(), QStringLiteral("BrowseProperties"));
        const auto boxes = page->findChildren<QCheckBox*>();
        EXPECT_EQ(boxes.size() + page->findChildren<QLineEdit*>().size(), 11);
        EXPECT_EQ(page->findChild<QLineEdit*>(QStringLiteral("txtStartDirectory"))->text(),
                  QStringLiteral("/srv"));
        for (QCheckBox* box : boxes)
            if (box->text() == QStringLiteral("Include All Files"))
                box->click();
        page->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    edit->trigger();
    EXPECT_EQ(widget->property("IncludeFiles"), QVariant(true)) << "OK did not apply the page";
}

} // namespace
} // namespace lumadisc
