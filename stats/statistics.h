// The player's statistics: what the machine took and paid over all the games played,
// and how each of the last hundred games went. They are counted from the events the
// machine reports, never read off the screen.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

#include "app/game_events.h"

namespace plonk {

// What one game cost and paid.
struct Game_Record {
    int64_t Spent = 0;
    int64_t Won = 0;
    int64_t Net() const { return Won - Spent; }
    bool operator==(const Game_Record&) const = default;
};

inline constexpr int Spend_Kinds = 3;      // indexed by Spend
inline constexpr int Prize_Levels = 9;     // a star prize by the red level 1..9 that gave it
inline constexpr size_t Games_Kept = 100;  // the last games whose results are kept
// Every count and every game's points stay within this bound: a count that would pass
// it stays at it, and the file holds no larger one.
inline constexpr int64_t Largest_Count = 1'000'000'000'000'000;

// `count` + `amount`, held within 0 .. Largest_Count.
int64_t Bounded_Sum(int64_t count, int64_t amount);

struct Statistics {
    int64_t Games_Played = 0;
    int64_t Points_Inserted = 0;
    std::array<int64_t, Spend_Kinds> Spent_On{};      // by Spend
    std::array<int64_t, Win_Kind_Count> Won_By{};     // by Win_Kind - 1
    std::array<int64_t, Prize_Levels> Star_Prizes{};  // won star games by red level - 1
    int64_t Extra_Balls_Asked = 0, Extra_Balls_Won = 0;
    int64_t Star_Games_Played = 0, Star_Games_Won = 0;
    std::array<int64_t, Feature_Count> Draws{};  // feature draws bought, by what they gave
    std::optional<Game_Record> Best;             // the game with the highest net result
    std::deque<Game_Record> Last_Games;          // oldest first, at most Games_Kept

    int64_t Spent() const;
    int64_t Won() const;
    int64_t Draws_Bought() const;
    // Points won per point spent; none before anything was spent.
    std::optional<double> Return_To_Player() const;
    bool operator==(const Statistics&) const = default;
};

// The better of two games: the higher net result; a tie keeps the earlier one.
std::optional<Game_Record> Better_Game(const std::optional<Game_Record>& earlier, const Game_Record& later);

// Counts the events into the statistics, game by game.
//
// A game begins with the point that starts it and enters the statistics at its end
// (the machine's game over): it counts as played, joins the last games and may be the
// best. Until the next game starts it stays open: a late collect, an extra ball asked
// for after the end, or a second end after a won extra ball changes its entry in
// place. A game running when the statistics were reset enters them at its end with
// what it did after the reset.
class Statistics_Counter {
public:
    Statistics_Counter() = default;
    explicit Statistics_Counter(Statistics kept) : data_(std::move(kept)) {}

    // Count the event; true when it changed the statistics.
    bool Count(const Game_Event& e);
    // Forget everything counted; a game under way goes on being counted.
    void Reset();

    // The statistics now, the open game included.
    const Statistics& Data() const { return data_; }
    // A ball game is under way: between the start of a game (or a won extra ball)
    // and its end.
    bool In_Play() const { return in_play_; }

private:
    void Start_Game();
    void End_Game();
    void Changed_Game();

    Statistics data_;
    Game_Record game_;                        // the game under way or the open one
    bool entered_ = false;                    // `game_` is the newest of the last games
    std::optional<Game_Record> best_before_;  // the best before the open game entered
    bool in_play_ = false;
};

}  // namespace plonk
