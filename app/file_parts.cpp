#include "app/file_parts.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace plonk {

File_Failure System_Failure(int error) { return {std::strerror(error ? error : EIO)}; }

void Descriptor::Reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
}

std::string Parent_Folder(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string Link_Target(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string link(4096, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0) throw System_Failure(errno);
        if (n == 0 || static_cast<size_t>(n) >= link.size()) throw System_Failure(ENAMETOOLONG);
        link.resize(static_cast<size_t>(n));
        path = link.front() == '/' ? link : Parent_Folder(path) + "/" + link;
    }
    throw System_Failure(ELOOP);
}

bool Lock_Folder(const std::string& path, Descriptor* folder, bool wait) {
    const std::string name = Parent_Folder(path);
    const int made = ::mkdir(name.c_str(), 0755) == 0 ? 0 : errno;
    folder->Reset(::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder->Get() < 0) {
        const int error = errno;
        throw System_Failure(error == ENOENT && made != 0 && made != EEXIST ? made : error);
    }
    while (::flock(folder->Get(), wait ? LOCK_EX : LOCK_EX | LOCK_NB) != 0) {
        if (!wait && errno == EWOULDBLOCK) return false;
        if (errno != EINTR) throw System_Failure(errno);
    }
    return true;
}

std::string Temporary_Name(const std::string& path, long pid, unsigned n) {
    return path + "." + std::to_string(pid) + "." + std::to_string(n) + ".tmp";
}

std::string Temporary_Beside(const std::string& path, unsigned mode, Descriptor* fd) {
    static std::atomic<unsigned> counter{0};
    for (int tries = 0; tries < 100; ++tries) {
        const std::string name = Temporary_Name(path, ::getpid(), ++counter);
        fd->Reset(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (fd->Get() >= 0) return name;
        if (errno != EEXIST) throw System_Failure(errno);
    }
    throw System_Failure(EEXIST);
}

void Write_All(int fd, const char* bytes, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw System_Failure(n < 0 ? errno : ENOSPC);
        done += static_cast<size_t>(n);
    }
}

void Put_In_Place(const std::string& temp, Descriptor* out, const std::string& path,
                  const Descriptor& folder) {
    try {
        if (::fsync(out->Get()) != 0) throw System_Failure(errno);
        if (::close(out->Release()) != 0) throw System_Failure(errno);
        if (::rename(temp.c_str(), path.c_str()) != 0) throw System_Failure(errno);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    if (folder.Get() >= 0) ::fsync(folder.Get());
}

}  // namespace plonk
