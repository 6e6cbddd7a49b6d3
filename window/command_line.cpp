#include "window/command_line.h"

#include <string_view>

namespace plonk {

std::string Version_Text() { return std::string("Plonk ") + PLONK_VERSION; }

int Answer_Command_Line(int argc, const char* const* argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version") {
            out << Version_Text() << "\n";
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            out << "Usage: plonk [--help] [--version]\n\n"
                   "Plonk is a coin-operated ball-and-card machine on your desktop: shoot balls into\n"
                   "numbered holes and light rows on the card. Help > How to play in the game's\n"
                   "window teaches the rules.\n\n"
                   "  --help     show this text and exit\n"
                   "  --version  show the version and exit\n\n"
                   "The game keeps its settings and your points in \"Plonk.ini\" in your\n"
                   "configuration folder.\n";
            return 0;
        }
    }
    return -1;
}

}  // namespace plonk
