// Reading what the machine shows and plays, for tests.
#pragma once

#include <string>

#include "support/machine.h"

namespace plonk::test {

// The digits a row of digit controls shows, one character per control, read from
// their "Digit_N.bmp" pictures ("00042"); "?" for a control showing anything else.
template <class Row>
std::string Shown_Digits(const Row& row) {
    std::string shown;
    for (const Control& c : row) {
        const std::string name = Picture_Name(c);
        const bool digit = name.size() == 11 && name.rfind("Digit_", 0) == 0 && name.substr(7) == ".bmp";
        shown += digit ? name[6] : '?';
    }
    return shown;
}

}  // namespace plonk::test
