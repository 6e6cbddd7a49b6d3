// The settings file as the system hands it over: shared by two games closing at
// once, a link, read-only, a FIFO or a device, with a byte-order mark.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/profile_file.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

namespace fs = std::filesystem;

// The nine values a close writes, as the file holds them.
std::vector<std::string> Saved_Values(const std::string& ini) {
    Profile_File f(ini);
    std::vector<std::string> v;
    for (const auto& [section, key] :
         std::vector<std::pair<const char*, const char*>>{{"Bonus", "Main"},
                                                          {"Bonus", "Extra"},
                                                          {"Score", "Vlaggen"},
                                                          {"Score", "Faktor"},
                                                          {"Speed", "Value"},
                                                          {"Speed_Offset", "Value"},
                                                          {"Score", "Main"},
                                                          {"Score", "Stake"},
                                                          {"Score", "Saldo"}})
        v.push_back(f.Get(section, key, "?"));
    return v;
}

// Nine values of its own for a machine.
void Give_Values(Hoofdvenster& h, int k) {
    h.Main_Bonus = 1100 + k;
    h.Extra_Bonus = 1200 + k;
    h.Flags_Count = static_cast<Integer>(1 + k);
    h.Invest_Range = static_cast<Integer>(8 + k);
    h.Ball_Speed = static_cast<Integer>(30 + k);
    h.Ball_Speed_Offset = static_cast<Integer>(3 + k);
    h.Main_Score = 500 + k;
    h.Stake_Score = 600 + k;
    h.Saldo_Score = -70 - k;
}

// Those values as the file gives them back.
std::vector<std::string> Values_Of(int k) {
    const int v[9] = {1100 + k, 1200 + k, 1 + k, 8 + k, 30 + k, 3 + k, 500 + k, 600 + k, -70 - k};
    std::vector<std::string> text;
    for (int n : v) text.push_back(std::to_string(n));
    return text;
}

TEST(SettingsFile, TwoGamesClosingTogetherLoseNoLine) {
    Temp_Folder folder;
    const std::string ini = folder.File("Plonk.ini");
    const std::string own = "; my own notes\n[Other]\nx=1\n";
    Machine a(ini), b(ini);
    a.Load();
    b.Load();
    Give_Values(*a.M, 0);
    Give_Values(*b.M, 1);
    for (int round = 0; round < 200; ++round) {
        Write_File(ini, own + "[Score]\nMain= 5\n");
        // Both games wait at the pipe and close together once it is shut.
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        pid_t games[2];
        for (int k = 0; k < 2; ++k) {
            games[k] = ::fork();
            if (games[k] == 0) {
                Machine& m = k == 0 ? a : b;
                ::close(go[1]);
                char c;
                (void)!::read(go[0], &c, 1);
                m->Knop_Sluiten_Click();
                ::_exit(m->Settings_Write_Error.empty() ? 0 : 1);
            }
        }
        ::close(go[0]);
        ::close(go[1]);
        for (pid_t g : games) {
            int status = 0;
            ::waitpid(g, &status, 0);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
        }
        // The user's lines are all there, each section once, and the nine values are
        // those of one game, whole.
        const std::string text = Read_File(ini);
        ASSERT_EQ(text.rfind(own, 0), 0u) << "round " << round << ":\n" << text;
        for (const char* section : {"[Score]", "[Bonus]", "[Speed]", "[Speed_Offset]"})
            ASSERT_EQ(text.find(section), text.rfind(section)) << section << " in round " << round << ":\n"
                                                               << text;
        const std::vector<std::string> saved = Saved_Values(ini);
        ASSERT_TRUE(saved == Values_Of(0) || saved == Values_Of(1)) << "round " << round << ":\n" << text;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

mode_t Mode(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode;
}

TEST(SettingsFile, ACloseWritesThroughLinksAndNeverOverAnythingButAWritableFile) {
    using Make = std::function<void(const std::string& folder, const std::string& ini)>;
    const struct {
        const char* name;
        Make make;
        Long bonus;          // the main bonus start-up reads
        const char* reason;  // why the close cannot save; empty when it saves
        Make after;          // what else must hold after the close
    } cases[] = {
        {"a link to a file in another folder",
         [](auto& folder, auto& ini) {
             fs::create_directory(folder + "/real");
             Write_File(folder + "/real/target.ini", "[Other]\nx=1\n[Bonus]\nMain=7\n");
             fs::create_symlink("real/target.ini", ini);
         },
         7, "",
         [](auto& folder, auto& ini) {
             EXPECT_TRUE(fs::is_symlink(ini));
             EXPECT_EQ(Read_File(folder + "/real/target.ini").rfind("[Other]\nx=1\n[Bonus]\nMain= 1100\n", 0),
                       0u);
         }},
        {"a link to a file not made yet", [](auto&, auto& ini) { fs::create_symlink("later.ini", ini); },
         1000, "",
         [](auto& folder, auto& ini) {
             EXPECT_TRUE(fs::is_symlink(ini));
             EXPECT_TRUE(fs::is_regular_file(folder + "/later.ini"));
         }},
        {"a file of mode 0640",
         [](auto&, auto& ini) {
             Write_File(ini, "");
             ::chmod(ini.c_str(), 0640);
         },
         1000, "", [](auto&, auto& ini) { EXPECT_EQ(Mode(ini) & 07777, 0640u); }},
        {"a read-only file",
         [](auto&, auto& ini) {
             Write_File(ini, "[Bonus]\nMain=7\n");
             ::chmod(ini.c_str(), 0444);
         },
         7, "the file is read-only",
         [](auto&, auto& ini) { EXPECT_EQ(Read_File(ini), "[Bonus]\nMain=7\n"); }},
        {"a FIFO", [](auto&, auto& ini) { ::mkfifo(ini.c_str(), 0644); }, 1000, "it is not a regular file",
         [](auto&, auto& ini) { EXPECT_TRUE(S_ISFIFO(Mode(ini))); }},
        {"a link to /dev/zero", [](auto&, auto& ini) { fs::create_symlink("/dev/zero", ini); }, 1000,
         "it is not a regular file", [](auto&, auto& ini) { EXPECT_EQ(fs::read_symlink(ini), "/dev/zero"); }},
        {"a folder", [](auto&, auto& ini) { fs::create_directory(ini); }, 1000, "it is not a regular file",
         [](auto&, auto& ini) { EXPECT_TRUE(fs::is_directory(ini)); }},
        {"a file with a byte-order mark",
         [](auto&, auto& ini) { Write_File(ini, "\xEF\xBB\xBF[Bonus]\r\nMain=7\r\n"); }, 7, "",
         [](auto&, auto& ini) {
             const std::string text = Read_File(ini);
             EXPECT_EQ(text.rfind("\xEF\xBB\xBF[Bonus]\r\nMain= 1100\r\n", 0), 0u) << text;
             EXPECT_EQ(text.find("[Bonus]"), text.rfind("[Bonus]")) << text;
         }},
    };
    for (const auto& c : cases) {
        Temp_Folder folder;
        const std::string ini = folder.File("Plonk.ini");
        c.make(folder.Path(), ini);
        Machine m(ini);
        m.Load();
        EXPECT_EQ(m->Main_Bonus, c.bonus) << c.name;
        Give_Values(*m.M, 0);
        m->Knop_Sluiten_Click();
        EXPECT_TRUE(m->Ended) << c.name;
        const std::string reason = c.reason, told = m->Settings_Write_Error;
        EXPECT_TRUE(reason.empty() ? told.empty() : told == reason) << c.name << ": " << told;
        if (reason.empty()) {
            EXPECT_EQ(Saved_Values(ini), Values_Of(0)) << c.name;
        }
        c.after(folder.Path(), ini);
    }
}

// A file with all nine values among the user's own lines, `end` ending every line but
// the last, which `last` ends; `values` gives the nine values in the order of
// Saved_Values.
std::string Nine_Values_File(const std::vector<std::string>& values, const std::string& end,
                             const std::string& last) {
    const std::string lines[] = {"; notes kept by hand",
                                 "[Bonus]",
                                 "Main=" + values[0],
                                 "Extra=" + values[1],
                                 "",
                                 "[Score]",
                                 "Vlaggen=" + values[2],
                                 "Faktor=" + values[3],
                                 "Main=" + values[6],
                                 "Stake=" + values[7],
                                 "Saldo=" + values[8],
                                 "[Speed]",
                                 "Value=" + values[4],
                                 "[Other]",
                                 "x = 1",
                                 "[Speed_Offset]",
                                 "Value=" + values[5]};
    std::string text;
    for (const std::string& line : lines) text += line + (&line == &lines[16] ? last : end);
    return text;
}

TEST(SettingsFile, ACloseKeepsTheFilesLineEndsAndEveryByteOutsideTheNineValues) {
    const std::vector<std::string> old_values{"7", "8", "1", "12", "40", "2", "300", "400", "-5"};
    std::vector<std::string> written;  // the nine values as a close writes them
    for (const std::string& v : Values_Of(0)) written.push_back(v[0] == '-' ? v : " " + v);
    const struct {
        const char* name;
        std::string bom, end, last;
    } cases[] = {
        {"line feeds", "", "\n", "\n"},
        {"carriage returns and line feeds", "", "\r\n", "\r\n"},
        {"a byte-order mark and carriage returns", "\xEF\xBB\xBF", "\r\n", "\r\n"},
        {"carriage returns, the last line open", "", "\r\n", ""},
        {"line feeds, the last line open", "", "\n", ""},
    };
    for (const auto& c : cases) {
        Temp_Folder folder;
        const std::string ini = folder.File("Plonk.ini");
        Write_File(ini, c.bom + Nine_Values_File(old_values, c.end, c.last));
        Machine m(ini);
        m.Load();
        EXPECT_EQ(m->Main_Score, 300) << c.name;
        Give_Values(*m.M, 0);
        m.Tk.Answers.push_back(Answer::Yes);
        m->Knop_Sluiten_Click();
        EXPECT_EQ(Read_File(ini), c.bom + Nine_Values_File(written, c.end, c.last)) << c.name;
    }
}

}  // namespace
}  // namespace plonk::test
