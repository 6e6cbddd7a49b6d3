// Replacing a file's contents: one read-modify-write under the lock of the file's
// folder that puts the new bytes in place in one step, through a link to the file
// it leads to, keeping the file's mode.
#include "app/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "app/file_parts.h"

namespace plonk {

namespace {

// The file as it is under the lock: its bytes and, when it exists, its status.
struct Present_File {
    bool Exists = false;
    struct stat Stat {};
    std::string Bytes;
};

// 1. Open the file without following a link or waiting on a FIFO; a missing one
//    reads as empty, and nothing is made in its place until the new copy is whole.
// 2. Refuse what is not a regular file, and a file the user made read-only.
// 3. Read it whole, up to the limit.
Present_File Read_Present(const std::string& path, const Rewrite_Limits& limits) {
    Present_File f;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) {
        if (errno == ENOENT) return f;
        throw System_Failure(errno);
    }
    f.Exists = true;
    if (::fstat(fd.Get(), &f.Stat) != 0) throw System_Failure(errno);
    if (!S_ISREG(f.Stat.st_mode)) throw File_Failure{"it is not a regular file"};
    if ((f.Stat.st_mode & 0222) == 0) throw File_Failure{"the file is read-only"};
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) throw System_Failure(errno);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw System_Failure(errno);
        if (n == 0) return f;
        f.Bytes.append(buffer, static_cast<size_t>(n));
        if (f.Bytes.size() > limits.Largest) throw File_Failure{"it is too large to be " + limits.Kind};
    }
}

// Put the new text in the file's place: a temporary copy with the file's owner and
// mode (a new file's mode is the umask's), flushed to the disk, renamed over it.
void Replace(const std::string& path, const Present_File& f, const std::string& bytes,
             const Descriptor& folder) {
    Descriptor out;
    const std::string temp = Temporary_Beside(path, f.Exists ? 0600 : 0666, &out);
    try {
        if (f.Exists) {
            // The owner is kept where the system allows it (an administrator saving a
            // user's file); the mode always.
            if (f.Stat.st_uid != ::geteuid() || f.Stat.st_gid != ::getegid())
                (void)!::fchown(out.Get(), f.Stat.st_uid, f.Stat.st_gid);
            if (::fchmod(out.Get(), f.Stat.st_mode & 07777) != 0) throw System_Failure(errno);
        }
        Write_All(out.Get(), bytes.data(), bytes.size());
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    Put_In_Place(temp, &out, path, folder);
}

}  // namespace

bool Rewrite_File(const std::string& path_given, const Rewrite_Limits& limits,
                  const std::function<std::string(const std::string&)>& change, std::string* error) {
    try {
        // 1. Through links to the file they lead to; its folder is made when missing
        //    and locked, so writers of the file take turns.
        const std::string path = Link_Target(path_given);
        Descriptor folder;
        Lock_Folder(path, &folder);
        // 2. Read it, change it, replace it; the lock goes with the folder's descriptor.
        const Present_File present = Read_Present(path, limits);
        Replace(path, present, change(present.Bytes), folder);
        return true;
    } catch (const File_Failure& failure) {
        if (error) *error = failure.Reason;
        return false;
    }
}

}  // namespace plonk
