#include "app/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace plonk {

namespace {

// Up to `count` bytes of the file, or the whole file and one byte more when
// `count` is the limit of a whole read: the extra byte tells a file that is too long.
File_Bytes Read(const std::string& path, size_t count) {
    File_Bytes f;
    // 1. Look before opening: a FIFO or a device is never opened at all.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        f.Status = errno == ENOENT || errno == ENOTDIR ? Read_Status::Missing : Read_Status::Failed;
        f.Error = errno;
        return f;
    }
    if (!S_ISREG(st.st_mode)) {
        f.Status = Read_Status::Not_Regular;
        return f;
    }
    // 2. Open without waiting (the name may have been replaced by a FIFO since), and
    //    look again at what was opened.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        f.Status = errno == ENOENT ? Read_Status::Missing : Read_Status::Failed;
        f.Error = errno;
        return f;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        f.Status = Read_Status::Not_Regular;
        ::close(fd);
        return f;
    }
    // 3. Read what is asked for, or up to the end of the file. The buffer starts at
    //    the size the file says it has and grows only when the file grew meanwhile.
    const size_t told = static_cast<size_t>(st.st_size > 0 ? st.st_size : 0);
    f.Bytes.resize(std::min(count, told + 1));
    size_t have = 0;
    while (have < count) {
        if (have == f.Bytes.size()) f.Bytes.resize(std::min(count, 2 * have + 4096));
        const ssize_t n = ::read(fd, f.Bytes.data() + have, f.Bytes.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            f.Status = Read_Status::Failed;
            f.Error = errno;
            f.Bytes.clear();
            ::close(fd);
            return f;
        }
        if (n == 0) break;
        have += static_cast<size_t>(n);
    }
    ::close(fd);
    f.Bytes.resize(have);
    f.Status = Read_Status::Read;
    return f;
}

}  // namespace

File_Bytes Read_Head(const std::string& path, size_t count) { return Read(path, count); }

File_Bytes Read_Whole(const std::string& path, size_t limit) {
    File_Bytes f = Read(path, limit + 1);
    if (f.Status == Read_Status::Read && f.Bytes.size() > limit) {
        f.Status = Read_Status::Too_Large;
        f.Bytes.clear();
    }
    return f;
}

std::string Read_Problem(const File_Bytes& file) {
    switch (file.Status) {
        case Read_Status::Read:
            return "";
        case Read_Status::Missing:
            return "it does not exist";
        case Read_Status::Not_Regular:
            return "it is not a regular file";
        case Read_Status::Too_Large:
            return "it is too large";
        case Read_Status::Failed:
            break;
    }
    return std::strerror(file.Error ? file.Error : EIO);
}

}  // namespace plonk
