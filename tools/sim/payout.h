// The payout analysis: many whole games played headless by a player who follows one
// policy, and what the machine paid back.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace plonk::sim {

// How the player asks for extra balls once the game's balls are played.
enum class Extra_Policy { Never, Always, Tries };
// How the player moves the lines: never (scanning by hand after every ball from the
// 4th), by the automatic scan, or by "Set Lines" on the tips (scanning by hand).
enum class Lines_Policy { None, Auto, Tips };

struct Payout_Options {
    long Games = 0;
    int Threads = 1;
    uint64_t Seed = 1;
    int Invest = 0;  // invest points bought after the start of each game
    Extra_Policy Extra = Extra_Policy::Never;
    int Extra_Tries = 0;  // with Extra_Policy::Tries: requests at most, per game
    Lines_Policy Lines = Lines_Policy::Auto;
    // The start speed of every shot: drawn at random (0), the best for the next ball
    // (-1), or this one (38..100).
    int Speed = 0;
    std::string Csv;  // one row per game, when not empty
};

// Games are played in chains of this many, each chain on a fresh machine: a session
// at the machine, from its start-up, with the invest range, the bonuses, the flags
// and an armed star game carried from game to game.
inline constexpr long Games_Per_Chain = 1000;

// What a feature draw gave, by kind; and the first invest after a lost star game,
// which lifts every level to 2 without a draw.
enum class Gift : int {
    Nothing,
    Levels_To_Two,
    Yellow_Level,
    Red_Level,
    White_Level,
    Green_Level,
    Three_Stars,
    Two_Stars,
    Four_Stars,
    Hit16,
    Corners,
    Fifth_Ball,
    Line_Level,
};
inline constexpr int Gift_Count = 13;
inline constexpr std::array<const char*, Gift_Count> Gift_Names = {
    "nothing",   "levels to 2", "yellow level", "red level", "white level", "green level", "three stars",
    "two stars", "four stars",  "16-hit",       "corners",   "fifth ball",  "line level",
};

// One game as the player saw it.
struct Game_Record {
    int32_t Spent = 0;  // points spent: the start, the invests and the extra-ball requests
    int32_t Won = 0;    // points paid for the game's card
    uint16_t Extra_Asked = 0;
    uint8_t Balls = 0;        // the balls the game had in the end
    bool Star_Start = false;  // it began with the head start of a won star game
    std::array<uint16_t, Gift_Count> Gifts{};
};

// Plays the games, prints the report and writes the rows. Returns the exit status.
int Payout(const Payout_Options& options);

}  // namespace plonk::sim
