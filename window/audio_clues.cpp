#include "window/audio_clues.h"

#include <cstdlib>
#include <filesystem>

namespace plonk {

Audio_Clues System_Audio_Clues() {
    namespace fs = std::filesystem;
    Audio_Clues clues;
    clues.Env = [](const char* name) { return std::getenv(name); };
    clues.Exists = [](const std::string& path) {
        std::error_code ec;
        return fs::exists(path, ec);
    };
    clues.Has_Entry = [](const std::string& folder, const std::string& prefix) {
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            if (it->path().filename().string().rfind(prefix, 0) == 0) return true;
        return false;
    };
    return clues;
}

bool Audio_May_Be_There(const Audio_Clues& clues) {
    // 1. A driver, device or server named by the player.
    for (const char* name :
         {"SDL_AUDIODRIVER", "SDL_AUDIO_DRIVER", "AUDIODEV", "PULSE_SERVER", "PIPEWIRE_REMOTE"})
        if (const char* value = clues.Env(name); value && *value) return true;
    // 2. A sound server's socket in the user's runtime folder.
    if (const char* runtime = clues.Env("XDG_RUNTIME_DIR"); runtime && *runtime) {
        const std::string folder(runtime);
        for (const char* socket : {"/pulse/native", "/pipewire-0"})
            if (clues.Exists(folder + socket)) return true;
    }
    // 3. A sound card, the old sound device, a JACK server, or the sound library set
    //    up by hand (which may lead anywhere).
    if (clues.Has_Entry("/dev/snd", "pcm") || clues.Exists("/dev/dsp") || clues.Has_Entry("/dev/shm", "jack"))
        return true;
    if (clues.Exists("/etc/asound.conf")) return true;
    const char* home = clues.Env("HOME");
    return home && *home && clues.Exists(std::string(home) + "/.asoundrc");
}

}  // namespace plonk
