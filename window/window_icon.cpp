#include "window/window_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <vector>

#include "window/picture_cache.h"

namespace plonk {

#ifdef PLONK_APP_ID
static const char* const kApp_Id = PLONK_APP_ID;
#else
static const char* const kApp_Id = "org.plonkgame.Plonk";
#endif

namespace {

constexpr int kLargest_Window_Icon = 128;

// The icon's pictures, one file a size, read when asked for and not kept: once the
// window has shown its icon, the pictures cost no memory.
class Icon_Files : public QIconEngine {
public:
    void Add(QSize size, const QString& file) { files_.push_back({size, file}); }
    bool isNull() override { return files_.empty(); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& [size, file] : files_) sizes.push_back(size);
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        // The smallest picture at least as large, else the largest, scaled to fit.
        const File* best = nullptr;
        for (const File& f : files_) {
            const bool fits = f.Size.width() >= size.width();
            const bool best_fits = best && best->Size.width() >= size.width();
            if (!best || (fits && (!best_fits || f.Size.width() < best->Size.width())) ||
                (!fits && !best_fits && f.Size.width() > best->Size.width()))
                best = &f;
        }
        if (!best) return {};
        // Read as the kind of picture its name says, without loading every image
        // plugin to ask it.
        QImage image = Read_Picture(best->Path.toStdString());
        if (!image.isNull() && image.size() != size)
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return QPixmap::fromImage(std::move(image));
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QIconEngine* clone() const override { return new Icon_Files(*this); }

private:
    struct File {
        QSize Size;
        QString Path;
    };
    std::vector<File> files_;
};

}  // namespace

QIcon Game_Icon(const std::string& data_folder) {
    const QDir data(QString::fromStdString(data_folder));
    const QString file = QString("apps/%1.png").arg(kApp_Id);
    for (const QString& theme : {QString("icons/hicolor"), QString("../icons/hicolor")}) {
        const QDir hicolor(data.filePath(theme));
        auto* files = new Icon_Files;
        // Every size folder ("48x48") that holds the picture, up to the largest a
        // window manager draws a window's own icon at; the launcher and the desktop
        // read the larger ones from the installed theme. The folder's name tells the
        // picture's size, so no picture is read before it is drawn.
        for (const QString& folder : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QStringList sides = folder.split('x');
            bool wide = false, high = false;
            const QSize size =
                sides.size() == 2 ? QSize(sides[0].toInt(&wide), sides[1].toInt(&high)) : QSize();
            if (!wide || !high || size.width() > kLargest_Window_Icon) continue;
            const QString path = hicolor.filePath(folder + "/" + file);
            if (QFileInfo(path).isFile()) files->Add(size, path);
        }
        if (!files->isNull()) return QIcon(files);
        delete files;
    }
    return {};
}

}  // namespace plonk
