#include "ui/folderbrowse/folder_picker_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace lumadisc {

namespace {

bool isWithin(const QString& path, const QString& root) {
    return root == QLatin1String("/") || path == root || path.startsWith(root + QLatin1Char('/'));
}

// Shows only the root, what lies below it, and the folders above it that lead there (the tree
// view starts below those, so they never show).
class RootedProxy : public QSortFilterProxyModel {
public:
    RootedProxy(QFileSystemModel* model, QString root, QObject* parent)
        : QSortFilterProxyModel(parent), m_model(model), m_root(std::move(root)) {
        setSourceModel(model);
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const QString path = m_model->filePath(m_model->index(row, 0, parent));
        return isWithin(path, m_root) || isWithin(m_root, path);
    }

private:
    QFileSystemModel* m_model;
    QString m_root;
};

// The start folder as it really is; the platform's default root when it is not a folder.
QString resolveRoot(const std::string& start) {
    const QFileInfo info(QString::fromStdString(start));
    if (start.empty() || !info.isDir())
        return QStringLiteral("/");
    return info.canonicalFilePath();
}

} // namespace

FolderPickerDialog::FolderPickerDialog(const BrowseInfo& info, QWidget* owner)
    : QDialog(owner), m_info(info), m_root(resolveRoot(info.root)) {
    setObjectName(QStringLiteral("folderPicker"));
    setWindowTitle(tr("Browse For Folder"));

    auto* caption = new QLabel(QString::fromStdString(info.title), this);
    caption->setObjectName(QStringLiteral("caption"));
    caption->setWordWrap(true);

    m_model = new QFileSystemModel(this);
    QDir::Filters filter = QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives;
    if (info.flags & kBrowseIncludeFiles)
        filter |= QDir::Files;
    m_model->setFilter(filter);
    m_model->setReadOnly(!(info.flags & kNewDialogStyle));
    const QString top = m_root == QLatin1String("/") ? QString() : QFileInfo(m_root).path();
    m_model->setRootPath(top);
    m_rooted = new RootedProxy(m_model, m_root, this);

    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("folderTree"));
    m_tree->setModel(m_rooted);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->setRootIndex(m_rooted->mapFromSource(m_model->index(top)));
    const QModelIndex rootItem = m_rooted->mapFromSource(m_model->index(m_root));
    m_tree->setCurrentIndex(rootItem);
    m_tree->expand(rootItem);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_tree, 1);
    if (info.flags & kEditBox) {
        m_edit = new QLineEdit(this);
        m_edit->setObjectName(QStringLiteral("folderEdit"));
        layout->addWidget(m_edit);
        connect(m_edit, &QLineEdit::textChanged, this, &FolderPickerDialog::updateOk);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto* bottom = new QHBoxLayout;
    if (info.flags & kNewDialogStyle) {
        auto* newFolder = new QPushButton(tr("&New Folder"), this);
        newFolder->setObjectName(QStringLiteral("newFolder"));
        newFolder->setAutoDefault(false);
        bottom->addWidget(newFolder);
        connect(newFolder, &QPushButton::clicked, this, &FolderPickerDialog::makeNewFolder);
    }
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    resize(380, 440);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderPickerDialog::selectionMoved);
    selectionMoved();
}

QString FolderPickerDialog::selectedPath() const {
    return m_model->filePath(m_rooted->mapToSource(m_tree->currentIndex()));
}

// A typed name is taken below the selected folder unless it is a full path.
QString FolderPickerDialog::typedPath() const {
    const QString text = m_edit->text().trimmed();
    if (text.isEmpty())
        return QString();
    if (QDir::isAbsolutePath(text))
        return QDir::cleanPath(text);
    const QString selected = selectedPath();
    const QString base = QFileInfo(selected).isDir() ? selected : QFileInfo(selected).path();
    return QDir::cleanPath(QDir(base.isEmpty() ? m_root : base).filePath(text));
}

// Nothing on this platform is a computer or a printer, so with those choices nothing is
// choosable; otherwise an existing folder (or file, when files are listed) within the root.
bool FolderPickerDialog::choosable(const QString& path) const {
    if (path.isEmpty() || (m_info.flags & (kBrowseForComputer | kBrowseForPrinter)))
        return false;
    const QFileInfo info(path);
    if (!info.exists() ||
        !(info.isDir() || ((m_info.flags & kBrowseIncludeFiles) && info.isFile())))
        return false;
    return isWithin(info.canonicalFilePath(), m_root);
}

QString FolderPickerDialog::chosenPath() const {
    const QString path = m_edit ? typedPath() : selectedPath();
    return choosable(path) ? path : QString();
}

void FolderPickerDialog::selectionMoved() {
    if (m_edit)
        m_edit->setText(selectedPath());
    updateOk();
}

void FolderPickerDialog::updateOk() {
    m_ok->setEnabled(!chosenPath().isEmpty());
}

void FolderPickerDialog::makeNewFolder() {
    QString parent = selectedPath();
    if (!QFileInfo(parent).isDir())
        parent = QFileInfo(parent).path();
    if (!isWithin(QFileInfo(parent).canonicalFilePath(), m_root))
        return;
    QString name = tr("New Folder");
    for (int n = 2; QFileInfo::exists(QDir(parent).filePath(name)); ++n)
        name = tr("New Folder (%1)").arg(n);
    const QModelIndex made = m_model->mkdir(m_model->index(parent), name);
    if (!made.isValid())
        return;
    const QModelIndex shown = m_rooted->mapFromSource(made);
    m_tree->setCurrentIndex(shown);
    m_tree->edit(shown);
}

std::string FolderPickerDialog::run(const BrowseInfo& info, QWidget* owner) {
    FolderPickerDialog dialog(info, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::string();
    return dialog.chosenPath().toStdString();
}

} // namespace lumadisc
