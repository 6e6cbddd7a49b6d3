// Decoded pictures by file path. The machine names a picture file every time a
// counter or lamp changes; each file is decoded once and then served from here.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <string>

namespace plonk {

class Picture_Cache {
public:
    // The picture in that file; a null pixmap when the file does not load as a picture.
    const QPixmap& Get(const std::string& path);
    bool Loads(const std::string& path) { return !Get(path).isNull(); }
    // What the decoder says of a file that does not load as a picture.
    static std::string Problem(const std::string& path);
    int Size() const { return static_cast<int>(pictures_.size()); }

private:
    QHash<QString, QPixmap> pictures_;
};

}  // namespace plonk
