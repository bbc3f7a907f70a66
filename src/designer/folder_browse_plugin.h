#pragma once

#include <QDesignerTaskMenuExtension>
#include <QExtensionFactory>
#include <QObject>
#include <QPointer>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class QAction;

namespace lumadisc {

class FolderBrowseWidget;

// The folder picker control in the designer's widget box.
class FolderBrowsePlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit FolderBrowsePlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QString domXml() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return m_core != nullptr; }
    void initialize(QDesignerFormEditorInterface* core) override;

private:
    void propertyWritten(FolderBrowseWidget* widget, const QString& name);

    QDesignerFormEditorInterface* m_core = nullptr;
};

// The plugin library: the designer loads it as a collection.
class LumadiscWidgets : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit LumadiscWidgets(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return m_widgets; }

private:
    QList<QDesignerCustomWidgetInterface*> m_widgets;
};

// The control's task menu entry that opens its settings page.
class FolderBrowseTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    FolderBrowseTaskMenu(FolderBrowseWidget* widget, QObject* parent);
    QAction* preferredEditAction() const override { return m_edit; }
    QList<QAction*> taskActions() const override { return {m_edit}; }

private:
    QPointer<FolderBrowseWidget> m_widget;
    QAction* m_edit;
};

class FolderBrowseTaskMenuFactory : public QExtensionFactory {
    Q_OBJECT

public:
    explicit FolderBrowseTaskMenuFactory(QExtensionManager* parent) : QExtensionFactory(parent) {}

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

} // namespace lumadisc
