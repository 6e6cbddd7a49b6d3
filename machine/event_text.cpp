// The events in the player's words.
#include "machine/event_text.h"

#include "features/star_prize.h"

namespace plonk {

namespace {

std::string Points_Text(long long n) {
    return std::to_string(n) + (n == 1 || n == -1 ? " point" : " points");
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return s;
}

std::string Line_Level_Text(int level) {
    std::string text = "line level " + std::to_string(level);
    if (level >= 6 && level <= 10) {
        const char last = static_cast<char>('A' + level - 6);
        text += last == 'A' ? " (line A movable)" : std::string(" (lines A to ") + last + " movable)";
    }
    return text;
}

std::string Feature_Text(const Game_Event& e) {
    switch (e.Gave) {
        case Feature::Nothing:
            return "Feature draw: nothing this time";
        case Feature::All_Levels_To_Two:
            return "Invest: every odds level up to 2";
        case Feature::Odds_Level:
            return "Feature draw: " + Lower(Win_Kind_Name(e.Win)) + " odds up to level " +
                   std::to_string(e.Level);
        case Feature::Three_Stars:
            return "Feature draw: star game with 3 stars";
        case Feature::Two_Stars:
            return "Feature draw: star game with 2 stars";
        case Feature::Four_Stars:
            return "Feature draw: 4 stars (all star numbers win green 5-in-line)";
        case Feature::Hit16:
            return "Feature draw: 16 hit adds a flag";
        case Feature::Corners:
            return "Feature draw: corners (all red circled numbers win red 5-in-line)";
        case Feature::Fifth_Ball:
            return "Feature draw: lines movable up to the 5th ball";
        case Feature::Line_Level:
            return "Feature draw: " + Line_Level_Text(e.Level);
    }
    return {};
}

std::string Payment_Text(const Game_Event& e) {
    const std::string points = Points_Text(e.Points);
    switch (e.Win) {
        case Win_Kind::Main_Bonus:
        case Win_Kind::Extra_Bonus:
            return Win_Kind_Name(e.Win) + ": " + points;
        case Win_Kind::Green_Double:
            return "Green double, row of " + std::to_string(e.Count) + ": " + points;
        default:
            return Win_Kind_Name(e.Win) + " zone, row of " + std::to_string(e.Count) + ": " + points;
    }
}

// What a won star game gives the next game, by the red level of the finished one.
std::string Star_Prize_Text(int red_level) {
    const Star_Prize p = Star_Prize_For(red_level);
    std::string text = "Star game won: next game yellow " + std::to_string(p.Yellow) + ", red " +
                       std::to_string(p.Red) + ", white " + std::to_string(p.White) + ", green " +
                       std::to_string(p.Green);
    if (p.Line_Level >= 6) text += ", lines A-" + std::string(1, static_cast<char>('A' + p.Line_Level - 6));
    text += p.Corners ? ", corners" : ", 4 stars";
    if (p.Fifth_Ball) text += ", 5th ball";
    return text;
}

std::string Extra_Ball_Text(const Game_Event& e) {
    std::string text =
        e.Won ? "Extra ball won: " + std::to_string(e.Count) + " balls" : "No extra ball this time";
    if (e.Odds > 0)
        text += "; next try 1 in " + std::to_string(e.Odds);
    else if (e.Won)
        text += ", the most a game can have";
    return text;
}

}  // namespace

std::string Event_Text(const Game_Event& e) {
    switch (e.Kind) {
        case Game_Event_Kind::Points_Inserted:
            return Points_Text(e.Points) + " inserted";
        case Game_Event_Kind::Point_Spent:
        case Game_Event_Kind::Payment_Counted:
            return {};
        case Game_Event_Kind::Game_Started:
            return "New game: invest more points to buy feature draws until the first ball lands";
        case Game_Event_Kind::Feature_Drawn:
            return Feature_Text(e);
        case Game_Event_Kind::Payment:
            return Payment_Text(e);
        case Game_Event_Kind::Green_Double:
            return "Four flags: the green double is in force";
        case Game_Event_Kind::Flag_Won:
            return "Hole 16 adds a flag: " + std::to_string(e.Count) + " of 4";
        case Game_Event_Kind::Ball_Landed:
            return "Ball " + std::to_string(e.Count) + " in hole " + std::to_string(e.Hole);
        case Game_Event_Kind::Ball_Drained:
            return "The ball ran into the drain and is returned";
        case Game_Event_Kind::Extra_Ball:
            return Extra_Ball_Text(e);
        case Game_Event_Kind::Star_Game:
            return e.Won ? Star_Prize_Text(e.Level) : "Star game lost: the next game starts at odds level 1";
        case Game_Event_Kind::Game_Over:
            return Game_Over_Text(e);
        case Game_Event_Kind::Map_Missing:
            return "The playfield map is missing: balls cannot land";
        case Game_Event_Kind::Close_Refused:
            return "The machine closes only between games: play this game's balls first";
    }
    return {};
}

std::string Game_Over_Text(const Game_Event& e, const std::string& paid) {
    // 1. Over, or only its balls are played while an extra ball can still be won.
    std::string text = e.Odds > 0 ? "All " + std::to_string(e.Count) + " balls played" : "Game over";
    // 2. What it paid and cost.
    text += ": " + Points_Text(e.Points) + " won";
    if (!paid.empty()) text += " (" + paid + ")";
    text += ", " + std::to_string(e.Spent) + " spent";
    // 3. What the player can do now.
    if (e.Unpaid > 0) text += "; rows still to collect: press S for " + Points_Text(e.Unpaid);
    if (e.Odds > 0) text += "; F2 can win more balls (1 in " + std::to_string(e.Odds) + ")";
    return text +
           (e.Unpaid > 0 ? "; F1 collects them and starts the next game" : "; F1 starts the next game");
}

}  // namespace plonk
