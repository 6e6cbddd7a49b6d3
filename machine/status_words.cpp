#include "machine/status_words.h"

namespace plonk {

namespace {

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : "; ") + part;
    return text;
}

}  // namespace

std::string Status_Words::After(const Game_Event& e) {
    // 1. An event with nothing to tell leaves the line alone.
    const std::string words = Event_Text(e);
    if (words.empty()) return {};
    if (e.Kind == Game_Event_Kind::Payment) {
        action_paid_.push_back(words);
        game_paid_.push_back(words);
    }
    // 2. The star game's result, which tells what the next game starts with, stays
    //    when that game starts.
    const bool after_star_game =
        e.Kind == Game_Event_Kind::Game_Started && kind_ == Game_Event_Kind::Star_Game;
    kind_ = e.Kind;
    if (e.Kind == Game_Event_Kind::Game_Started) game_paid_.clear();
    if (after_star_game) return {};
    // 3. The same words again are counted.
    const std::string line = Line_Of(e, words);
    if (line == words_) {
        ++times_;
        return Say(line + " (" + std::to_string(times_) + " times)");
    }
    words_ = line;
    times_ = 1;
    return Say(line);
}

std::string Status_Words::Line_Of(const Game_Event& e, const std::string& words) {
    // The payments of the present action together; the end of the balls with the
    // game's; anything after payments in the same action behind them.
    if (e.Kind == Game_Event_Kind::Payment) return Joined(action_paid_);
    if (e.Kind == Game_Event_Kind::Game_Over) return Game_Over_Text(e, Joined(game_paid_));
    if (!action_paid_.empty()) return Joined(action_paid_) + ". " + words;
    return words;
}

std::string Status_Words::Say(const std::string& words) {
    history_.push_back(words);
    if (history_.size() > kHistory) history_.pop_front();
    return words;
}

}  // namespace plonk
