// plonk-sim: the machine without a window.
//   plonk-sim run [--ini PATH] FILE|-   play a scenario script
//   plonk-sim bench [MACHINES] [GAMES]  whole games: a signature of the behaviour, and the speed
//   plonk-sim holes [--balls N] [--seed S] [--taken N,N,..] [--kick P]  where that many balls end
//   plonk-sim payout --games N [--threads T] [--seed S] [--invest K] [--extra-balls never|always|N]
//                    [--lines none|auto|tips] [--csv FILE]  what the machine pays back
// Options may stand anywhere after the command; --help or -h prints the usage.
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "machine/headless_toolkit.h"
#include "machine/hoofdvenster.h"
#include "tools/sim/bench.h"
#include "tools/sim/console.h"
#include "tools/sim/payout.h"
#include "tools/sim/temp_folder.h"

namespace {

const char kUsage[] =
    "usage: plonk-sim run [--ini PATH] FILE|-\n"
    "       plonk-sim bench [MACHINES] [GAMES]\n"
    "       plonk-sim holes [--balls N] [--seed S] [--taken N,N,..] [--kick P]\n"
    "       plonk-sim payout --games N [--threads T] [--seed S] [--invest K]\n"
    "                        [--extra-balls never|always|N] [--lines none|auto|tips]\n"
    "                        [--speed random|best|N] [--csv FILE]\n"
    "       plonk-sim --help\n";

// A wrong command line: the usage on standard error, status 2.
int Usage() {
    std::cerr << kUsage;
    return 2;
}

// The words after the command: options with a value ("--ini PATH" or "--ini=PATH")
// anywhere among the other words, the last of an option counting; after "--" every
// word is a plain one.
struct Command_Line {
    std::vector<std::string> Words;
    std::map<std::string, std::string> Options;
};

// False when an option is not one of `known` or has no value.
bool Parse(int argc, char** argv, std::initializer_list<std::string_view> known, Command_Line* out) {
    bool options = true;
    for (int i = 2; i < argc; ++i) {
        const std::string word = argv[i];
        if (!options || word == "-" || word.rfind("-", 0) != 0) {
            out->Words.push_back(word);
            continue;
        }
        if (word == "--") {
            options = false;
            continue;
        }
        const size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        bool is_known = false;
        for (std::string_view k : known) is_known = is_known || k == name;
        if (!is_known) return false;
        if (equals != std::string::npos)
            out->Options[name] = word.substr(equals + 1);
        else if (i + 1 < argc)
            out->Options[name] = argv[++i];
        else
            return false;
    }
    return true;
}

int Run(const std::string& script, std::string ini) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (script != "-") {
        // A folder opens like a file but reads as nothing: it is refused by name.
        std::error_code ec;
        if (std::filesystem::is_directory(script, ec)) {
            std::cerr << "plonk-sim: cannot read " << script << ": it is a folder\n";
            return 2;
        }
        file.open(script);
        if (!file) {
            std::cerr << "plonk-sim: cannot read " << script << '\n';
            return 2;
        }
        in = &file;
    }
    // Without --ini the settings live in a new temporary file, removed at the end.
    std::string temp_folder;
    if (ini.empty()) {
        std::string error;
        temp_folder = plonk::sim::Make_Temp_Folder("plonk-sim-", &error);
        if (temp_folder.empty()) {
            std::cerr << "plonk-sim: " << error << '\n';
            return 2;
        }
        ini = temp_folder + "/Plonk.ini";
    }

    plonk::Headless_Toolkit tk;
    plonk::Hoofdvenster machine(tk, ini);
    plonk::sim::Console console(machine, tk, std::cout, std::cerr);
    int status = 0;
    bool running = true;
    try {
        machine.Form_Load();
        if (machine.Ended) {
            // A start-up that ends the program says why, as the window's message would.
            if (tk.End_Status != 0 && !tk.Last_Message.empty())
                std::cerr << "plonk-sim: start-up: " << tk.Last_Message << '\n';
            std::cout << "end\n";
            status = tk.End_Status;
            running = false;
        }
    } catch (const std::exception& e) {
        std::cerr << "plonk-sim: start-up: " << e.what() << '\n';
        status = 2;
        running = false;
    }
    if (running) {
        status = console.Run(*in);
        if (in->bad()) {
            std::cerr << "plonk-sim: cannot read " << script << '\n';
            status = 2;
        }
    }
    if (!temp_folder.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(temp_folder, ec);
    }
    return status;
}

bool Count_Arg(const std::string& text, long* out) {
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || !end || *end != '\0' || v <= 0 || errno != 0) return false;
    *out = v;
    return true;
}

// A count the program can hold, from 1 to `most`; otherwise false, with why on
// standard error.
bool Count_Within(const std::string& text, const char* name, long most, long* out) {
    if (Count_Arg(text, out) && *out <= most) return true;
    std::cerr << "plonk-sim: " << name << " must be a whole number from 1 to " << most << ", not " << text
              << '\n';
    return false;
}

// A chance from 0 to 1.
bool Chance_Arg(const std::string& text, double* out) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || !end || *end != '\0' || !(v >= 0 && v <= 1)) return false;
    *out = v;
    return true;
}

// A list of hole numbers 1..25 separated by commas ("6,9,18,25").
bool Holes_Arg(const std::string& text, std::vector<int>* out) {
    out->clear();
    std::string item;
    std::istringstream list(text);
    while (std::getline(list, item, ',')) {
        long n = 0;
        if (!Count_Arg(item, &n) || n > 25) return false;
        out->push_back(static_cast<int>(n));
    }
    return !out->empty();
}

// A whole number from `low` to `high`.
bool Number_Arg(const std::string& text, long low, long high, long* out) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || !end || *end != '\0' || v < low || v > high) return false;
    *out = v;
    return true;
}

// The payout analysis's options; false when one is missing or wrong.
bool Payout_Args(const Command_Line& line, plonk::sim::Payout_Options* o) {
    using plonk::sim::Extra_Policy;
    using plonk::sim::Lines_Policy;
    if (!line.Words.empty() || !line.Options.count("--games")) return false;
    for (const auto& [name, value] : line.Options) {
        long v = 0;
        bool ok = true;
        if (name == "--games") {
            ok = Count_Within(value, "--games", 100'000'000, &o->Games);
        } else if (name == "--threads") {
            ok = Number_Arg(value, 1, 256, &v), o->Threads = static_cast<int>(v);
        } else if (name == "--seed") {
            // Digits only, within 64 bits: no sign, no blank, no wrap-around.
            char* end = nullptr;
            errno = 0;
            o->Seed = std::strtoull(value.c_str(), &end, 10);
            ok = !value.empty() && std::isdigit(static_cast<unsigned char>(value[0])) && *end == '\0' &&
                 errno == 0;
        } else if (name == "--invest") {
            ok = Number_Arg(value, 0, 10000, &v), o->Invest = static_cast<int>(v);
        } else if (name == "--extra-balls") {
            o->Extra = value == "never"    ? Extra_Policy::Never
                       : value == "always" ? Extra_Policy::Always
                                           : Extra_Policy::Tries;
            if (o->Extra == Extra_Policy::Tries)
                ok = Number_Arg(value, 1, 10000, &v), o->Extra_Tries = static_cast<int>(v);
        } else if (name == "--speed") {
            if (value == "random" || value == "best")
                o->Speed = value == "best" ? -1 : 0;
            else
                ok = Number_Arg(value, 38, 100, &v), o->Speed = static_cast<int>(v);
        } else if (name == "--lines") {
            ok = value == "none" || value == "auto" || value == "tips";
            o->Lines = value == "none"   ? Lines_Policy::None
                       : value == "auto" ? Lines_Policy::Auto
                                         : Lines_Policy::Tips;
        } else {
            ok = !value.empty();
            o->Csv = value;
        }
        if (!ok) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kUsage;
            return 0;
        }
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    Command_Line line;
    if (command == "bench") {
        long machines = 20, games = 10;
        if (!Parse(argc, argv, {}, &line) || line.Words.size() > 2) return Usage();
        constexpr long most = std::numeric_limits<int>::max();
        if ((line.Words.size() >= 1 && !Count_Within(line.Words[0], "MACHINES", most, &machines)) ||
            (line.Words.size() >= 2 && !Count_Within(line.Words[1], "GAMES", most, &games)))
            return 2;
        return plonk::sim::Bench(static_cast<int>(machines), static_cast<int>(games));
    }
    if (command == "holes") {
        long balls = 100000, seed = 1;
        double kick = 0;
        std::vector<int> taken;
        if (!Parse(argc, argv, {"--balls", "--seed", "--taken", "--kick"}, &line) || !line.Words.empty())
            return Usage();
        for (const auto& [name, value] : line.Options) {
            const bool ok = name == "--balls"   ? Count_Arg(value, &balls)
                            : name == "--seed"  ? Count_Arg(value, &seed)
                            : name == "--taken" ? Holes_Arg(value, &taken)
                                                : Chance_Arg(value, &kick);
            if (!ok) return Usage();
        }
        return plonk::sim::Holes(balls, static_cast<uint64_t>(seed), taken, kick);
    }
    if (command == "payout") {
        plonk::sim::Payout_Options options;
        if (!Parse(argc, argv,
                   {"--games", "--threads", "--seed", "--invest", "--extra-balls", "--lines", "--speed",
                    "--csv"},
                   &line) ||
            !Payout_Args(line, &options))
            return Usage();
        return plonk::sim::Payout(options);
    }
    if (command == "run") {
        if (!Parse(argc, argv, {"--ini"}, &line) || line.Words.size() != 1) return Usage();
        return Run(line.Words[0], line.Options["--ini"]);
    }
    return Usage();
}
