#include "machine/status_words.h"

namespace plonk {

std::string Status_Words::After(const Game_Event& e) {
    // 1. An event with nothing to tell leaves the line alone.
    std::string words = Event_Text(e);
    if (words.empty()) return {};
    // 2. The star game's result, which tells what the next game starts with, stays
    //    when that game starts.
    const bool after_star_game =
        e.Kind == Game_Event_Kind::Game_Started && kind_ == Game_Event_Kind::Star_Game;
    kind_ = e.Kind;
    if (after_star_game) return {};
    // 3. The same words again are counted.
    if (words == words_) {
        ++times_;
        return words + " (" + std::to_string(times_) + " times)";
    }
    words_ = words;
    times_ = 1;
    return words;
}

}  // namespace plonk
