// What the machine tells its front ends as it happens: every event that changes the
// player's points or chances. The window shows them in its status line and marks the
// paid row on the card, the statistics count them, the console prints them; nobody
// has to read the screen back to learn what happened.
#pragma once

#include <cstdint>
#include <string>

#include "app/basic_types.h"

namespace plonk {

// The kinds of win, numbered 1..7 in the order a scan pays them. The first five are
// rows of a colour zone, the last two the card bonuses. The odds levels of the four
// colours are named by the first four.
enum class Win_Kind : int { Yellow = 1, Red, White, Green, Green_Double, Main_Bonus, Extra_Bonus };
inline constexpr int Win_Kind_Count = 7;

// What a point was spent on.
enum class Spend { Game_Start, Invest, Extra_Ball };

// What an invest during a game gave.
enum class Feature {
    Nothing,
    All_Levels_To_Two,  // the first invest after a lost star game
    Odds_Level,         // one colour's odds level up (Colour, Level)
    Three_Stars,        // the star game armed with three stars
    Two_Stars,          // the star game armed with two stars
    Four_Stars,
    Hit16,
    Corners,
    Fifth_Ball,
    Line_Level,  // the line level up (Level)
};
inline constexpr int Feature_Count = 10;

enum class Game_Event_Kind {
    Points_Inserted,  // Points: the points put in
    Point_Spent,      // Spent_On: what the point paid for
    Game_Started,     // Points, Spent: what the finished game paid and cost in all
    Feature_Drawn,    // Gave, Colour, Level
    Payment,          // Win, Count (3..5; 0 for a card bonus), Cells, Points: counted up next
    Payment_Counted,  // the count-up of the payment before it is over
    Green_Double,     // four flags put the green double in force
    Flag_Won,         // Count: the flags lit now
    Ball_Landed,      // Hole, Count: the balls played
    Ball_Drained,     // the ball ran out and is returned; it does not count
    Extra_Ball,       // Won; Count: balls in the game now; Odds: one in Odds for the next try (0: none left)
    Star_Game,        // Won; Level: the red level that sets the prize
    Game_Over,        // Points, Spent: the game's points so far; Count: balls played; Odds: one in
                      // Odds for a first extra ball (0: none can be won); Unpaid: what the card
                      // still holds for a scan, which the next invest collects
    Map_Missing,      // a shot without the playfield map: the ball is returned unplayed
    Close_Refused,    // a close asked for while a game runs: the machine closes only between games
};

struct Game_Event {
    Game_Event_Kind Kind = Game_Event_Kind::Points_Inserted;
    Win_Kind Win = Win_Kind::Yellow;  // a payment's kind; a raised odds level's colour
    Spend Spent_On = Spend::Invest;
    Feature Gave = Feature::Nothing;
    bool Won = false;
    int Count = 0;
    int Level = 0;
    int Hole = 0;
    int Odds = 0;
    long long Points = 0;
    long long Spent = 0;
    long long Unpaid = 0;
    uint64_t Cells = 0;  // card cells, bit line * 10 + column

    friend bool operator==(const Game_Event&, const Game_Event&) = default;
};

// The colour's name as the card shows it ("Yellow" .. "Green"; the green double and
// the bonuses by their own names).
std::string Win_Kind_Name(Win_Kind kind);

}  // namespace plonk
