// A whole run on any settings file: start-up, a game, and the save at the close.
// Whatever the file held, the game never crashes or overflows; a writable file
// afterwards gives back exactly the values the game closed with and keeps every line
// of the user's; anything else is left as it was and the save says why.
// Input: byte 0 picks what the file is (a file, a link to one, a read-only file, a
// FIFO, a folder); the rest is the file's text.
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/profile_text.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace plonk;
using plonk::fuzz::Check;
namespace fs = std::filesystem;

enum Form { Plain, Link, Read_Only, Fifo, Folder, Forms };

std::string Read_Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The nine values, as the record holds them.
std::vector<long long> Values(const Hoofdvenster& h) {
    return {h.Main_Bonus,        h.Extra_Bonus, h.Flags_Count, h.Invest_Range, h.Ball_Speed,
            h.Ball_Speed_Offset, h.Main_Score,  h.Stake_Score, h.Saldo_Score};
}

// The lines that are not the game's own "Key=..." lines: a close changes none of
// them and adds only section lines after them.
std::vector<std::string> Users_Lines(const std::string& bytes) {
    std::vector<std::string> kept;
    for (const std::string& line : Parse_Profile(bytes).Lines) {
        const size_t eq = line.find('=');
        std::string key = eq == std::string::npos ? "" : line.substr(0, eq);
        key.erase(0, key.find_first_not_of(" \t"));
        key.erase(key.find_last_not_of(" \t\r") + 1);
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        bool own = false;
        for (const char* k : {"main", "extra", "vlaggen", "faktor", "value", "stake", "saldo"})
            own |= key == k;
        if (!own) kept.push_back(line);
    }
    return kept;
}

// Insert, invest, play the game's balls and one extra-ball request.
void Play(Hoofdvenster& h) {
    h.Knop_P_Click();
    for (int i = 0; i < 3; ++i) h.Invest_Points();
    for (int shot = 0; shot < 12 && h.Balls_Played < h.Balls_In_Game; ++shot) {
        h.Start_Speed = static_cast<Integer>(40 + 5 * shot);
        h.Knop_Bal_Click();
        if (h.Balls_Played == 5) h.Request_Extra_Ball();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size - 1 > Profile_File::Largest) return 0;
    const Form form = static_cast<Form>(data[0] % Forms);
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    // 1. The settings file in its form.
    const std::string ini = plonk::fuzz::Fresh("Plonk.ini"), target = plonk::fuzz::Fresh("target.ini");
    if (form == Plain || form == Read_Only) std::ofstream(ini, std::ios::binary) << bytes;
    if (form == Link) {
        std::ofstream(target, std::ios::binary) << bytes;
        fs::create_symlink("target.ini", ini);
    }
    if (form == Read_Only) ::chmod(ini.c_str(), 0444);
    if (form == Fifo) ::mkfifo(ini.c_str(), 0644);
    if (form == Folder) fs::create_directory(ini);

    // 2. Start, play and close, saying Yes to keeping the score.
    plonk::fuzz::Fuzz_Machine run(ini);
    Hoofdvenster& h = run.M;
    std::vector<long long> closed;
    try {
        h.Form_Load();
        if (form == Fifo || form == Folder)
            Check(Values(h) == std::vector<long long>{1000, 1000, 0, 15, 50, 1, 0, 0, 0}, "read as missing");
        Play(h);
        Check(!h.Ended, "only the close ends the program");
        closed = Values(h);
        h.Knop_Sluiten_Click();
        Check(h.Ended && run.Tk.End_Status == 0, "the close ends the program");
    } catch (const plonk::fuzz::Over_Budget&) {
        return 0;
    }

    // 3. What the save left.
    const bool writable = form == Plain || form == Link;
    Check(h.Settings_Write_Error.empty() == writable,
          "the save fails exactly when it must: " + h.Settings_Write_Error);
    if (!writable) {
        if (form == Read_Only) Check(Read_Bytes(ini) == bytes, "a read-only file is kept");
        struct stat st {};
        Check(::lstat(ini.c_str(), &st) == 0 && (form != Fifo || S_ISFIFO(st.st_mode)) &&
                  (form != Folder || S_ISDIR(st.st_mode)),
              "what is not a file stays as it was");
        return 0;
    }
    if (form == Link) Check(fs::is_symlink(ini), "the link is kept");
    plonk::fuzz::Fuzz_Machine next(ini);
    next.M.Haal_Parameters();
    Check(Values(next.M) == closed, "the values read back are those closed with");
    const std::vector<std::string> old_lines = Users_Lines(bytes), new_lines = Users_Lines(Read_Bytes(ini));
    Check(new_lines.size() >= old_lines.size() &&
              std::equal(old_lines.begin(), old_lines.end(), new_lines.begin()),
          "the user's lines are kept in their order");
    return 0;
}
