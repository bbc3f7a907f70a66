#include "ui/qt_picture_files.h"

#include "core/failure.h"
#include "ui/picture_file.h"

#include <QImageWriter>

namespace lumadisc {

void QtPictureFiles::saveAsBitmap(const std::string& source, const std::string& target) {
    QImageWriter writer(QString::fromStdString(target), "bmp");
    if (!writer.write(readPicture(source)))
        throw Failure(
            "Cannot write the bitmap " + target + ": " + writer.errorString().toStdString(), 75);
}

} // namespace lumadisc
