// What the status line says as the machine reports one event after another. Each
// event with words replaces the line, with two exceptions that keep a player from
// missing what happened:
//   - a new game that starts right after the star game leaves the star game's result
//     on the line (it tells what the new game starts with), since both happen in the
//     same press;
//   - the same words again in a row (a held "Request extra balls" that wins nothing,
//     a second drained ball) count how often, so every try shows.
#pragma once

#include <string>

#include "machine/event_text.h"

namespace plonk {

class Status_Words {
public:
    // The line's text after `e`; empty when the line stays as it is.
    std::string After(const Game_Event& e);

private:
    std::string words_;  // the last event's own words
    Game_Event_Kind kind_ = Game_Event_Kind::Points_Inserted;
    int times_ = 0;  // how often in a row those words came
};

}  // namespace plonk
