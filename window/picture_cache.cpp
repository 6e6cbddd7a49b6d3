#include "window/picture_cache.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "app/file_read.h"
#include "app/picture_file.h"

namespace plonk {

namespace {

// The picture in a file, decoded by the kind its name ends in: without asking every
// image plugin whether it knows the contents, which would load them all (and their
// libraries) at the first picture. A file whose name lies is decoded by its contents.
QImage Decode(const QString& path) {
    QImageReader by_name(path, QFileInfo(path).suffix().toLatin1());
    by_name.setAutoDetectImageFormat(false);
    QImage image = by_name.read();
    if (image.isNull()) image.load(path);
    return image;
}

}  // namespace

const QPixmap& Picture_Cache::Get(const std::string& path) {
    const QString key = QString::fromStdString(path);
    auto it = pictures_.find(key);
    if (it == pictures_.end()) {
        // A file that fails is remembered as a null pixmap too, so a missing file is
        // not searched for again on every repaint. Only a regular file is decoded: a
        // FIFO would hold the window for ever; nor is a picture cut short.
        QImage image;
        if (Read_Head(path, 0).Status == Read_Status::Read && Picture_Shortfall(path).empty())
            image = Decode(key);
        it = pictures_.insert(key, image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    }
    return it.value();
}

std::string Picture_Cache::Problem(const std::string& path) {
    if (std::string shortfall = Picture_Shortfall(path); !shortfall.empty()) return shortfall;
    QImageReader reader(QString::fromStdString(path));
    if (reader.read().isNull()) return reader.errorString().toStdString();
    return "";
}

}  // namespace plonk
