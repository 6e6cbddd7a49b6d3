#include "app/picture_names.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>

namespace plonk {

namespace {

std::string Lamp_Name(int number, bool lit, bool mid) {
    // The last two characters of the text of number + 100: "01" .. "25".
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, number + 100).ptr;
    std::string name(end - std::min<std::ptrdiff_t>(2, end - digits), end);
    name += lit ? "-on" : "-off";
    if (mid) name += "-mid";
    name += ".gif";
    return name;
}

// The names of the holes' lamps, by hole, lit and mid, made once.
using Lamp_Names = std::array<std::array<std::array<std::string, 2>, 2>, 26>;

const Lamp_Names& Hole_Lamp_Names() {
    static const Lamp_Names names = [] {
        Lamp_Names n;
        for (int hole = 1; hole <= 25; ++hole)
            for (int lit = 0; lit <= 1; ++lit)
                for (int mid = 0; mid <= 1; ++mid) n[hole][lit][mid] = Lamp_Name(hole, lit == 1, mid == 1);
        return n;
    }();
    return names;
}

}  // namespace

const std::string& Digit_File(char digit) {
    static const std::array<std::string, 10> names = [] {
        std::array<std::string, 10> n;
        for (char d = '0'; d <= '9'; ++d)
            n[static_cast<size_t>(d - '0')] = std::string("Digit_") + d + ".bmp";
        return n;
    }();
    const char shown = digit >= '0' && digit <= '9' ? digit : '0';
    return names[static_cast<size_t>(shown - '0')];
}

const char* Sign_File(bool negative) { return negative ? "Min.bmp" : "Plus.bmp"; }

std::string Score_Board_File(int board, int level) {
    static const char* const boards[4] = {"GeleScore_", "RodeScore_", "WitteScore_", "GroeneScore_"};
    const std::string text = std::to_string(level);
    return boards[board] + text.substr(text.size() - 1) + ".bmp";
}

std::string Lamp_File(int number, bool lit, bool mid) {
    if (number >= 1 && number <= 25) return Hole_Lamp_Names()[number][lit][mid];
    return Lamp_Name(number, lit, mid);
}

}  // namespace plonk
