#include "window/sound_output.h"

#include <QCoreApplication>

#include "window/data_folder.h"
#include "window/sound_module.h"

namespace plonk {

std::unique_ptr<Sound_Output> Make_Sound_Output() {
    // Beside the program in its build folder, else where it was installed.
    const std::string here = QCoreApplication::applicationDirPath().toStdString();
    return std::make_unique<Sound_Module>(
        std::vector<std::string>{here, here + "/" + kInstalled_Module_Folder});
}

}  // namespace plonk
