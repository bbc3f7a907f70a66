#include "ui/picture_file.h"

#include "core/failure.h"

#include <QImageReader>

namespace lumadisc {

QImage readPicture(const std::string& file) {
    QImageReader reader(QString::fromStdString(file));
    QImage picture = reader.read();
    if (picture.isNull())
        throw Failure("Cannot read the picture " + file + ": " + reader.errorString().toStdString(),
                      481);
    return picture;
}

} // namespace lumadisc
