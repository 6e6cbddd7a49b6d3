#include "app/profile_text.h"

#include <cctype>

namespace plonk {

namespace {

const std::string Bom_Bytes = "\xEF\xBB\xBF";

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

}  // namespace

Profile_Text Parse_Profile(const std::string& bytes) {
    Profile_Text text;
    size_t at = 0;
    if (bytes.compare(0, Bom_Bytes.size(), Bom_Bytes) == 0) {
        text.Bom = true;
        at = Bom_Bytes.size();
    }
    text.Open_End = bytes.size() > at && bytes.back() != '\n';
    // The file's line end is that of its first ended line whose own text does not end
    // in a carriage return: such a line is always ended by "\r\n", in either kind of
    // file, and tells nothing.
    bool line_end_known = false;
    while (at < bytes.size()) {
        size_t end = bytes.find('\n', at);
        const bool ended = end != std::string::npos;
        if (!ended) end = bytes.size();
        std::string line = bytes.substr(at, end - at);
        const bool cr = !line.empty() && line.back() == '\r';
        if (cr) line.pop_back();
        if (ended && !line_end_known && (line.empty() || line.back() != '\r')) {
            text.Line_End = cr ? "\r\n" : "\n";
            line_end_known = true;
        }
        text.Lines.push_back(std::move(line));
        at = end + 1;
    }
    return text;
}

std::string Render_Profile(const Profile_Text& text) {
    std::string bytes = text.Bom ? Bom_Bytes : std::string();
    // A line whose own text ends in a carriage return is ended by "\r\n", so that
    // reading, which takes that "\r" off, gives the text back whole; for the same
    // reason neither such a line nor an empty one is left open.
    for (size_t i = 0; i < text.Lines.size(); ++i) {
        const std::string& line = text.Lines[i];
        const bool cr = !line.empty() && line.back() == '\r';
        bytes += line;
        if (i + 1 < text.Lines.size() || !text.Open_End || cr || line.empty())
            bytes += cr ? "\r\n" : text.Line_End;
    }
    return bytes;
}

std::optional<std::string> Find_Value(const Profile_Text& text, const std::string& section,
                                      const std::string& key) {
    bool in_section = false;
    for (const std::string& line : text.Lines) {
        std::string name, k, v;
        if (Section_Name(line, &name)) {
            in_section = Same_Name(name, section);
        } else if (in_section && Key_Line(line, &k, &v) && Same_Name(k, key)) {
            return v;
        }
    }
    return std::nullopt;
}

void Set_Value(Profile_Text& text, const std::string& section, const std::string& key,
               const std::string& value) {
    std::vector<std::string>& lines = text.Lines;
    const std::string new_line = key + "=" + value;
    // 1. Look through the first section of that name only: its key line is
    //    replaced where it stands.
    bool in_section = false;
    size_t section_end = std::string::npos;  // one past the section's last non-blank line
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string name, k, v;
        if (Section_Name(lines[i], &name)) {
            if (in_section) break;
            in_section = Same_Name(name, section);
            if (in_section) section_end = i + 1;
        } else if (in_section) {
            if (Key_Line(lines[i], &k, &v) && Same_Name(k, key)) {
                lines[i] = new_line;
                return;
            }
            if (!Trim(lines[i]).empty()) section_end = i + 1;
        }
    }
    // 2. A missing key goes after the section's last line that is not blank; a
    //    missing section goes at the end of the file.
    if (section_end != std::string::npos) {
        lines.insert(lines.begin() + static_cast<long>(section_end), new_line);
    } else {
        lines.push_back("[" + section + "]");
        lines.push_back(new_line);
    }
}

}  // namespace plonk
