// Where the next shot will go, exactly: for every start speed, how many of its 202
// equally likely shots without the space bar end in each hole and in the drain.
//
// A shot's two draws give the ball's fraction of a pixel (0..100) and a hundredth of
// extra speed (0 or 1), so at each start speed there are 101 x 2 starts, each as
// likely as any other; the table of every flight tells where each of them ends with
// the holes taken as they are. Nothing is flown and nothing in the machine changes.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "playfield/flight_table.h"

namespace plonk {

inline constexpr int Shots_Per_Speed = Flight_Table::Start_Fractions * 2;
inline constexpr int Start_Speed_Count = App_Part::Start_Speed_Count;

// The shots of one start speed, by where they end.
struct Speed_Odds {
    int Speed = 0;
    std::array<int, 26> Hole{};  // by hole number 1..25
    int Drain = 0;               // drained, or lost and returned as a drained ball
    int Landed() const { return Shots_Per_Speed - Drain; }
};

using Shot_Odds = std::array<Speed_Odds, Start_Speed_Count>;

// The shots of every start speed of the table (0..63, as Flight_Table::Start_Of takes
// it), by where they end: in hole 1..25, or drained or lost (Flight_Table::No_Hole).
using Start_Ends = std::array<std::array<int, Flight_Table::No_Hole + 1>, Flight_Table::Start_Speeds>;

// The shots of every start speed 38..100 (index speed - 38) with the holes `taken`
// (bit n for hole n) taken.
Shot_Odds Odds_Of_Shots(const Flight_Table& flights, uint32_t taken);

// The odds of the patterns of taken holes met lately, in 4096 places (about 7 MB), for
// a caller that asks about the same few patterns again and again (a player who
// follows the advice before every shot). A pattern may lie in either of two places;
// a new one takes the place of the pair that was asked about less lately. A pattern
// not kept is worked out from the nearer of the last one worked out and none taken:
// only the shots whose flights asked about a hole taken in one and not in the other
// are followed again. It gives what Odds_Of_Shots gives.
class Shot_Odds_Memo {
public:
    Shot_Odds Of(const Flight_Table& flights, uint32_t taken);
    // The pair of places where the odds of `taken` may lie.
    static size_t Pair_Of(uint32_t taken) { return (taken * 0x9E3779B1u) >> (32 - Pair_Bits); }

private:
    static constexpr int Pair_Bits = 11;
    static_assert(Shots_Per_Speed <= 255, "a speed's shots are counted in a byte");
    struct Place {
        const Flight_Table* Flights = nullptr;
        uint32_t Taken = 0;
        bool Lately = false;  // asked about after the other place of its pair
        std::array<std::array<uint8_t, 27>, Start_Speed_Count> Ends{};  // by hole 0..25, then the drain
    };
    std::vector<Place> places_;

    static constexpr int Block = 8;
    static constexpr int Blocks = (Flight_Table::Start_Fractions + Block - 1) / Block;  // of a speed
    // Every start's flight for the pattern last worked out, speed by speed and in each
    // fraction by fraction: where it ends and the holes it asked about; and the ends
    // counted.
    struct Walks {
        uint32_t Taken = 0;
        std::vector<uint8_t> Hole;
        std::vector<uint32_t> Asked;
        std::vector<uint32_t> Block_Asked;  // by speed and block of Block fractions, what they asked
        Start_Ends Ends{};
    };
    const Flight_Table* flights_ = nullptr;  // the table of the walks
    Walks walks_, none_taken_;
    void Walk_To(Walks& w, uint32_t taken);
    Shot_Odds Work_Out(const Flight_Table& flights, uint32_t taken);
};

// The holes of the machine that hold a ball, bit n for hole n.
uint32_t Taken_Holes(const Playfield_Part& m);

}  // namespace plonk
