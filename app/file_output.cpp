#include "app/file_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace plonk {

Output_File::~Output_File() {
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

void Output_File::Open_Or_Throw(const std::string& given) {
    if (given == "-") {
        direct_ = STDOUT_FILENO;
        return;
    }
    path_ = Link_Target(given);
    struct stat st {};
    const bool exists = ::stat(path_.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) throw System_Failure(errno);
    // 1. A device or a FIFO takes the bytes as they come; a folder none.
    if (exists && S_ISDIR(st.st_mode)) throw File_Failure{"it is a folder"};
    if (exists && !S_ISREG(st.st_mode)) {
        out_.Reset(::open(path_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
        if (out_.Get() < 0) throw System_Failure(errno);
        direct_ = out_.Get();
        return;
    }
    // 2. A file, or none yet: a copy beside it with the file's mode.
    if (exists && ::access(path_.c_str(), W_OK) != 0) throw System_Failure(errno);
    folder_.Reset(::open(Parent_Folder(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder_.Get() < 0) throw System_Failure(errno);
    temp_ = Temporary_Beside(path_, exists ? 0600 : 0666, &out_);
    if (exists && ::fchmod(out_.Get(), st.st_mode & 07777) != 0) throw System_Failure(errno);
    direct_ = out_.Get();
}

bool Output_File::Open(const std::string& path, std::string* error) {
    try {
        Open_Or_Throw(path);
        return true;
    } catch (const File_Failure& failure) {
        *error = failure.Reason;
        return false;
    }
}

bool Output_File::Write(const std::string& bytes, std::string* error) {
    try {
        if (direct_ < 0) throw File_Failure{"it is not open"};
        Write_All(direct_, bytes.data(), bytes.size());
        return true;
    } catch (const File_Failure& failure) {
        *error = failure.Reason;
        return false;
    }
}

bool Output_File::Finish(std::string* error) {
    try {
        if (direct_ < 0) throw File_Failure{"it is not open"};
        direct_ = -1;
        if (temp_.empty()) return true;
        const std::string temp = temp_;
        temp_.clear();
        Put_In_Place(temp, &out_, path_, folder_);
        return true;
    } catch (const File_Failure& failure) {
        *error = failure.Reason;
        return false;
    }
}

}  // namespace plonk
