// What the status line says as the machine reports one event after another. Each
// event with words replaces the line, with exceptions that keep a player from
// missing what happened:
//   - every payment of one action of the player (a ball, a scan, the press that
//     starts the next game) stays on the line: the payments are listed together,
//     and what the same action tells after them follows them;
//   - the end of a game's balls names what the game paid;
//   - a new game that starts right after the star game leaves the star game's result
//     on the line (it tells what the new game starts with), since both happen in the
//     same press;
//   - the same words again in a row (a held "Request extra balls" that wins nothing,
//     a second drained ball) count how often, so every try shows.
// The last lines shown are kept, so the line's tooltip can show them again.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "machine/event_text.h"

namespace plonk {

class Status_Words {
public:
    // The line's text after `e`; empty when the line stays as it is.
    std::string After(const Game_Event& e);
    // The player's next action begins: its payments are listed on their own.
    void Action() { action_paid_.clear(); }
    // Words of the window's own for the line, kept as the events' are.
    std::string Say(const std::string& words);
    // The lines shown last, oldest first.
    const std::deque<std::string>& History() const { return history_; }

    static constexpr size_t kHistory = 12;

private:
    std::string Line_Of(const Game_Event& e, const std::string& words);

    std::string words_;  // the last event's own words
    Game_Event_Kind kind_ = Game_Event_Kind::Points_Inserted;
    int times_ = 0;                         // how often in a row those words came
    std::vector<std::string> action_paid_;  // the payments of the player's present action
    std::vector<std::string> game_paid_;    // the payments of the game under way
    std::deque<std::string> history_;
};

}  // namespace plonk
