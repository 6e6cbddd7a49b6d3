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

// Whether the sound player of this build plays a requested sound: asks for sound 9
// once on a loaded machine and forgets the log. Tests of what is heard skip
// without it.
inline bool Sound_Player_Built(Machine& m) {
    m->Speel(9);
    const bool played = !m.Tk.Log.empty() && m.Tk.Log.back() == "sound 9";
    m.Tk.Log.clear();
    return played;
}

}  // namespace plonk::test

namespace plonk::test {

// Runs one event of the machine. Returns the name of the procedure not built yet
// that it reached, or "" when the event ran to its end.
template <class Event>
std::string Reached(Event&& event) {
    try {
        event();
    } catch (const Not_Built_Yet& e) {
        return e.Procedure;
    }
    return "";
}

}  // namespace plonk::test
