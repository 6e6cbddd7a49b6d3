#include "window/window_icon.h"

#include <QDir>
#include <QFileInfo>

namespace plonk {

#ifdef PLONK_APP_ID
static const char* const kApp_Id = PLONK_APP_ID;
#else
static const char* const kApp_Id = "org.plonkgame.Plonk";
#endif

QIcon Game_Icon(const std::string& data_folder) {
    const QDir data(QString::fromStdString(data_folder));
    const QString file = QString("apps/%1.png").arg(kApp_Id);
    for (const QString& theme : {QString("icons/hicolor"), QString("../icons/hicolor")}) {
        const QDir hicolor(data.filePath(theme));
        QIcon icon;
        // Every size folder ("48x48") that holds the picture.
        for (const QString& size : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString path = hicolor.filePath(size + "/" + file);
            if (QFileInfo(path).isFile()) icon.addFile(path);
        }
        if (!icon.isNull()) return icon;
    }
    return {};
}

}  // namespace plonk
