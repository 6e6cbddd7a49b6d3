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

// The names of the lamps of every two-digit number, by number, lit and mid, made once.
using Lamp_Names = std::array<std::array<std::array<std::string, 2>, 2>, 100>;

const Lamp_Names kLamp_Names = [] {
    Lamp_Names n;
    for (int number = 0; number <= 99; ++number)
        for (int lit = 0; lit <= 1; ++lit)
            for (int mid = 0; mid <= 1; ++mid) n[number][lit][mid] = Lamp_Name(number, lit == 1, mid == 1);
    return n;
}();

const std::array<std::string, 10> kDigit_Files = {
    "Digit_0.bmp", "Digit_1.bmp", "Digit_2.bmp", "Digit_3.bmp", "Digit_4.bmp",
    "Digit_5.bmp", "Digit_6.bmp", "Digit_7.bmp", "Digit_8.bmp", "Digit_9.bmp",
};

const std::string kSign_Files[2] = {"Plus.bmp", "Min.bmp"};

}  // namespace

const std::string& Digit_File(char digit) {
    const char shown = digit >= '0' && digit <= '9' ? digit : '0';
    return kDigit_Files[static_cast<size_t>(shown - '0')];
}

const std::string& Sign_File(bool negative) { return kSign_Files[negative ? 1 : 0]; }

const std::string& Score_Board_File(int board, int level) {
    // By board and the last digit of the level.
    static const auto names = [] {
        const char* const boards[4] = {"GeleScore_", "RodeScore_", "WitteScore_", "GroeneScore_"};
        std::array<std::array<std::string, 10>, 4> n;
        for (size_t b = 0; b < n.size(); ++b)
            for (size_t digit = 0; digit < 10; ++digit)
                n[b][digit] = boards[b] + std::to_string(digit) + ".bmp";
        return n;
    }();
    const int last = level % 10;
    return names[static_cast<size_t>(board)][static_cast<size_t>(last < 0 ? -last : last)];
}

const std::string& Lamp_File(int number, bool lit, bool mid) {
    if (number >= 0 && number <= 99) return kLamp_Names[static_cast<size_t>(number)][lit][mid];
    thread_local std::string other;
    other = Lamp_Name(number, lit, mid);
    return other;
}

}  // namespace plonk
