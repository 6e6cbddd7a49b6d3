// The generated files are as private as the umask says, and no more.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "support/machine.h"

namespace plonk::test {
namespace {

TEST(Generator, EveryFileItWritesHonoursTheUmask) {
    for (const auto& [umask, mode] : {std::pair{"022", 0644u}, std::pair{"027", 0640u}}) {
        Temp_Folder folder;
        const std::string command = std::string("umask ") + umask + "; QT_QPA_PLATFORM=offscreen \"" +
                                    PLONK_ASSETS + "\" \"" + folder.Path() + "\" 2>/dev/null";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << umask;
        int files = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path())) {
            struct stat st {};
            ASSERT_EQ(::stat(entry.path().c_str(), &st), 0);
            // Folders are searchable by whoever may read the files in them.
            const unsigned expected = S_ISDIR(st.st_mode) ? mode | ((mode & 0444) >> 2) : mode;
            EXPECT_EQ(st.st_mode & 0777, expected) << umask << " " << entry.path();
            ++files;
        }
        EXPECT_GT(files, 100) << umask;
    }
}

}  // namespace
}  // namespace plonk::test
