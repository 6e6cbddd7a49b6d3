// The settings-file layer: any file, one of the game's values put into it, written,
// and read back. Every other line stays where it was, and the file on disk is the
// text the layer made.
// Input: byte 0 picks the section and key, byte 1 the number; the rest is the file.
#include <fstream>
#include <iterator>
#include <vector>

#include "app/basic_types.h"
#include "app/profile_file.h"
#include "app/profile_text.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace plonk;
using plonk::fuzz::Check;

struct Setting {
    const char* Section;
    const char* Key;
};
constexpr Setting Settings[9] = {
    {"Bonus", "Main"},   {"Bonus", "Extra"}, {"Score", "Vlaggen"},
    {"Score", "Faktor"}, {"Speed", "Value"}, {"Speed_Offset", "Value"},
    {"Score", "Main"},   {"Score", "Stake"}, {"Score", "Saldo"},
};

// The lines after one value was put: the same lines but for one replaced, one
// inserted, or a section with its key added at the end; the new line is `line`.
bool One_Change(const std::vector<std::string>& before, const std::vector<std::string>& after,
                const std::string& line) {
    size_t i = 0;
    while (i < before.size() && i < after.size() && before[i] == after[i]) ++i;
    if (after.size() < before.size()) return false;
    switch (after.size() - before.size()) {
        case 0:  // replaced where it stood (perhaps by the same text)
            return i == before.size() ||
                   (after[i] == line && std::equal(before.begin() + static_cast<long>(i) + 1, before.end(),
                                                   after.begin() + static_cast<long>(i) + 1));
        case 1:  // inserted
            return after[i] == line && std::equal(before.begin() + static_cast<long>(i), before.end(),
                                                  after.begin() + static_cast<long>(i) + 1);
        case 2:  // a new section at the end
            return i == before.size() && after.back() == line;
    }
    return false;
}

std::string Read_Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const Setting& s = Settings[data[0] % 9];
    const long long number = static_cast<int8_t>(data[1]) * 16777259LL;
    const std::string value = Str(number), bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    // 1. In memory: the value is found again, the others are as they were, the
    //    lines changed by one, and the text survives being written and read.
    const Profile_Text before = Parse_Profile(bytes);
    Profile_Text after = before;
    Set_Value(after, s.Section, s.Key, value);
    Check(Find_Value(after, s.Section, s.Key) == std::to_string(number), "the value put is read back");
    for (const Setting& other : Settings)
        if (&other != &s && !(std::string(other.Section) == s.Section && std::string(other.Key) == s.Key))
            Check(Find_Value(after, other.Section, other.Key) == Find_Value(before, other.Section, other.Key),
                  "another value is unchanged");
    Check(One_Change(before.Lines, after.Lines, std::string(s.Key) + "=" + value), "one line changed");
    const std::string text = Render_Profile(after);
    const Profile_Text again = Parse_Profile(text);
    Check(again.Lines == after.Lines && again.Bom == before.Bom, "the text reads back as written");

    // 2. On disk: the file becomes exactly that text, the value reads back, and
    //    putting it again changes nothing.
    if (bytes.size() > Profile_File::Largest) return 0;
    const std::string path = plonk::fuzz::Fresh("Plonk.ini");
    std::ofstream(path, std::ios::binary) << bytes;
    Profile_File file(path);
    std::string error;
    Check(file.Put(s.Section, s.Key, value, &error), "the file is written: " + error);
    Check(Read_Bytes(path) == text, "the file holds the text");
    Check(file.Get(s.Section, s.Key, "?") == std::to_string(number).substr(0, 144),
          "the file gives the value");
    Check(file.Put(s.Section, s.Key, value, &error) && Read_Bytes(path) == text,
          "a second put changes nothing");
    return 0;
}
