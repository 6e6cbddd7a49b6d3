// plonk-sim: the machine without a window.
//   plonk-sim run FILE|- [--ini PATH]   play a scenario script
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include <unistd.h>

#include "app/headless_toolkit.h"
#include "app/hoofdvenster.h"
#include "tools/sim/console.h"

namespace {

int Usage() {
    std::cerr << "usage: plonk-sim run FILE|- [--ini PATH]\n";
    return 2;
}

int Run(const std::string& script, std::string ini) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (script != "-") {
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
        std::string tmpl = (std::filesystem::temp_directory_path() / "plonk-sim-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) {
            std::cerr << "plonk-sim: cannot make a temporary folder\n";
            return 2;
        }
        temp_folder = tmpl;
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
        std::cout << "end\n";
        status = e.Status;
        running = false;
    } catch (const plonk::Not_Built_Yet& e) {
        std::cerr << "plonk-sim: start-up: " << e.Procedure << ": not built yet\n";
        status = 2;
        running = false;
    }
    if (running) status = console.Run(*in);
    if (!temp_folder.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(temp_folder, ec);
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || std::strcmp(argv[1], "run") != 0) return Usage();
    std::string script = argv[2];
    std::string ini;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--ini") == 0 && i + 1 < argc) ini = argv[++i];
        else return Usage();
    }
    return Run(script, ini);
}
