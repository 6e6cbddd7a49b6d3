// Loading the sounds at start-up and playing them by number.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/sound_table.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

namespace fs = std::filesystem;

// The sounds the headless toolkit was asked to play, in order.
std::vector<int> Played(const Headless_Toolkit& tk) {
    std::vector<int> out;
    for (const std::string& e : tk.Log)
        if (e.rfind("sound ", 0) == 0) out.push_back(std::stoi(e.substr(6)));
    return out;
}

// Requests every sound the game asks for (1..11) and returns what was played.
std::vector<int> Request_All(Machine& m) {
    m.Tk.Log.clear();
    for (Integer n = 1; n < Sound_Count; ++n) m->Speel(Sound(n));
    return Played(m.Tk);
}

std::vector<int> Numbers(int from, int to, int skip = -1) {
    std::vector<int> v;
    for (int n = from; n <= to; ++n)
        if (n != skip) v.push_back(n);
    return v;
}

// A program folder holding the generated sounds, where `broken` is missing or
// replaced by `content` when that is not empty.
void Copy_Sounds(const std::string& folder, const std::string& broken, const std::string& content) {
    for (const char* file : Sound_Files) {
        if (file == broken) {
            if (!content.empty()) std::ofstream(folder + "/" + file) << content;
            continue;
        }
        fs::copy_file(std::string(PLONK_BIN_DIR "/") + file, folder + "/" + file);
    }
}

TEST(Sound, StartUpLoadsTheTwelveFilesInTableOrder) {
    Machine m;
    m.Load();
    ASSERT_EQ(m.Tk.Loaded_Sounds.size(), 12u);
    for (int n = 0; n < Sound_Count; ++n) {
        EXPECT_EQ(m->Sound_Handle(n), n);
        EXPECT_EQ(m.Tk.Loaded_Sounds[static_cast<size_t>(n)],
                  m->App_Folder + Sound_Files[static_cast<size_t>(n)]);
    }
    EXPECT_EQ(m->Option1.Value, 1);
    EXPECT_TRUE(m->Option1.Enabled);
    EXPECT_EQ(m->Option1.ToolTipText, "");
    // Start-up itself plays nothing.
    EXPECT_TRUE(Played(m.Tk).empty());
    EXPECT_EQ(Request_All(m), Numbers(1, 11));
}

TEST(Sound, AFileThatCannotBeLoadedSilencesOnlyItsOwnSound) {
    struct Case {
        const char* what;
        const char* content;  // empty: the file is missing
    };
    for (const Case& c : {Case{"missing", ""}, Case{"not a wave file", "this is no RIFF data at all"}}) {
        SCOPED_TRACE(c.what);
        Machine m;
        Copy_Sounds(m.Folder.Path(), "Lines.wav", c.content);
        m.Tk.Folder = m.Folder.Path() + "/";
        m->Init_App_Folder();
        m->Init_Sound();
        for (int n = 0; n < Sound_Count; ++n) {
            if (n == 6)
                EXPECT_LT(m->Sound_Handle(n), 0);
            else
                EXPECT_GE(m->Sound_Handle(n), 0) << Sound_Files[static_cast<size_t>(n)];
        }
        EXPECT_EQ(m->Option1.Value, 1);
        EXPECT_EQ(Request_All(m), Numbers(1, 11, 6));
    }
}

TEST(Sound, MachinesSharingTheirSoundChecksLookAtEachFileOnce) {
    Sound_Checks checks;
    Machine first;
    const std::string folder = first.Folder.Path() + "/";
    Copy_Sounds(first.Folder.Path(), "Lines.wav", "this is no RIFF data at all");
    const auto start = [&](Machine& m) {
        m.Tk.Folder = folder;
        m.Tk.Checked_Sounds = &checks;
        m->Init_App_Folder();
        m->Init_Sound();
    };
    start(first);
    EXPECT_EQ(checks.size(), 12u);
    // The files change after the first machine looked at them: the next one takes
    // what the first found.
    fs::remove(folder + "Shoot.wav");
    fs::copy_file(std::string(PLONK_BIN_DIR "/") + "Lines.wav", folder + "Lines.wav",
                  fs::copy_options::overwrite_existing);
    Machine next;
    start(next);
    for (int n = 0; n < Sound_Count; ++n)
        EXPECT_EQ(next->Sound_Handle(n) < 0, n == 6) << Sound_Files[static_cast<size_t>(n)];
}

TEST(Sound, SoundCheckBoxIsReadAtEveryRequest) {
    Machine m;
    m.Load();
    const size_t loads = m.Tk.Loaded_Sounds.size();

    m->Option1.Value = 0;
    EXPECT_TRUE(Request_All(m).empty());

    // Ticked again: the very next request is heard, nothing is loaded again.
    m->Option1.Value = 1;
    m.Tk.Log.clear();
    m->Speel(Sound::Scores);
    EXPECT_EQ(Played(m.Tk), std::vector<int>{9});
    EXPECT_EQ(m.Tk.Loaded_Sounds.size(), loads);
}

TEST(Sound, WithoutSoundOutputTheGameRunsSilently) {
    Machine m;
    m.Tk.Sound_Available = false;
    m.Load();
    EXPECT_EQ(m->Option1.Value, 0);
    EXPECT_FALSE(m->Option1.Enabled);
    EXPECT_EQ(m->Option1.ToolTipText, "No audio device was found, so the game plays without sound");
    EXPECT_TRUE(m.Tk.Loaded_Sounds.empty());
    for (int n = 0; n < Sound_Count; ++n) EXPECT_EQ(m->Sound_Handle(n), 0);
    EXPECT_TRUE(Request_All(m).empty());
}

TEST(Sound, NumbersOutsideTheTablePlayNothing) {
    Machine m;
    m.Load();
    m.Tk.Log.clear();
    for (Integer n : {Integer(-1), Integer(12), Integer(-32768), Integer(32767)})
        EXPECT_NO_THROW(m->Speel(Sound(n)));
    EXPECT_TRUE(Played(m.Tk).empty());
}

}  // namespace
}  // namespace plonk::test
