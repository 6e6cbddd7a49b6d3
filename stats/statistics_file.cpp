#include "stats/statistics_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "app/file_read.h"
#include "app/file_replace.h"
#include "stats/statistics_json.h"
#include "stats/statistics_merge.h"

namespace plonk {

namespace {

// Rename `from` to `to` unless `to` exists (EEXIST then).
int Rename_No_Replace(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
#else
    // A system without such a rename (the browser's, where the game runs alone)
    // looks for the name first.
    struct stat taken;
    if (::lstat(to.c_str(), &taken) == 0) {
        errno = EEXIST;
        return -1;
    }
    return std::rename(from.c_str(), to.c_str());
#endif
}

// Rename the file to the first free name "PATH.damaged-N", never over another file.
// The new name, or empty with the reason in `error`.
std::string Set_Aside(const std::string& path, std::string* error) {
    for (int n = 1; n <= 1000; ++n) {
        const std::string aside = path + ".damaged-" + std::to_string(n);
        if (Rename_No_Replace(path, aside) == 0) return aside;
        if (errno != EEXIST) {
            *error = std::strerror(errno);
            return "";
        }
    }
    *error = "no free name to set it aside";
    return "";
}

}  // namespace

std::string Statistics_Path_Beside(const std::string& settings_path) {
    if (settings_path.empty()) return "";
    const size_t slash = settings_path.find_last_of('/');
    return (slash == std::string::npos ? std::string() : settings_path.substr(0, slash + 1)) +
           Statistics_File_Name;
}

Statistics_Loaded Load_Statistics(const std::string& path) {
    Statistics_Loaded out;
    if (path.empty()) return out;
    const File_Bytes file = Read_Whole(path, Statistics_Largest);
    // 1. None yet; an empty file is one whose first save was cut short.
    if (file.Status == Read_Status::Missing || (file.Status == Read_Status::Read && file.Bytes.empty()))
        return out;
    // 4. There, but not to be read: left alone.
    if (file.Status == Read_Status::Not_Regular || file.Status == Read_Status::Failed) {
        out.Writable = false;
        out.Note = "the statistics file " + path + " cannot be read (" + Read_Problem(file) +
                   "); this session's statistics are not kept";
        return out;
    }
    // 2. Ours.
    std::string problem = "it is too large";
    if (file.Status == Read_Status::Read) {
        Statistics_Read read = Statistics_From_Json(file.Bytes);
        if (read.Data) {
            out.Data = std::move(*read.Data);
            return out;
        }
        problem = read.Problem;
    }
    // 3. Damaged or foreign: set aside, and a fresh file in its place.
    std::string error;
    const std::string aside = Set_Aside(path, &error);
    if (aside.empty()) {
        out.Writable = false;
        out.Note = "the statistics file " + path + " is damaged (" + problem +
                   ") and could not be set aside (" + error + "); this session's statistics are not kept";
        return out;
    }
    out.Note = "the statistics file " + path + " is damaged (" + problem + "); it was set aside as " + aside +
               " and new statistics are started";
    if (!Save_Statistics(path, out.Data, &error)) out.Note += " (but it could not be written: " + error + ")";
    return out;
}

bool Save_Statistics(const std::string& path, const Statistics& s, std::string* error) {
    const std::string text = Statistics_To_Json(s);
    return Rewrite_File(
        path, {Statistics_Largest, "a statistics file"}, [&text](const std::string&) { return text; }, error);
}

}  // namespace plonk

namespace plonk {

bool Save_Statistics_Changes(const std::string& path, const Statistics& saved, const Statistics& now,
                             std::string* error) {
    return Rewrite_File(
        path, {Statistics_Largest, "a statistics file"},
        [&saved, &now](const std::string& bytes) {
            const Statistics_Read disk = Statistics_From_Json(bytes);
            return Statistics_To_Json(disk.Data ? Merge_Changes(*disk.Data, saved, now) : now);
        },
        error);
}

}  // namespace plonk
