// The statistics of this player, counted from the machine's events and kept in their
// file: it is written at the end of every game, and again whenever the finished game
// or the totals change while no ball game is under way (a late collect, an extra
// ball asked for after the end, points inserted, a reset), so a crash loses at most
// the game being played. Games sharing the file each add their own changes to it.
// Whatever happens to the file, the game goes on: problems are told to `note`
// (standard error by default), each reason once in a row.
#pragma once

#include <functional>
#include <string>

#include "stats/statistics.h"

namespace plonk {

class Statistics_Keeper {
public:
    using Note = std::function<void(const std::string&)>;

    // `path` empty keeps the statistics in memory only.
    explicit Statistics_Keeper(std::string path, Note note = {});
    // What changed since the last save is saved.
    ~Statistics_Keeper();
    Statistics_Keeper(const Statistics_Keeper&) = delete;
    Statistics_Keeper& operator=(const Statistics_Keeper&) = delete;

    void Report(const Game_Event& e);
    // Forget every statistic, and save that at once.
    void Reset();
    // Save now what changed since the last save; true when nothing is left unsaved.
    bool Save();

    const Statistics& Data() const { return counter_.Data(); }
    const std::string& Path() const { return path_; }
    // Called after every change of the statistics.
    std::function<void()> On_Change;
    // Called with the reason when a save fails, as `note` is: once for each reason in
    // a row, not at every game.
    std::function<void(const std::string& reason)> On_Save_Failure;

private:
    void Tell(const std::string& text);

    std::string path_;
    Note note_;
    Statistics_Counter counter_;
    Statistics saved_;  // the statistics as last read or written here
    bool writable_ = true;
    bool unsaved_ = false;
    bool forgotten_ = false;  // reset since the last save: the file is replaced whole
    std::string last_note_;
};

}  // namespace plonk
