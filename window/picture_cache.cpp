#include "window/picture_cache.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cstring>
#include <optional>

#include "app/file_read.h"
#include "app/picture_file.h"

namespace plonk {

namespace {

// The largest picture file that is read whole.
constexpr size_t kLargest_Picture = 64 << 20;

// The picture in a file's bytes, decoded by the kind its name ends in: without asking
// every image plugin whether it knows the contents, which would load them all (and
// their libraries) at the first picture. A file whose name lies is decoded by its
// contents.
QImage Decode(const QString& path, const std::string& bytes) {
    const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer file;
    file.setData(data);
    QImageReader by_name(&file, QFileInfo(path).suffix().toLatin1());
    by_name.setAutoDetectImageFormat(false);
    QImage image = by_name.read();
    if (image.isNull()) image.loadFromData(data);
    return image;
}

// The picture with a byte a pixel and a table of its own colours, exactly, when it
// has no more than 256 of them; else a null image. A see-through picture is taken
// only with its colours not yet weighed by their opacity, so they are kept as they
// are.
QImage Paletted(const QImage& image) {
    const bool alpha = image.hasAlphaChannel();
    if (alpha && image.format() != QImage::Format_ARGB32) return {};
    const QImage colours = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QImage paletted(colours.size(), QImage::Format_Indexed8);
    if (paletted.isNull()) return {};
    std::vector<uint32_t> table;
    Colour_Numbers numbers(table);
    for (int y = 0; y < colours.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(colours.constScanLine(y));
        uchar* to = paletted.scanLine(y);
        for (int x = 0; x < colours.width(); ++x) {
            const std::optional<uint8_t> number = numbers.Of(alpha ? from[x] : (from[x] | 0xff000000u));
            if (!number) return {};
            to[x] = *number;
        }
    }
    paletted.setColorTable(QList<QRgb>(table.begin(), table.end()));
    return paletted;
}

// A picture as it is kept for painting. One of no more than 256 colours (every
// picture of the machine's own) is kept a byte a pixel with its table of colours, a
// quarter of the display's four bytes; painting turns the bytes into colours only
// where it paints, to the same pixels.
QPixmap Kept(const QImage& image) {
    const QImage paletted = image.format() == QImage::Format_Indexed8 ? image : Paletted(image);
    if (paletted.isNull()) return QPixmap::fromImage(image);
    return QPixmap::fromImage(paletted, Qt::NoFormatConversion);
}

}  // namespace

const QPixmap& Picture_Cache::Get(const std::string& path) {
    const QString key = QString::fromStdString(path);
    auto it = pictures_.find(key);
    if (it == pictures_.end()) {
        // A file that fails is remembered as a null pixmap too, so a missing file is
        // not searched for again on every repaint.
        const QImage image = Read_Picture(path);
        it = pictures_.insert(key, image.isNull() ? QPixmap() : Kept(image));
    }
    return it.value();
}

QImage Read_Picture(const std::string& path) {
    const File_Bytes file = Read_Whole(path, kLargest_Picture);
    if (file.Status != Read_Status::Read || !Picture_Shortfall_In(file.Bytes).empty()) return {};
    // Without the image readers' set-up for every file.
    if (const std::optional<Paletted_Picture> p = Decode_Paletted(file.Bytes)) {
        QImage image(p->Width, p->Height, QImage::Format_Indexed8);
        if (image.isNull()) return image;
        for (int y = 0; y < p->Height; ++y)
            std::memcpy(image.scanLine(y), p->Pixels.data() + static_cast<size_t>(y) * p->Width,
                        static_cast<size_t>(p->Width));
        image.setColorTable(QList<QRgb>(p->Colours.begin(), p->Colours.end()));
        return image;
    }
    return Decode(QString::fromStdString(path), file.Bytes);
}

std::string Picture_Cache::Problem(const std::string& path) {
    if (std::string shortfall = Picture_Shortfall(path); !shortfall.empty()) return shortfall;
    QImageReader reader(QString::fromStdString(path));
    if (reader.read().isNull()) return reader.errorString().toStdString();
    return "";
}

}  // namespace plonk
