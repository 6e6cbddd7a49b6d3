#include "window/picture_cache.h"

#include <QImage>
#include <QImageReader>

#include "app/file_read.h"
#include "app/picture_file.h"

namespace plonk {

const QPixmap& Picture_Cache::Get(const std::string& path) {
    const QString key = QString::fromStdString(path);
    auto it = pictures_.find(key);
    if (it == pictures_.end()) {
        // A file that fails is remembered as a null pixmap too, so a missing file is
        // not searched for again on every repaint. Only a regular file is decoded: a
        // FIFO would hold the window for ever; nor is a picture cut short.
        QImage image;
        if (Read_Head(path, 0).Status == Read_Status::Read && Picture_Shortfall(path).empty())
            image.load(key);
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
