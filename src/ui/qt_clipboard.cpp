#include "ui/qt_clipboard.h"

#include "core/failure.h"
#include "ui/picture_file.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lumadisc {

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setPicture(const std::string& file) {
    QGuiApplication::clipboard()->setImage(readPicture(file));
}

} // namespace lumadisc
