// Every flight a shot can make without the space bar, made once and taken again
// rather than stepped through.
//
// Without the space bar a flight is a pure function of where and how fast the ball
// starts (its fraction of a pixel 0..100 and its speed 0..63, the shot's two draws
// and the start speed) and of whether the holes whose capture areas it meets are
// taken. For every start the table holds a tree of questions: the first hole the
// ball meets that the tree has not asked about yet, free or taken, then the next,
// down to the flight those answers make: its end, its final ball record and its
// sounds and star rollovers in their order. The table is complete and never changes
// once made, so any number of threads share it without a lock, and its size is the
// same for one game or a hundred million.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "playfield/flight.h"

namespace plonk {

class Flight_Table {
public:
    // The starts a shot can give: a fraction of a pixel 0..100 by a speed 0..63.
    static constexpr int Start_Fractions = 101;
    static constexpr int Start_Speeds = 64;
    static constexpr int Starts = Start_Fractions * Start_Speeds;

    // How a kept flight ends. Fixed-width fields: the table is written to a file as
    // it lies in memory.
    struct Ending {
        int32_t X, Y;  // the ball record where it ended
        int16_t VX, VY;
        int16_t Left, Top;  // the ball's image
        uint32_t Steps;
        uint32_t First_Event, Events;
        uint8_t End;       // a Flight_End
        uint8_t Hole;      // the hole it dropped into, 0 for none
        uint8_t Spare[2];  // always 0: the file holds no stray bytes and is the same every time
    };

    // Flies every flight of the board of `board` (its zone map, pin and spring
    // tables, which must be loaded) step by step, on `threads` threads.
    static std::unique_ptr<Flight_Table> Make(const Playfield_Part& board, int threads);

    // Whether `m` plays on the same board, so that the table's flights are its own.
    bool Fits(const Playfield_Part& m) const { return Board_Hash(m) == board_; }

    // Flies the ball that Start_Ball has put on the lane, as Fly does with the space
    // bar up, but without showing a step: the kept flight's sounds and star rollovers
    // happen in their order, then the ball stands where it ended. `f` must be fresh;
    // its hole number and step count are set. A ball where no shot puts it is
    // stepped through.
    Flight_End Fly(Playfield_Part& m, Flight& f) const;

    // How the flight from start `start` (Start_Of) ends with the holes `taken` (bit n
    // for hole n) taken.
    const Ending& Flight_From(int start, uint32_t taken) const { return endings_[Ending_From(start, taken)]; }
    // Only where it ends: the hole it drops into, else No_Hole (drained or lost).
    static constexpr int No_Hole = 26;
    int Hole_From(int start, uint32_t taken) const { return holes_[Ending_From(start, taken)]; }
    // The same, and into `asked` the holes whose answers it took (bit n for hole n):
    // any holes taken that give the same answers about those lead there too.
    int Hole_From(int start, uint32_t taken, uint32_t& asked) const {
        return holes_[Ending_From(start, taken, &asked)];
    }

    // The flights of start `start`, each with the holes its tree asks about on the way
    // to it and the answers that lead there: any holes taken that agree with those
    // answers make that flight.
    struct Answers {
        uint32_t Asked = 0, Taken = 0;
        const Ending* Flight = nullptr;
    };
    std::vector<Answers> Flights_Of(int start) const;

    // The start of a shot whose draws gave `fraction` (0..100) and `speed` (0..63).
    static int Start_Of(int fraction, int speed) { return fraction * Start_Speeds + speed; }

    // The flights in the table: each was flown step by step once.
    long Flights() const { return static_cast<long>(endings_.size()); }
    // The bytes the table holds.
    size_t Bytes() const;

    // The table as the bytes of its file, and back. From_File checks every index
    // and every number of the bytes, and gives nothing, with the reason in `why`,
    // for bytes that are not a whole table of this board.
    std::string File_Bytes() const;
    static std::unique_ptr<Flight_Table> From_File(const std::string& bytes, const Playfield_Part& board,
                                                   std::string* why);

    // A number that tells boards apart: a hash of the zone map, the pin and the
    // spring tables.
    static uint64_t Board_Hash(const Playfield_Part& m);

    // What happens along a flight, in order: a sound by its number, or a star rollover.
    using Event = uint8_t;
    static constexpr Event Yellow_Star_Event = 100, Red_Star_Event = 101;

    // A node of a start's tree: a question about a hole (Hole 1..25), its "free"
    // answer the next node and its "taken" answer node `Next`; or, with Hole 0, a
    // flight, the ending `Next`.
    struct Node {
        uint32_t Hole : 5;
        uint32_t Next : 27;
    };

private:
    Flight_Table() = default;
    void Replay(Playfield_Part& m, const Ending& e, Flight& f) const;
    // The index of the ending that the holes `taken` lead to from start `start`; the
    // holes asked about on the way into `asked`, when given.
    uint32_t Ending_From(int start, uint32_t taken, uint32_t* asked = nullptr) const;
    // Notes every ending's hole and first event, once the endings are in place.
    void Note_Holes();
    friend class Flight_Table_Maker;

    uint64_t board_ = 0;
    std::vector<uint32_t> roots_;  // the first node of every start's tree
    std::vector<Node> nodes_;
    std::vector<Ending> endings_;
    std::vector<uint8_t> holes_;  // every ending's hole, or No_Hole: read by many walks, and small
    // Every ending's first event, small like the holes: a flight asks for its ending
    // and its events at once, not one after the other.
    std::vector<uint32_t> first_events_;
    std::vector<Event> events_;
};

// The table of a board, read from the file at `path` when that holds the table of
// this board, else made anew (and `why` says why the file was not taken; empty
// when it was).
std::unique_ptr<Flight_Table> Read_Or_Make_Flight_Table(const std::string& path, const Playfield_Part& board,
                                                        int threads, std::string* why);

// The flight table's file in the program folder, beside the zone map.
inline constexpr const char* Flight_Table_File = "Flights.bin";

// The flight of a shot ball, from its start to its end, as Fly runs it: from the
// toolkit's table of known flights when it offers one, step by step otherwise.
Flight_End Fly_Shot(Playfield_Part& m, Flight& f);

}  // namespace plonk
