// The names the events give their kinds.
#include "app/game_events.h"

namespace plonk {

std::string Win_Kind_Name(Win_Kind kind) {
    switch (kind) {
        case Win_Kind::Yellow:
            return "Yellow";
        case Win_Kind::Red:
            return "Red";
        case Win_Kind::White:
            return "White";
        case Win_Kind::Green:
            return "Green";
        case Win_Kind::Green_Double:
            return "Green double";
        case Win_Kind::Main_Bonus:
            return "Main card bonus";
        case Win_Kind::Extra_Bonus:
            return "Extra card bonus";
    }
    return {};
}

}  // namespace plonk
