// Writing the settings file: one locked read-modify-write that replaces the file
// in one step, through a link to the file it leads to, keeping the file's mode.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "app/profile_file.h"
#include "app/profile_text.h"

namespace plonk {

namespace {

// A failure with its reason, for the message the player reads.
struct Save_Failure {
    std::string Reason;
};

Save_Failure System_Failure(int error) { return {std::strerror(error ? error : EIO)}; }

// An open file descriptor, closed with the object.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Reset(); }
    int Get() const { return fd_; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void Reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

std::string Parent_Folder(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The file a name leads to through symbolic links: the name itself when it is no
// link (or names nothing yet).
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

// The settings file, opened and locked for writing. `Created` is set when the file
// did not exist and was made empty here, to be locked.
struct Locked_File {
    Descriptor Fd;
    struct stat Stat {};
    bool Created = false;
};

// 1. Open the file without following a link or waiting on a FIFO, making it
//    empty when it is missing.
// 2. Refuse what is not a regular file, and a file the user made read-only.
// 3. Wait for the lock. The file may have been replaced while waiting (by another
//    game that held the lock): then start again with the new one.
void Open_Locked(const std::string& path, Locked_File* f) {
    for (int tries = 0; tries < 1000; ++tries) {
        f->Created = false;
        f->Fd.Reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
        if (f->Fd.Get() < 0 && errno == ENOENT) {
            f->Fd.Reset(::open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
            f->Created = f->Fd.Get() >= 0;
            if (!f->Created && errno == EEXIST) continue;
        }
        if (f->Fd.Get() < 0) throw System_Failure(errno);
        if (::fstat(f->Fd.Get(), &f->Stat) != 0) throw System_Failure(errno);
        if (!S_ISREG(f->Stat.st_mode)) throw Save_Failure{"it is not a regular file"};
        if ((f->Stat.st_mode & 0222) == 0) throw Save_Failure{"the file is read-only"};
        if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) throw System_Failure(errno);
        while (::flock(f->Fd.Get(), LOCK_EX) != 0)
            if (errno != EINTR) throw System_Failure(errno);
        struct stat now {};
        if (::stat(path.c_str(), &now) == 0 && now.st_dev == f->Stat.st_dev && now.st_ino == f->Stat.st_ino)
            return;
    }
    throw System_Failure(EBUSY);
}

std::string Read_Locked(const Locked_File& f) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(f.Fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw System_Failure(errno);
        if (n == 0) return bytes;
        bytes.append(buffer, static_cast<size_t>(n));
        if (bytes.size() > Profile_File::Largest) throw Save_Failure{"it is too large to be a settings file"};
    }
}

// A new file beside `path` with a name no other writer uses, made here and never
// through a link.
std::string Temporary_Beside(const std::string& path, Descriptor* fd) {
    static std::atomic<unsigned> counter{0};
    for (int tries = 0; tries < 100; ++tries) {
        const std::string name =
            path + "." + std::to_string(::getpid()) + "." + std::to_string(++counter) + ".tmp";
        fd->Reset(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd->Get() >= 0) return name;
        if (errno != EEXIST) throw System_Failure(errno);
    }
    throw System_Failure(EEXIST);
}

void Write_All(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw System_Failure(n < 0 ? errno : ENOSPC);
        done += static_cast<size_t>(n);
    }
}

// Put the new text in the file's place: a temporary copy with the file's owner and
// mode, flushed to the disk, renamed over the file.
void Replace(const std::string& path, const Locked_File& f, const std::string& bytes) {
    Descriptor out;
    const std::string temp = Temporary_Beside(path, &out);
    try {
        // The owner is kept where the system allows it (an administrator saving a
        // user's file); the mode always.
        if (f.Stat.st_uid != ::geteuid() || f.Stat.st_gid != ::getegid())
            (void)!::fchown(out.Get(), f.Stat.st_uid, f.Stat.st_gid);
        if (::fchmod(out.Get(), f.Stat.st_mode & 07777) != 0) throw System_Failure(errno);
        Write_All(out.Get(), bytes);
        if (::fsync(out.Get()) != 0) throw System_Failure(errno);
        if (::close(out.Release()) != 0) throw System_Failure(errno);
        if (::rename(temp.c_str(), path.c_str()) != 0) throw System_Failure(errno);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    // The rename itself reaches the disk with the folder.
    Descriptor folder(::open(Parent_Folder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
}

}  // namespace

bool Profile_File::Put_All(const std::vector<Profile_Entry>& entries, std::string* error) {
    // 1. A name or value that would break a line into two is never written.
    for (const Profile_Entry& e : entries)
        for (const std::string* s : {&e.Section, &e.Key, &e.Value})
            if (s->find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
                if (error) *error = "a setting holds a line break";
                return false;
            }
    std::string path;
    Locked_File file;
    try {
        // 2. Through links to the file they lead to; its folder is made when missing.
        path = Link_Target(path_);
        ::mkdir(Parent_Folder(path).c_str(), 0755);
        // 3. Lock it, read it, change it, replace it; the lock goes with the descriptor.
        Open_Locked(path, &file);
        Profile_Text text = Parse_Profile(Read_Locked(file));
        for (const Profile_Entry& e : entries) Set_Value(text, e.Section, e.Key, e.Value);
        Replace(path, file, Render_Profile(text));
        return true;
    } catch (const Save_Failure& failure) {
        // 4. A file made empty here for the lock goes again, so a failed save leaves
        //    no trace.
        if (file.Created) ::unlink(path.c_str());
        if (error) *error = failure.Reason;
        return false;
    }
}

}  // namespace plonk
