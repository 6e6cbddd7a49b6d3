// Flights already flown, to be taken again rather than stepped through.
//
// Without the space bar a flight is a pure function of where and how fast the ball
// starts (its fraction of a pixel 0..100 and its speed 0..63, the shot's two draws
// and the start speed) and of whether the holes whose capture areas it meets are
// taken. The table keeps, for every start, the flights it has flown, each with the
// holes it asked about and their answers. A shot whose start and answers match a
// kept flight goes exactly where that one went: the same end, the same final ball
// record, the same sounds in the same order and the same star rollovers. Any other
// shot is flown step by step on a copy of the board, and kept.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <vector>

#include "playfield/flight.h"

namespace plonk {

class Flight_Table {
public:
    // A table for the board of `board` (its zone map, pin and spring tables), which
    // must be loaded.
    explicit Flight_Table(const Playfield_Part& board);
    ~Flight_Table();
    Flight_Table(const Flight_Table&) = delete;
    Flight_Table& operator=(const Flight_Table&) = delete;

    // Whether `m` plays on the same board, so that the table's flights are its own.
    bool Fits(const Playfield_Part& m) const;

    // Flies the ball that Start_Ball has put on the lane, as Fly does with the space
    // bar up, but without showing a step: the kept flight's sounds and star rollovers
    // happen in their order, then the ball stands where it ended. `f` must be fresh;
    // its hole number and step count are set. Safe to call from several threads.
    Flight_End Fly(Playfield_Part& m, Flight& f);

    // The flights kept: each was flown step by step once.
    long Kept() const;

private:
    // What happens along a flight, in order: a sound by its number, or a star rollover.
    using Event = uint8_t;

    // How a kept flight ends, and where its events lie in the event list.
    struct Ending {
        Flight_End End;
        int Hole;
        long Steps;
        Long X, Y;
        Integer VX, VY;
        int Left, Top;  // the ball's image
        uint32_t First_Event, Events;
    };

    // A kept flight of one start: the holes it asked about (bit n for hole n), which
    // of them were taken, and its ending.
    struct Guard {
        uint32_t Asked, Taken;
        uint32_t Ending;
    };

    // A flight just flown, before it is kept.
    struct Flown {
        Ending End;
        std::vector<Event> Events;
        uint32_t Asked;
    };

    // A copy of the board with a toolkit that notes a flight's events.
    class Board;

    // The index of the ball's start, or -1 when the ball stands where no shot puts it.
    static int Start_Index(const Playfield_Part& m);
    const Ending* Find(int start, uint32_t taken) const;
    // Flies the ball of `m` with these holes taken on a board of its own, so that
    // several threads can fly at once.
    Flown Fly_On_A_Board(const Playfield_Part& m, uint32_t taken);
    const Ending& Keep(int start, uint32_t taken, const Flown& flown);
    void Replay(Playfield_Part& m, const Ending& e, Flight& f) const;

    std::unique_ptr<Board> model_;  // the board the table was made for
    std::vector<std::unique_ptr<Board>> idle_;
    std::mutex idle_lock_;
    std::vector<std::vector<Guard>> by_start_;
    std::vector<Ending> endings_;
    std::vector<Event> events_;
    mutable std::shared_mutex lock_;
};

// The flight of a shot ball, from its start to its end, as Fly runs it: from the
// toolkit's table of known flights when it offers one, step by step otherwise.
Flight_End Fly_Shot(Playfield_Part& m, Flight& f);

}  // namespace plonk
