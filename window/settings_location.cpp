#include "window/settings_location.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "app/file_replace.h"

namespace plonk {

namespace {

// The home folder from the user database; empty when the user has no entry.
std::string Database_Home() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return "";
    return found->pw_dir;
}

// Make the folder and its parents; what is made is private to the user.
void Make_Folders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        ::mkdir(path.substr(0, slash).c_str(), 0700);
    ::mkdir(path.c_str(), 0700);
}

}  // namespace

std::string Config_Folder(const char* xdg_config_home, const char* home) {
    // 1. XDG_CONFIG_HOME counts only as an absolute path.
    if (xdg_config_home && xdg_config_home[0] == '/') return xdg_config_home;
    // 2. Otherwise ".config" in the home folder: HOME, or the user database. Without
    //    any home folder the current folder stands in for it.
    const std::string found = home && home[0] != '\0' ? std::string(home) : Database_Home();
    std::string base = found.empty() ? std::string(".") : found;
    if (base.back() != '/') base += '/';
    return base + ".config";
}

std::string Settings_File_Path() {
    std::string folder = Config_Folder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    folder += "/plonk";
    Make_Folders(folder);
    const std::string path = folder + "/Plonk.ini";
    Remove_Leftover_Copies(path);
    return path;
}

}  // namespace plonk
