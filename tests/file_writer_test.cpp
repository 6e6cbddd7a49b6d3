// The game's file writer when things go wrong around it: a save killed half-way, a
// folder it may not write, and the copies a killed save leaves behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "app/file_replace.h"
#include "stats/statistics_file.h"
#include "stats/statistics_keeper.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

namespace fs = std::filesystem;

// Runs `body` in a child process and returns its exit status; `kill_when_told`
// kills it as soon as it writes a byte to the descriptor it is given.
int In_Child(const std::function<int(int tell)>& body, bool kill_when_told = false) {
    int pipe_fds[2];
    if (::pipe(pipe_fds) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe_fds[0]);
        ::_exit(body(pipe_fds[1]));
    }
    ::close(pipe_fds[1]);
    char c;
    if (kill_when_told && ::read(pipe_fds[0], &c, 1) == 1) ::kill(child, SIGKILL);
    ::close(pipe_fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(FileWriter, AFirstSaveKilledHalfWayLeavesNoFileAndAnEmptyOneReadsAsNone) {
    Temp_Folder folder;
    const std::string path = folder.File(Statistics_File_Name);
    // Killed while it makes the new text: nothing of the file is there.
    const int status = In_Child(
        [&path](int tell) {
            Rewrite_File(
                path, {},
                [tell](const std::string&) {
                    (void)!::write(tell, "x", 1);
                    ::pause();
                    return std::string("late");
                },
                nullptr);
            return 0;
        },
        true);
    EXPECT_EQ(status, 128 + SIGKILL);
    EXPECT_FALSE(fs::exists(path));
    // An empty file (an earlier program's first save cut short) is no statistics yet,
    // not a damaged file.
    Write_File(path, "");
    std::vector<std::string> notes;
    Statistics_Keeper keeper(path, [&notes](const std::string& n) { notes.push_back(n); });
    EXPECT_EQ(keeper.Data(), Statistics{});
    EXPECT_TRUE(notes.empty()) << notes.front();
    EXPECT_FALSE(fs::exists(path + ".damaged-1"));
}

// As a user who may not write the folder (the administrator drops to "nobody").
TEST(FileWriter, AFolderThatCannotBeMadeTellsWhy) {
    Temp_Folder folder;
    ::chmod(folder.Path().c_str(), 0755);
    const std::string locked = folder.File("config");
    fs::create_directory(locked);
    ::chmod(locked.c_str(), 0555);
    const int status = In_Child([&locked](int) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 3;
        std::string error;
        if (Rewrite_File(
                locked + "/plonk/Plonk.ini", {}, [](const std::string&) { return "x"; }, &error))
            return 4;
        return error == "Permission denied" ? 0 : 5;
    });
    EXPECT_EQ(status, 0) << "3: no other user, 4: written, 5: another reason";
}

void Age(const std::string& path, int seconds) {
    struct timespec times[2];
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec += seconds;
    times[1] = times[0];
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

TEST(FileWriter, OnlyCopiesLeftByAnEarlierRunAreRemoved) {
    Temp_Folder folder;
    const struct {
        const char* Name;
        int Age;  // seconds from now
        bool Removed;
    } files[] = {
        {"Statistics.json.4711.3.tmp", -60, true},   // left by a run before this one
        {"Statistics.json.4711.4.tmp", +60, false},  // newer than this run: at work
        {"Statistics.json.x.3.tmp", -60, false},     // not a name the game makes
        {"Statistics.json.4711.3.tmp.bak", -60, false},
        {"Plonk.ini.4711.3.tmp", -60, false},  // another file's copy
        {"Statistics.json", -60, false},
    };
    for (const auto& f : files) {
        Write_File(folder.File(f.Name), "x");
        Age(folder.File(f.Name), f.Age);
    }
    fs::create_symlink("Statistics.json", folder.File("Statistics.json.1.1.tmp"));
    Age(folder.File("Statistics.json.1.1.tmp"), -60);
    const std::string path = folder.File(Statistics_File_Name);
    // Not while another writer is at work in the folder.
    {
        const int busy = ::open(folder.Path().c_str(), O_RDONLY | O_DIRECTORY);
        ::flock(busy, LOCK_EX);
        EXPECT_EQ(In_Child([&path](int) { return Remove_Leftover_Copies(path); }), 0);
        ::close(busy);
    }
    // The statistics' keeper clears them as it starts.
    Write_File(path, "");
    Statistics_Keeper keeper(path, [](const std::string&) {});
    for (const auto& f : files) EXPECT_EQ(fs::exists(folder.File(f.Name)), !f.Removed) << f.Name;
    EXPECT_TRUE(fs::is_symlink(folder.File("Statistics.json.1.1.tmp")));
}

}  // namespace
}  // namespace plonk::test
