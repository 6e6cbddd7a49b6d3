// A file written from start to end while its text is made (a report's rows), as
// safely as the game's own files: a regular file, or a new one, is written to a
// copy made beside it (exclusively, never through a link) and put in its place when
// whole, through a link to the file it leads to; anything else that can be written
// (a device, a FIFO, "-" for standard output) is written directly, never replaced.
#pragma once

#include <string>

#include "app/file_parts.h"

namespace plonk {

class Output_File {
public:
    Output_File() = default;
    Output_File(const Output_File&) = delete;
    Output_File& operator=(const Output_File&) = delete;
    // A copy never put in place is removed.
    ~Output_File();

    // Ready to write `path`; false, with the reason in `error`, when it cannot be
    // written (a folder, a missing folder, no permission).
    bool Open(const std::string& path, std::string* error);
    // Writes the bytes now; false, with the reason, when they could not be (a full
    // disk).
    bool Write(const std::string& bytes, std::string* error);
    // Puts the whole file in its place; false, with the reason, when it could not be.
    bool Finish(std::string* error);

private:
    void Open_Or_Throw(const std::string& path);

    std::string path_;  // the file written, links followed
    std::string temp_;  // the copy, until it is put in place; empty when direct
    Descriptor out_;
    Descriptor folder_;
    int direct_ = -1;  // the descriptor written directly: out_'s, or standard output's
};

}  // namespace plonk
