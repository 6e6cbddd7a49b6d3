// The text of a settings file, as the classic profile functions see it: [Section]
// and Key=Value lines, names compared without regard to case, and every other line
// (comments, blank lines, sections of other programs) kept exactly as it was.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace plonk {

struct Profile_Text {
    bool Bom = false;                // the file began with a UTF-8 byte-order mark
    std::vector<std::string> Lines;  // without their line ends
    std::string Line_End = "\n";     // the file's own: "\r\n" when its first telling line ends so
    bool Open_End = false;           // its last line has no line end
};

// The lines of the file's bytes. A leading byte-order mark is set aside; a line
// may end in "\n" or "\r\n".
Profile_Text Parse_Profile(const std::string& bytes);

// The bytes of the file: the byte-order mark when it had one, every line ended as
// the file's lines were (the last one left open when it was), so reading them again
// gives the same lines.
std::string Render_Profile(const Profile_Text& text);

// The value of the key, found in any section of that name (the first such line
// counts), without blanks around it or quotes around it; none when it is missing.
std::optional<std::string> Find_Value(const Profile_Text& text, const std::string& section,
                                      const std::string& key);

// Replace the key's line in the first section of that name, or add the key at the
// end of that section, or the section with the key at the end of the file.
void Set_Value(Profile_Text& text, const std::string& section, const std::string& key,
               const std::string& value);

}  // namespace plonk
