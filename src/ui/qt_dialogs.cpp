#include "ui/qt_dialogs.h"

#include "ui/folderbrowse/folder_picker_dialog.h"

#include <QApplication>
#include <QMessageBox>

namespace lumadisc {

MessageResult QtDialogs::messageBox(const std::string& text, MessageButtons buttons,
                                    MessageIcon icon, const std::string& title) {
    const QMessageBox::Icon qtIcon = icon == MessageIcon::Critical      ? QMessageBox::Critical
                                     : icon == MessageIcon::Question    ? QMessageBox::Question
                                     : icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                                        : QMessageBox::Information;
    QMessageBox box(qtIcon, QString::fromStdString(title), QString::fromStdString(text),
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    const int result = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageResult::Ok;
    return result == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
}

std::string QtDialogs::BrowseForFolderPath(const BrowseInfo& info) {
    return FolderPickerDialog::run(info, QApplication::activeWindow());
}

} // namespace lumadisc
