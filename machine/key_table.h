// The keys the machine answers, as a list any front end can show.
#pragma once

#include <vector>

#include "app/controls.h"

namespace plonk {

class Hoofdvenster;

struct Key_Use {
    char Key;                    // a letter in upper case; its lower case works alike
    const Control* Button;       // the button whose action the key runs
    bool Needs_Enabled = false;  // only while that button is enabled
    bool Needs_Held = false;     // only while that button is held down
};

// Every key of the machine's key handler, in the handler's order.
std::vector<Key_Use> Key_Uses(const Hoofdvenster& m);

}  // namespace plonk
