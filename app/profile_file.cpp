#include "app/profile_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace plonk {

namespace {

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return "";
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

bool Same_Name(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (std::tolower(x) != std::tolower(y)) return false;
    }
    return true;
}

std::vector<std::string> Read_Lines(const std::string& path, bool* exists) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    *exists = static_cast<bool>(in);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// "[Name]" gives true and the name.
bool Section_Name(const std::string& line, std::string* name) {
    std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[') return false;
    size_t close = t.find(']');
    if (close == std::string::npos) return false;
    *name = Trim(t.substr(1, close - 1));
    return true;
}

// "Key=Value" gives true, the key and the value.
bool Key_Line(const std::string& line, std::string* key, std::string* value) {
    std::string t = Trim(line);
    if (t.empty() || t[0] == ';') return false;
    size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    *key = Trim(line.substr(0, eq));
    *value = Trim(line.substr(eq + 1));
    if (value->size() >= 2 && (value->front() == '"' || value->front() == '\'') &&
        value->back() == value->front())
        *value = value->substr(1, value->size() - 2);
    return true;
}

std::string Parent_Folder(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

std::string Profile_File::Get(const std::string& section, const std::string& key, const std::string& fallback,
                              size_t max_chars) const {
    bool exists = false;
    std::vector<std::string> lines = Read_Lines(path_, &exists);
    std::string result = fallback;
    bool in_section = false;
    for (const std::string& line : lines) {
        std::string name, k, v;
        if (Section_Name(line, &name)) {
            in_section = Same_Name(name, section);
        } else if (in_section && Key_Line(line, &k, &v) && Same_Name(k, key)) {
            result = v;
            break;
        }
    }
    if (result.size() > max_chars) result.resize(max_chars);
    return result;
}

bool Profile_File::Put(const std::string& section, const std::string& key, const std::string& value,
                       std::string* error) {
    bool exists = false;
    std::vector<std::string> lines = Read_Lines(path_, &exists);
    const std::string new_line = key + "=" + value;

    bool in_section = false, done = false;
    size_t section_end = std::string::npos;  // one past the section's last non-blank line
    for (size_t i = 0; i < lines.size() && !done; ++i) {
        std::string name, k, v;
        if (Section_Name(lines[i], &name)) {
            if (in_section) break;
            in_section = Same_Name(name, section);
            if (in_section) section_end = i + 1;
        } else if (in_section) {
            if (Key_Line(lines[i], &k, &v) && Same_Name(k, key)) {
                lines[i] = new_line;
                done = true;
            } else if (!Trim(lines[i]).empty()) {
                section_end = i + 1;
            }
        }
    }
    if (!done) {
        if (section_end != std::string::npos) {
            lines.insert(lines.begin() + static_cast<long>(section_end), new_line);
        } else {
            lines.push_back("[" + section + "]");
            lines.push_back(new_line);
        }
    }

    // The folder is made when it is missing; the new text goes to a temporary file
    // beside the old one, which is then replaced in one step.
    const std::string folder = Parent_Folder(path_);
    ::mkdir(folder.c_str(), 0755);
    const std::string temp = path_ + ".tmp";
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        if (error) *error = std::strerror(errno);
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    int write_errno = ok ? 0 : errno;
    ok = (std::fflush(f) == 0) && ok;
    if (ok && ::fsync(fileno(f)) != 0) ok = false;
    if (!ok && write_errno == 0) write_errno = errno;
    std::fclose(f);
    if (ok && std::rename(temp.c_str(), path_.c_str()) != 0) {
        ok = false;
        write_errno = errno;
    }
    if (!ok) {
        std::remove(temp.c_str());
        if (error) *error = std::strerror(write_errno ? write_errno : EIO);
    }
    return ok;
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
