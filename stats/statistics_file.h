// The statistics file: read once at start, written whole and atomically at every
// save. A damaged or foreign file never stops the game: it is set aside under a new
// name beside it, with a note, and fresh statistics start in its place.
#pragma once

#include <string>

#include "stats/statistics.h"

namespace plonk {

inline constexpr char Statistics_File_Name[] = "Statistics.json";
inline constexpr size_t Statistics_Largest = 1 << 20;  // a longer file is not ours

// The statistics file beside the settings file; empty (keep nothing) for an empty
// settings path.
std::string Statistics_Path_Beside(const std::string& settings_path);

struct Statistics_Loaded {
    Statistics Data;
    // False when a file is there that could not be read (not a regular file, no
    // permission): it is never written over.
    bool Writable = true;
    // What the player should know, for standard error; empty when all went well.
    std::string Note;
};

// 1. No file, or an empty one: fresh statistics.
// 2. A file that reads as statistics: those.
// 3. A damaged or foreign one: renamed beside it ("Statistics.json.damaged-1", the
//    first free number), fresh statistics, and a new file written at once.
// 4. One that cannot be read at all: fresh statistics, not written.
Statistics_Loaded Load_Statistics(const std::string& path);

// Replace the file with these statistics. False, with the reason in `error`, when it
// could not be written; the old file is then as it was.
bool Save_Statistics(const std::string& path, const Statistics& s, std::string* error);

// Add this game's changes from `saved` to `now` to the file as it is, under its lock
// (see Merge_Changes); a file that holds no statistics gets `now`. False, with the
// reason in `error`, when it could not be written.
bool Save_Statistics_Changes(const std::string& path, const Statistics& saved, const Statistics& now,
                             std::string* error);

}  // namespace plonk
