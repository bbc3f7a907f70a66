#pragma once

#include "core/folderbrowse/folder_browse.h"

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTreeView;

namespace lumadisc {

// The folder dialog: the caption above a tree of folders rooted at the start folder, which the
// user can choose but never leave; optionally files, an edit box and a New Folder button.
class FolderPickerDialog : public QDialog {
    Q_OBJECT

public:
    FolderPickerDialog(const BrowseInfo& info, QWidget* owner);
    // The path chosen with OK; empty while nothing choosable is selected.
    QString chosenPath() const;
    // The folder at the top of the tree.
    QString rootPath() const { return m_root; }

    // Shows the dialog modally over `owner`; the chosen path, empty when cancelled.
    static std::string run(const BrowseInfo& info, QWidget* owner);

private:
    void selectionMoved();
    void makeNewFolder();
    void updateOk();
    QString selectedPath() const;
    QString typedPath() const;
    bool choosable(const QString& path) const;

    BrowseInfo m_info;
    QString m_root;
    QFileSystemModel* m_model;
    QSortFilterProxyModel* m_rooted;
    QTreeView* m_tree;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_ok;
};

} // namespace lumadisc
