// Whether a sound device may be there at all, from what the system shows without
// loading any audio library: a sound server's socket, a sound card, a configuration
// of the sound library, or a driver asked for by name. Only when there is none of
// these is the sound module not loaded: opening it would find no device.
#pragma once

#include <functional>
#include <string>

namespace plonk {

struct Audio_Clues {
    // An environment variable, or nullptr.
    std::function<const char*(const char*)> Env;
    // Whether a file or folder is there.
    std::function<bool(const std::string& path)> Exists;
    // Whether a folder holds an entry whose name begins so.
    std::function<bool(const std::string& folder, const std::string& prefix)> Has_Entry;
};

// The system's own clues.
Audio_Clues System_Audio_Clues();

bool Audio_May_Be_There(const Audio_Clues& clues);

}  // namespace plonk
