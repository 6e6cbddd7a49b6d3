// The pieces the file writers share: a descriptor closed with its object, the
// folder of a path, the file a link leads to, a temporary file beside another and
// writing every byte. A failure is thrown as a File_Failure with its reason.
#pragma once

#include <string>

namespace plonk {

// A failure with its reason, for the message the player reads.
struct File_Failure {
    std::string Reason;
};

// The system's reason for error number `error` (EIO for 0).
File_Failure System_Failure(int error);

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
    void Reset(int fd = -1);

private:
    int fd_;
};

std::string Parent_Folder(const std::string& path);

// The file a name leads to through symbolic links: the name itself when it is no
// link (or names nothing yet).
std::string Link_Target(std::string path);

// The folder of `path`, made when missing and locked for writing its files: every
// writer of a file in it takes its turn, and the lock goes with the descriptor. A
// folder that cannot be made tells why (a read-only parent), not that it is missing.
// Without `wait`, false when another writer holds the lock.
bool Lock_Folder(const std::string& path, Descriptor* folder, bool wait = true);

// The name of a temporary copy of `path` made by process `pid`: "PATH.PID.N.tmp".
std::string Temporary_Name(const std::string& path, long pid, unsigned n);

// A new file beside `path` with a name no other writer uses, made here and never
// through a link, with `mode` (less the umask).
std::string Temporary_Beside(const std::string& path, unsigned mode, Descriptor* fd);

void Write_All(int fd, const char* bytes, size_t size);

// Flush the new copy, close it and rename it over `path`; the rename reaches the
// disk with `folder`. The copy is removed when any step fails.
void Put_In_Place(const std::string& temp, Descriptor* out, const std::string& path,
                  const Descriptor& folder);

}  // namespace plonk
