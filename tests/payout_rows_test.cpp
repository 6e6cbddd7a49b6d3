// Where plonk-sim payout --csv writes its rows: a file is replaced only whole and
// only by a copy made beside it, a link leads to the file that gets the rows, and a
// device or a FIFO is written, never replaced; what cannot take the rows is found
// before any game is played.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "support/machine.h"

namespace plonk::test {
namespace {

namespace fs = std::filesystem;

long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

TEST(PayoutRows, GoWhereTheyShouldAndReplaceNothingElse) {
    using Step = std::function<void(const std::string& folder)>;
    const struct {
        const char* Name;
        const char* Target;  // in the scratch folder
        Step Make;
        int Status;
        Step Check;
    } cases[] = {
        {"a new file", "rows.csv", [](auto&) {}, 0,
         [](auto& f) { EXPECT_EQ(Lines(Read_File(f + "/rows.csv")), 1201); }},
        {"a link to a file", "link.csv",
         [](auto& f) {
             Write_File(f + "/kept.csv", "old\n");
             fs::create_symlink("kept.csv", f + "/link.csv");
         },
         0,
         [](auto& f) {
             EXPECT_TRUE(fs::is_symlink(f + "/link.csv"));
             EXPECT_EQ(Lines(Read_File(f + "/kept.csv")), 1201);
         }},
        {"a planted link beside the file", "pre.csv",
         [](auto& f) {
             Write_File(f + "/victim", "victim\n");
             fs::create_symlink("victim", f + "/pre.csv.part");
         },
         0,
         [](auto& f) {
             EXPECT_EQ(Read_File(f + "/victim"), "victim\n");
             EXPECT_EQ(Lines(Read_File(f + "/pre.csv")), 1201);
         }},
        {"a character device", "node",
         [](auto& f) {
             // The null device's numbers, made here (the administrator may; others
             // write to the system's own).
             if (::mknod((f + "/node").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                 fs::create_symlink("/dev/null", f + "/node");
         },
         0,
         [](auto& f) {
             struct stat st {};
             EXPECT_EQ(::stat((f + "/node").c_str(), &st), 0);
             EXPECT_TRUE(S_ISCHR(st.st_mode));
         }},
        {"a folder", "folder", [](auto& f) { fs::create_directory(f + "/folder"); }, 1,
         [](auto& f) { EXPECT_TRUE(fs::is_empty(f + "/folder")); }},
        {"a full disk", "/dev/full", [](auto&) {}, 1, [](auto&) {}},
        {"a missing folder", "no/rows.csv", [](auto&) {}, 1,
         [](auto& f) { EXPECT_FALSE(fs::exists(f + "/no")); }},
    };
    for (const auto& c : cases) {
        Temp_Folder folder;
        const std::string f = folder.Path();
        c.Make(f);
        const std::string target = c.Target[0] == '/' ? c.Target : f + "/" + c.Target;
        const std::string command = std::string(PLONK_SIM) + " payout --games 1200 --csv " + target + " >" +
                                    f + "/out.txt 2>" + f + "/err.txt";
        const int raw = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(raw)) << c.Name;
        EXPECT_EQ(WEXITSTATUS(raw), c.Status) << c.Name << ": " << Read_File(f + "/err.txt");
        // A target that cannot take the rows is refused before any game is played.
        if (c.Status != 0) {
            EXPECT_EQ(Read_File(f + "/out.txt"), "") << c.Name;
        }
        c.Check(f);
        for (const auto& e : fs::directory_iterator(f))
            EXPECT_NE(e.path().extension(), ".tmp") << c.Name << ": " << e.path() << " left behind";
    }
}

TEST(PayoutRows, GoToAFifoAndToStandardOutputAsTheyAreMade) {
    Temp_Folder folder;
    const std::string fifo = folder.File("rows");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string read;
    std::thread reader([&] { read = Read_File(fifo); });
    const int raw =
        std::system((std::string(PLONK_SIM) + " payout --games 1100 --csv " + fifo + " >/dev/null").c_str());
    reader.join();
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    EXPECT_EQ(Lines(read), 1101);
    EXPECT_TRUE(fs::is_fifo(fifo));

    const std::string out = folder.File("out.txt");
    ASSERT_EQ(std::system((std::string(PLONK_SIM) + " payout --games 1100 --csv - >" + out).c_str()), 0);
    const std::string text = Read_File(out);
    EXPECT_EQ(text.rfind("game,spent,won,", 0), 0u);
    EXPECT_NE(text.find("\n1100,"), std::string::npos);
    EXPECT_NE(text.find("return to player"), std::string::npos);
}

}  // namespace
}  // namespace plonk::test
