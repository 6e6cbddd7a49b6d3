#include "app/game_options.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "app/profile_file.h"

namespace plonk {

std::string Game_Options::Text(const char* key) const {
    if (path_.empty()) return {};
    return Profile_File(path_).Get(option_key::Section, key, "");
}

std::optional<int> Game_Options::Number(const char* key, int low, int high) const {
    const std::string text = Text(key);
    if (text.empty()) return std::nullopt;
    // Whole text, a plain decimal number: anything else is "not chosen".
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || *end != '\0') return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<bool> Game_Options::Flag(const char* key) const {
    const std::optional<int> value = Number(key, 0, 1);
    if (!value) return std::nullopt;
    return *value == 1;
}

std::vector<Profile_Entry> Game_Options::Entries(const Values& values) {
    std::vector<Profile_Entry> entries;
    entries.reserve(values.size());
    for (const auto& [key, value] : values) entries.push_back({option_key::Section, key, value});
    return entries;
}

bool Game_Options::Put(const Values& values, std::string* error) const {
    if (path_.empty()) return true;
    return Profile_File(path_).Put_All(Entries(values), error);
}

bool Game_Options::Put_If_There(const Values& values, std::string* error) const {
    // A link counts as there when what it leads to is.
    std::error_code ignored;
    if (path_.empty() || !std::filesystem::exists(path_, ignored)) return true;
    return Put(values, error);
}

}  // namespace plonk
