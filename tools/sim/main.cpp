// plonk-sim: the machine without a window.
//   plonk-sim run FILE|- [--ini PATH]   play a scenario script
//   plonk-sim bench [MACHINES] [GAMES]  whole games: a signature of the behaviour, and the speed
//   plonk-sim holes [--balls N] [--seed S] [--taken N,N,..]  where that many balls end
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/headless_toolkit.h"
#include "app/hoofdvenster.h"
#include "tools/sim/bench.h"
#include "tools/sim/console.h"
#include "tools/sim/temp_folder.h"

namespace {

int Usage() {
    std::cerr << "usage: plonk-sim run FILE|- [--ini PATH]\n"
                 "       plonk-sim bench [MACHINES] [GAMES]\n"
                 "       plonk-sim holes [--balls N] [--seed S] [--taken N,N,..]\n";
    return 2;
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
    } catch (const plonk::Program_End& e) {
        // A start-up that ends the program says why, as the window's message would.
        if (e.Status != 0) {
            for (auto it = tk.Log.rbegin(); it != tk.Log.rend(); ++it)
                if (it->rfind("message ", 0) == 0) {
                    std::cerr << "plonk-sim: start-up: " << it->substr(it->find('|') + 1) << '\n';
                    break;
                }
        }
        std::cout << "end\n";
        status = e.Status;
        running = false;
    } catch (const plonk::Not_Built_Yet& e) {
        std::cerr << "plonk-sim: start-up: " << e.Procedure << ": not built yet\n";
        status = 2;
        running = false;
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

bool Count_Arg(const char* text, long* out) {
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (!end || *end != '\0' || v <= 0) return false;
    *out = v;
    return true;
}

// A list of hole numbers 1..25 separated by commas ("6,9,18,25").
bool Holes_Arg(const char* text, std::vector<int>* out) {
    out->clear();
    std::string item;
    std::istringstream list(text);
    while (std::getline(list, item, ',')) {
        long n = 0;
        if (!Count_Arg(item.c_str(), &n) || n > 25) return false;
        out->push_back(static_cast<int>(n));
    }
    return !out->empty();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "bench") == 0) {
        long machines = 20, games = 10;
        if (argc > 4 || (argc >= 3 && !Count_Arg(argv[2], &machines)) ||
            (argc >= 4 && !Count_Arg(argv[3], &games)))
            return Usage();
        return plonk::sim::Bench(static_cast<int>(machines), static_cast<int>(games));
    }
    if (argc >= 2 && std::strcmp(argv[1], "holes") == 0) {
        long balls = 100000, seed = 1;
        std::vector<int> taken;
        for (int i = 2; i < argc; i += 2) {
            if (i + 1 >= argc) return Usage();
            if (std::strcmp(argv[i], "--balls") == 0 && Count_Arg(argv[i + 1], &balls)) continue;
            if (std::strcmp(argv[i], "--seed") == 0 && Count_Arg(argv[i + 1], &seed)) continue;
            if (std::strcmp(argv[i], "--taken") == 0 && Holes_Arg(argv[i + 1], &taken)) continue;
            return Usage();
        }
        return plonk::sim::Holes(balls, static_cast<uint64_t>(seed), taken);
    }
    if (argc < 3 || std::strcmp(argv[1], "run") != 0) return Usage();
    std::string script = argv[2];
    std::string ini;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--ini") == 0 && i + 1 < argc)
            ini = argv[++i];
        else
            return Usage();
    }
    return Run(script, ini);
}
