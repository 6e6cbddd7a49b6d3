// Replacing a file's contents atomically: readers see the old file or the new one,
// never a part of either, and a crash in the middle leaves the old one. The new bytes
// go to a temporary file beside it, made exclusively, flushed to the disk and
// renamed over it; a link is followed to the file it leads to, whose mode (and,
// where allowed, owner) the new file keeps. Writers of the same file take turns
// under a lock on its folder, so a read-modify-write never loses another's change,
// and a file that did not exist is never there empty.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace plonk {

struct Rewrite_Limits {
    size_t Largest = 1 << 20;          // the longest file read back before a change
    std::string Kind = "a data file";  // what such a file is, for the message
};

// Replace the file's contents by what `change` makes of its present bytes (empty
// when the file is new); `change` runs under the lock. Only a regular file the user
// may write is replaced. False, with the reason in `error`, when it could not be
// written: the old file is then as it was.
bool Rewrite_File(const std::string& path, const Rewrite_Limits& limits,
                  const std::function<std::string(const std::string&)>& change, std::string* error);

// Remove the temporary copies of `path` that a writer stopped in the middle left
// behind: regular files named as this program names them ("PATH.PID.N.tmp") and
// older than this program's start, while no writer is at work in the folder. A
// link is followed to the file it leads to. The number removed.
int Remove_Leftover_Copies(const std::string& path);

}  // namespace plonk
