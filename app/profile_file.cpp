#include "app/profile_file.h"

#include <cctype>
#include <cstdlib>

#include "app/file_read.h"
#include "app/profile_text.h"

namespace plonk {

std::string Profile_File::Get(const std::string& section, const std::string& key, const std::string& fallback,
                              size_t max_chars) const {
    // A file that cannot be read whole (missing, not a regular file, too large) is
    // read as an empty one.
    const File_Bytes file = Read_Whole(path_, Largest);
    std::string result = fallback;
    if (file.Status == Read_Status::Read) {
        if (auto v = Find_Value(Parse_Profile(file.Bytes), section, key)) result = *v;
    }
    if (result.size() > max_chars) result.resize(max_chars);
    return result;
}

bool Profile_File::Put(const std::string& section, const std::string& key, const std::string& value,
                       std::string* error) {
    return Put_All({{section, key, value}}, error);
}

double Leading_Number(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        size_t exp_digits = 0;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j, ++exp_digits;
        if (exp_digits > 0) i = j;
    }
    return std::strtod(text.substr(start, i - start).c_str(), nullptr);
}

}  // namespace plonk
