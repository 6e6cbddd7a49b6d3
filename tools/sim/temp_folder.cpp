#include "tools/sim/temp_folder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace plonk::sim {

std::string Temp_Base() {
    const char* tmpdir = std::getenv("TMPDIR");
    struct stat st {};
    if (tmpdir && tmpdir[0] == '/' && ::stat(tmpdir, &st) == 0 && S_ISDIR(st.st_mode)) return tmpdir;
    return "/tmp";
}

std::string Make_Temp_Folder(const std::string& prefix, std::string* error) {
    std::string base = Temp_Base();
    if (base.size() > 1 && base.back() == '/') base.pop_back();
    std::string name = base + "/" + prefix + "XXXXXX";
    if (::mkdtemp(name.data())) return name;
    if (error) *error = "cannot make a temporary folder in " + base + ": " + std::strerror(errno);
    return "";
}

}  // namespace plonk::sim
