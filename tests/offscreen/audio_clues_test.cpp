// The sound module is loaded unless the system shows no way at all to a device.
#include "window/audio_clues.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace plonk::test {
namespace {

struct Case {
    const char* what;
    std::map<std::string, std::string> env;
    std::set<std::string> files;  // "/dev/snd/pcm..." stands for an entry in that folder
    bool may_be_there;
};

TEST(AudioClues, OnlyASystemWithNoWayToADeviceIsToldThereIsNone) {
    const Case cases[] = {
        {"nothing at all", {{"HOME", "/home/p"}, {"XDG_RUNTIME_DIR", "/run/user/1"}}, {}, false},
        {"a driver asked for", {{"SDL_AUDIODRIVER", "disk"}}, {}, true},
        {"an empty driver name", {{"SDL_AUDIODRIVER", ""}}, {}, false},
        {"a device named", {{"AUDIODEV", "hw:1"}}, {}, true},
        {"a remote server", {{"PULSE_SERVER", "tcp:host"}}, {}, true},
        {"a PulseAudio socket", {{"XDG_RUNTIME_DIR", "/run/user/1"}}, {"/run/user/1/pulse/native"}, true},
        {"a PipeWire socket", {{"XDG_RUNTIME_DIR", "/run/user/1"}}, {"/run/user/1/pipewire-0"}, true},
        {"a socket but no runtime folder", {}, {"/run/user/1/pulse/native"}, false},
        {"a sound card", {}, {"/dev/snd/pcmC0D0p"}, true},
        {"only the sound card's timer", {}, {"/dev/snd/timer"}, false},
        {"the old sound device", {}, {"/dev/dsp"}, true},
        {"a JACK server", {}, {"/dev/shm/jack_default_0"}, true},
        {"a system sound setup", {}, {"/etc/asound.conf"}, true},
        {"the player's sound setup", {{"HOME", "/home/p"}}, {"/home/p/.asoundrc"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Audio_Clues clues;
        clues.Env = [&c](const char* name) {
            auto it = c.env.find(name);
            return it == c.env.end() ? nullptr : it->second.c_str();
        };
        clues.Exists = [&c](const std::string& path) { return c.files.count(path) > 0; };
        clues.Has_Entry = [&c](const std::string& folder, const std::string& prefix) {
            for (const std::string& f : c.files)
                if (f.rfind(folder + "/" + prefix, 0) == 0) return true;
            return false;
        };
        EXPECT_EQ(Audio_May_Be_There(clues), c.may_be_there);
    }
}

}  // namespace
}  // namespace plonk::test
