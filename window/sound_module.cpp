#include "window/sound_module.h"

#include <dlfcn.h>

#include "window/audio_clues.h"

namespace plonk {

Sound_Module::~Sound_Module() { Unload(); }

bool Sound_Module::Open() {
    if (Ready()) return true;
    // 1. The module, from the first folder that has it, unless no device can be there.
    if (!Audio_May_Be_There(System_Audio_Clues())) return false;
    for (const std::string& folder : folders_) {
        if (library_) break;
        library_ = dlopen((folder + "/" + kSound_Module).c_str(), RTLD_LAZY | RTLD_LOCAL);
    }
    if (!library_) return false;
    // 2. Its back end, opened; without a device the module goes again.
    using Maker = Sound_Output* (*)();
    if (auto make = reinterpret_cast<Maker>(dlsym(library_, kSound_Module_Maker))) back_end_.reset(make());
    if (back_end_ && back_end_->Open()) return true;
    Unload();
    return false;
}

void Sound_Module::Close() {
    if (back_end_) back_end_->Close();
}

void Sound_Module::Unload() {
    if (back_end_) back_end_->Close();
    back_end_.reset();
    if (library_) dlclose(library_);
    library_ = nullptr;
}

}  // namespace plonk
