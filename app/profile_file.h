// A small settings-file layer that behaves like the classic profile functions:
// [Section] and Key=Value lines, names compared without regard to case, the rest of
// the file kept as it was, and every write replacing the file atomically.
//
// The file may be shared by several games at once, edited by hand, a link, or not a
// file at all. Only a regular file is read (anything else reads as missing and is
// never written over); a write holds a lock on the file from reading it to putting
// the new text in its place, so two games saving together never lose a line.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace plonk {

struct Profile_Entry {
    std::string Section, Key, Value;
};

class Profile_File {
public:
    explicit Profile_File(std::string path) : path_(std::move(path)) {}

    // The value of the key, or `fallback` when the file, the section or the key is
    // missing; at most `max_chars` characters of it.
    std::string Get(const std::string& section, const std::string& key, const std::string& fallback,
                    size_t max_chars = 144) const;

    // Replace the key's value in place, or add the key (and its section) at the end
    // of the section (of the file). Returns false and describes the failure in
    // `error` when the file could not be written; the old file is then untouched.
    bool Put(const std::string& section, const std::string& key, const std::string& value,
             std::string* error);

    // Several values in one replacement of the file: either all of them reach it
    // or none does.
    bool Put_All(const std::vector<Profile_Entry>& entries, std::string* error);

    const std::string& Path() const { return path_; }

    // The longest settings file read or written; a longer one is not ours.
    static constexpr size_t Largest = 1 << 20;

private:
    std::string path_;
};

// The classic leading-number reading: blanks skipped, an optional sign, digits, an
// optional fraction and exponent; reading stops at the first character that does
// not fit, and text without a leading number reads as 0.
double Leading_Number(const std::string& text);

}  // namespace plonk
