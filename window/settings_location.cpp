#include "window/settings_location.h"

#include <QDir>
#include <QStandardPaths>

namespace plonk {

std::string Settings_File_Path() {
    // $XDG_CONFIG_HOME, or ~/.config when it is not set.
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty()) base = QDir::homePath() + "/.config";
    const QString folder = base + "/plonk";
    QDir().mkpath(folder);
    return (folder + "/Plonk.ini").toStdString();
}

}  // namespace plonk
