#include "designer/folder_browse_plugin.h"

#include "designer/browse_properties_page.h"
#include "ui/folderbrowse/folder_browse_widget.h"

#include <QAction>
#include <QDesignerFormEditorInterface>
#include <QDesignerFormWindowInterface>
#include <QDesignerPropertyEditorInterface>
#include <QDesignerPropertySheetExtension>
#include <QExtensionManager>
#include <QStyle>
#include <QtPlugin>

namespace lumadisc {

FolderBrowsePlugin::FolderBrowsePlugin(QObject* parent) : QObject(parent) {}

QString FolderBrowsePlugin::name() const {
    return QStringLiteral("lumadisc::FolderBrowseWidget");
}

QString FolderBrowsePlugin::group() const {
    return QStringLiteral("Lumadisc");
}

QString FolderBrowsePlugin::toolTip() const {
    return QStringLiteral("Folder Browse");
}

QString FolderBrowsePlugin::whatsThis() const {
    return QStringLiteral("Asks the user for a folder: call Browse(), then read FullName.");
}

QString FolderBrowsePlugin::includeFile() const {
    return QStringLiteral("ui/folderbrowse/folder_browse_widget.h");
}

QIcon FolderBrowsePlugin::icon() const {
    return QIcon::fromTheme(QStringLiteral("folder"));
}

QString FolderBrowsePlugin::domXml() const {
    return QStringLiteral(R"(<ui language="c++">
 <widget class="lumadisc::FolderBrowseWidget" name="FolderBrowse1"/>
</ui>
)");
}

void FolderBrowsePlugin::initialize(QDesignerFormEditorInterface* core) {
    if (m_core)
        return;
    m_core = core;
    if (QExtensionManager* manager = core->extensionManager())
        manager->registerExtensions(new FolderBrowseTaskMenuFactory(manager),
                                    Q_TYPEID(QDesignerTaskMenuExtension));
}

QWidget* FolderBrowsePlugin::createWidget(QWidget* parent) {
    auto* widget = new FolderBrowseWidget(parent);
    widget->setDesignMode(true);
    connect(widget, &FolderBrowseWidget::propertyWritten, this,
            [this, widget](const QString& name) { propertyWritten(widget, name); });
    return widget;
}

// The control told its host of a written property: the form is changed, and the .ui file keeps
// the property only while it differs from its default, as the control saves its properties.
void FolderBrowsePlugin::propertyWritten(FolderBrowseWidget* widget, const QString& name) {
    QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(widget);
    if (!m_core || !form)
        return;
    const QVariant value = widget->property(name.toLatin1().constData());
    bool changed = false;
    for (const FolderBrowse::Property& property : FolderBrowse::properties())
        if (name == QLatin1String(property.name))
            changed = widget->control().get(property.name) != property.defaultValue;
    if (auto* sheet =
            qt_extension<QDesignerPropertySheetExtension*>(m_core->extensionManager(), widget)) {
        const int index = sheet->indexOf(name);
        if (index >= 0)
            sheet->setChanged(index, changed);
    }
    if (QDesignerPropertyEditorInterface* editor = m_core->propertyEditor();
        editor && editor->object() == widget)
        editor->setPropertyValue(name, value, changed);
    form->setDirty(true);
}

LumadiscWidgets::LumadiscWidgets(QObject* parent) : QObject(parent) {
    m_widgets.append(new FolderBrowsePlugin(this));
}

FolderBrowseTaskMenu::FolderBrowseTaskMenu(FolderBrowseWidget* widget, QObject* parent)
    : QObject(parent), m_widget(widget),
      m_edit(new QAction(QStringLiteral("Edit Folder Browse Properties..."), this)) {
    connect(m_edit, &QAction::triggered, this, [this] {
        if (!m_widget)
            return;
        BrowsePropertiesPage page(m_widget, m_widget->window());
        page.exec();
    });
}

QObject* FolderBrowseTaskMenuFactory::createExtension(QObject* object, const QString& iid,
                                                      QObject* parent) const {
    auto* widget = qobject_cast<FolderBrowseWidget*>(object);
    if (!widget || iid != Q_TYPEID(QDesignerTaskMenuExtension))
        return nullptr;
    return new FolderBrowseTaskMenu(widget, parent);
}

} // namespace lumadisc
