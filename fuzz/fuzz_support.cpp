#include "fuzz/fuzz_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace plonk::fuzz {

void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

void Check(bool ok, const std::string& what) { Check(ok, what.c_str()); }

const std::string& Scratch() {
    // Never freed: the folder is removed at exit, after static objects are gone.
    static const std::string* folder = [] {
        struct stat st {};
        const std::string base = ::stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) ? "/dev/shm" : "/tmp";
        auto* name = new std::string(base + "/plonk-fuzz-XXXXXX");
        Check(::mkdtemp(name->data()) != nullptr, "cannot make a scratch folder in " + base);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(Scratch(), ec);
        });
        return name;
    }();
    return *folder;
}

std::string Fresh(const std::string& name) {
    const std::string path = Scratch() + "/" + name;
    std::error_code ec;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ec);
    std::filesystem::remove_all(path, ec);
    return path;
}

}  // namespace plonk::fuzz
