#pragma once

#include "core/folderbrowse/folder_browse.h"

#include <QWidget>

namespace lumadisc {

// The folder picker control as a Qt widget: a small fixed square on its form, whose Browse
// shows the folder dialog modally over that form. In a designer it reports each property
// change through propertyChanged.
class FolderBrowseWidget : public QWidget, public FolderBrowseHost, public FolderDialog {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ isBrowseEnabled WRITE setBrowseEnabled)
    Q_PROPERTY(QString StartDirectory READ startDirectory WRITE setStartDirectory)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool OnlyFileSystemDirectories READ onlyFileSystemDirectories WRITE
                   setOnlyFileSystemDirectories)
    Q_PROPERTY(bool DontGoBelowDomain READ dontGoBelowDomain WRITE setDontGoBelowDomain)
    Q_PROPERTY(bool AllowEditBox READ allowEditBox WRITE setAllowEditBox)
    Q_PROPERTY(bool ValidateSelection READ validateSelection WRITE setValidateSelection)
    Q_PROPERTY(bool UseNewUI READ useNewUI WRITE setUseNewUI)
    Q_PROPERTY(bool BrowseForComputer READ browseForComputer WRITE setBrowseForComputer)
    Q_PROPERTY(bool BrowseForPrinter READ browseForPrinter WRITE setBrowseForPrinter)
    Q_PROPERTY(bool IncludeFiles READ includeFiles WRITE setIncludeFiles)
    Q_PROPERTY(QString FullName READ fullName STORED false)

public:
    explicit FolderBrowseWidget(QWidget* parent = nullptr);

    FolderBrowse& control() { return m_control; }

    // Shows the folder dialog; true when a path was chosen (then in FullName).
    Q_INVOKABLE bool Browse() { return m_control.Browse(); }

    bool isBrowseEnabled() const { return flag("Enabled"); }
    void setBrowseEnabled(bool on) { setFlag("Enabled", on); }
    QString startDirectory() const { return textOf("StartDirectory"); }
    void setStartDirectory(const QString& path) { setText("StartDirectory", path); }
    QString caption() const { return textOf("Caption"); }
    void setCaption(const QString& text) { setText("Caption", text); }
    bool onlyFileSystemDirectories() const { return flag("OnlyFileSystemDirectories"); }
    void setOnlyFileSystemDirectories(bool on) { setFlag("OnlyFileSystemDirectories", on); }
    bool dontGoBelowDomain() const { return flag("DontGoBelowDomain"); }
    void setDontGoBelowDomain(bool on) { setFlag("DontGoBelowDomain", on); }
    bool allowEditBox() const { return flag("AllowEditBox"); }
    void setAllowEditBox(bool on) { setFlag("AllowEditBox", on); }
    bool validateSelection() const { return flag("ValidateSelection"); }
    void setValidateSelection(bool on) { setFlag("ValidateSelection", on); }
    bool useNewUI() const { return flag("UseNewUI"); }
    void setUseNewUI(bool on) { setFlag("UseNewUI", on); }
    bool browseForComputer() const { return flag("BrowseForComputer"); }
    void setBrowseForComputer(bool on) { setFlag("BrowseForComputer", on); }
    bool browseForPrinter() const { return flag("BrowseForPrinter"); }
    void setBrowseForPrinter(bool on) { setFlag("BrowseForPrinter", on); }
    bool includeFiles() const { return flag("IncludeFiles"); }
    void setIncludeFiles(bool on) { setFlag("IncludeFiles", on); }
    QString fullName() const { return textOf("FullName"); }

    // A designer places the control on a form being designed.
    void setDesignMode(bool design) { m_designMode = design; }
    bool userMode() const override { return !m_designMode; }
    void propertyChanged(const std::string& name) override;
    std::string BrowseForFolderPath(const BrowseInfo& info) override;

signals:
    void propertyWritten(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool flag(const char* name) const { return m_control.boolean(name) != kFalse; }
    void setFlag(const char* name, bool on) { m_control.let(name, on ? kTrue : kFalse); }
    QString textOf(const char* name) const;
    void setText(const char* name, const QString& text);
    void keepFixedSize();

    FolderBrowse m_control;
    bool m_designMode = false;
};

} // namespace lumadisc
