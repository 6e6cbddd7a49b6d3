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
    // Named by the process, so that a folder left by a run that did not end normally
    // (the fuzzer leaves with _Exit) is known and removed by the next one. Never
    // freed: the folder is removed at exit, after static objects are gone.
    static const std::string* folder = [] {
        namespace fs = std::filesystem;
        struct stat st {};
        const std::string base = ::stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) ? "/dev/shm" : "/tmp";
        const std::string prefix = "plonk-fuzz-";
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(base, ec)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(prefix, 0) != 0 ||
                name.find_first_not_of("0123456789", prefix.size()) != std::string::npos)
                continue;
            if (!fs::exists("/proc/" + name.substr(prefix.size()), ec)) fs::remove_all(entry.path(), ec);
        }
        auto* made = new std::string(base + "/" + prefix + std::to_string(::getpid()));
        fs::remove_all(*made, ec);
        Check(fs::create_directory(*made, ec), "cannot make a scratch folder in " + base);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(Scratch(), ignored);
        });
        return made;
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
