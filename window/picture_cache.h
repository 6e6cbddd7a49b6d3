// Decoded pictures by file path. The machine names a picture file every time a
// counter or lamp changes; each file is decoded once and then served from here.
#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <string>

namespace plonk {

// The picture in a file; a null image when it does not load. Only a regular file is
// decoded (a FIFO would hold the window for ever), nor is a picture cut short; the
// file is read once, and judged and decoded from what was read: a picture in one of
// the machine's own forms straight to a byte a pixel, any other by the kind its name
// ends in.
QImage Read_Picture(const std::string& path);

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
