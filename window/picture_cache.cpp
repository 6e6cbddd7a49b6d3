#include "window/picture_cache.h"

#include <QImage>

namespace plonk {

const QPixmap& Picture_Cache::Get(const std::string& path) {
    const QString key = QString::fromStdString(path);
    auto it = pictures_.find(key);
    if (it == pictures_.end()) {
        // A file that fails is remembered as a null pixmap too, so a missing file is
        // not searched for again on every repaint.
        QImage image(key);
        it = pictures_.insert(key, image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    }
    return it.value();
}

}  // namespace plonk
