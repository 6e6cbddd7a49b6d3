// Reading files that may be damaged, hostile or shared. Only a regular file is read:
// a folder, a FIFO, a device or a link to one counts as unreadable and is never
// waited on; and never more bytes are read than the caller can use. Nothing here
// throws.
#pragma once

#include <cstddef>
#include <string>

namespace plonk {

enum class Read_Status {
    Read,         // the bytes are in `Bytes`
    Missing,      // no file of that name
    Not_Regular,  // a folder, a FIFO, a device ...
    Too_Large,    // longer than the caller can take whole
    Failed,       // it exists but could not be read; `Error` says why
};

struct File_Bytes {
    Read_Status Status = Read_Status::Missing;
    std::string Bytes;
    int Error = 0;  // the system's error number when Failed
};

// The first `count` bytes of the file (fewer when it is shorter).
File_Bytes Read_Head(const std::string& path, size_t count);

// The whole file, when it holds at most `limit` bytes; Too_Large otherwise.
File_Bytes Read_Whole(const std::string& path, size_t limit);

// Why a file could not be read, as a short sentence for a message ("it is a
// folder", "Permission denied"); empty when it was read.
std::string Read_Problem(const File_Bytes& file);

}  // namespace plonk
