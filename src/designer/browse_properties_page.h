#pragma once

#include "core/folderbrowse/browse_properties.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lumadisc {

class FolderBrowseWidget;

// The designer's settings page of a folder picker: the eleven options of the first selected
// control, applied with Apply or OK.
class BrowsePropertiesPage : public QDialog, private PropertyPageSite {
    Q_OBJECT

public:
    // `clicked` is the control whose task menu opened the page; it stands for the selection
    // when the designer has none.
    BrowsePropertiesPage(FolderBrowseWidget* clicked, QWidget* parent);

private:
    std::vector<FolderBrowse*> SelectedControls() override;
    void sync();
    void apply();

    QPointer<FolderBrowseWidget> m_clicked;
    BrowseProperties m_page;
    std::vector<std::pair<QCheckBox*, CheckBox*>> m_boxes;
    QLineEdit* m_caption;
    QLineEdit* m_startDirectory;
    QPushButton* m_apply;
};

} // namespace lumadisc
