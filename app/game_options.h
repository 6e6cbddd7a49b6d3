// The game's own choices (sound, show tips, automatic scan, zoom, the window's place),
// kept between runs in a section "[Options]" of the settings file. The machine's own
// values in that file, and every other line of it, are left exactly as they are.
//
// A missing, unreadable or out-of-range value reads as "not chosen": the caller then
// keeps what the game starts with. Writing goes through the settings-file layer, so
// it locks the file, replaces it atomically and reports a failure.
//
// The file is made only by a regular close, which writes every choice with the
// machine's values: a choice changed meanwhile goes at once only into a file that is
// already there, so a run that never closes regularly leaves no file behind.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/profile_file.h"

namespace plonk {

// The section and its keys, named once.
namespace option_key {
inline constexpr char Section[] = "Options";
inline constexpr char Sound[] = "Sound";
inline constexpr char Show_Tips[] = "Show_Tips";
inline constexpr char Automatic_Scan[] = "Automatic_Scan";
inline constexpr char Zoom[] = "Zoom";
inline constexpr char Show_Odds[] = "Show_Odds";
inline constexpr char Window_X[] = "Window_X";
inline constexpr char Window_Y[] = "Window_Y";
inline constexpr char Screen[] = "Screen";
}  // namespace option_key

// The check boxes that are kept as the player last left them, each with its key.
struct Remembered_Box {
    const char* Box;  // the check box's control
    const char* Key;  // its key in the options
};
inline constexpr Remembered_Box Remembered_Boxes[] = {{"Option1", option_key::Sound},
                                                      {"Check1", option_key::Show_Tips},
                                                      {"Check2", option_key::Automatic_Scan}};

class Game_Options {
public:
    // `settings_path` is the settings file; an empty path keeps nothing (every read
    // is "not chosen", every write succeeds without a file).
    explicit Game_Options(std::string settings_path) : path_(std::move(settings_path)) {}

    // A yes/no choice, written "1" or "0".
    std::optional<bool> Flag(const char* key) const;
    // A whole number within [low, high].
    std::optional<int> Number(const char* key, int low, int high) const;
    // Text as written (at most 144 characters); empty when missing.
    std::string Text(const char* key) const;

    // Values to write, each as text; all reach the file or none does.
    using Values = std::vector<std::pair<const char*, std::string>>;
    bool Put(const Values& values, std::string* error) const;
    // The same, but only into a file that is there already; nothing is made.
    bool Put_If_There(const Values& values, std::string* error) const;
    // The values as lines of the settings file's section.
    static std::vector<Profile_Entry> Entries(const Values& values);

    static std::string Of(bool value) { return value ? "1" : "0"; }
    static std::string Of(int value) { return std::to_string(value); }

private:
    std::string path_;
};

}  // namespace plonk
