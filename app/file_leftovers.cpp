// Temporary copies left behind by a writer that was stopped between making its copy
// and putting it in place.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cctype>
#include <vector>

#include "app/file_parts.h"
#include "app/file_replace.h"

namespace plonk {

namespace {

// When this program started, as the clock of file times counts.
const struct timespec kStarted = [] {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}();

bool Digits(const std::string& text, size_t from, size_t to) {
    if (from >= to) return false;
    for (size_t i = from; i < to; ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

// "NAME.PID.N.tmp" for the file called NAME.
bool Copy_Name_Of(const std::string& entry, const std::string& name) {
    const std::string tail = ".tmp";
    if (entry.size() <= name.size() + 1 + tail.size() || entry.compare(0, name.size(), name) != 0 ||
        entry[name.size()] != '.' || entry.compare(entry.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    const size_t pid = name.size() + 1, end = entry.size() - tail.size();
    const size_t dot = entry.find('.', pid);
    return dot < end && Digits(entry, pid, dot) && Digits(entry, dot + 1, end);
}

bool Older_Than_Start(const struct stat& st) {
    return st.st_mtim.tv_sec < kStarted.tv_sec ||
           (st.st_mtim.tv_sec == kStarted.tv_sec && st.st_mtim.tv_nsec < kStarted.tv_nsec);
}

}  // namespace

int Remove_Leftover_Copies(const std::string& path_given) {
    try {
        const std::string path = Link_Target(path_given);
        const std::string folder_name = Parent_Folder(path);
        const std::string name = path.substr(path.find_last_of('/') + 1);
        struct stat folder_stat {};
        if (::stat(folder_name.c_str(), &folder_stat) != 0 || !S_ISDIR(folder_stat.st_mode)) return 0;
        // Under the folder's lock no writer has a copy on the way: every copy there is
        // left over. A writer at work now is not waited for.
        Descriptor folder;
        if (!Lock_Folder(path, &folder, false)) return 0;
        std::vector<std::string> leftovers;
        const int listing = ::dup(folder.Get());
        DIR* list = listing >= 0 ? ::fdopendir(listing) : nullptr;
        if (!list) {
            if (listing >= 0) ::close(listing);
            return 0;
        }
        while (const dirent* e = ::readdir(list))
            if (Copy_Name_Of(e->d_name, name)) leftovers.push_back(e->d_name);
        ::closedir(list);
        int removed = 0;
        for (const std::string& entry : leftovers) {
            struct stat st {};
            if (::fstatat(folder.Get(), entry.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISREG(st.st_mode) && Older_Than_Start(st) &&
                ::unlinkat(folder.Get(), entry.c_str(), 0) == 0)
                ++removed;
        }
        return removed;
    } catch (const File_Failure&) {
        return 0;
    }
}

}  // namespace plonk
