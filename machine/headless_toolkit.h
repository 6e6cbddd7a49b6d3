// A toolkit without a window: no waits, scripted answers, and a log of every
// request. The console and the tests run the machine on it.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/game_events.h"
#include "app/random.h"
#include "app/toolkit.h"

namespace plonk {

// Whether each sound file loads, by path: machines that start one after another in
// one thread, from the same folder, may share it, so that each file is looked at
// once.
using Sound_Checks = std::map<std::string, bool>;

class Headless_Toolkit : public role::All_Roles {
public:
    Headless_Toolkit();

    void Refresh() override;
    void Sleep(int ms) override;
    void Flight_Step(int rounds, long iterations) override;
    void Sound_Owner() override {}
    bool Sound_Ready() override { return Sound_Available; }
    int32_t Sound_Load(const std::string& path) override;
    void Sound_Play(int32_t handle) override;
    Answer Ask_Yes_No(const std::string& text, const std::string& title) override;
    void Message(const std::string& text, const std::string& title) override;
    bool Space_Down() override { return Space; }
    // The table of flights, while the space bar stays up.
    // Steps are shown only to a log or a trace, which then sees every one of them.
    bool Shows_Steps() override { return Noting(); }
    const Flight_Table* Known_Flights() override { return Space || space_at_random_ ? nullptr : Flights; }
    std::string Time_Text() override;
    uint64_t Clock_Seed() override;
    std::string Picture_Problem(const std::string& path) override;
    bool Checks_Pictures() override { return Check_Pictures; }
    void Popup_Menu(const std::string& menu) override;
    std::string Program_Folder() override { return Folder; }
    void End(int status) override;
    void Report(const Game_Event& e) override;

    // Scripted answers and settings.
    bool Sound_Available = true;
    bool Space = false;
    std::deque<Answer> Answers;              // answers of the next message boxes; Yes when empty
    std::string Clock;                       // the time text; the real time when empty
    std::string Folder;                      // the program folder; this executable's when not set
    bool Check_Pictures = true;              // when false every picture counts as loadable, unread
    const Flight_Table* Flights = nullptr;   // every flight, to take rather than step through
    Sound_Checks* Checked_Sounds = nullptr;  // when set, what earlier loads found, and where loads note it

    // What was asked, in order ("refresh", "sleep 500", "sound 3", "message ...", "end").
    // It holds at most `Log_Limit` entries: when full, the older half is dropped, so a
    // long run keeps its latest requests in bounded memory. 0 keeps none.
    std::vector<std::string> Log;
    size_t Log_Limit = 100000;
    // What the machine reported, in order, bounded as the log is (by `Log_Limit`).
    std::vector<Game_Event> Events;
    // Called with every entry as it is made, and with "status TEXT" for every report
    // that has something to tell the player.
    std::function<void(const std::string&)> Trace;
    long Flight_Steps = 0;                   // flight steps shown
    long long Flight_Iterations = 0;         // total wait iterations asked for
    std::vector<std::string> Loaded_Sounds;  // paths by handle ("" for a file that failed)
    int End_Status = -1;                     // -1 while the program runs
    std::string Last_Message;                // the text of the last message shown, kept without a log

    // How many log entries are exactly `entry`.
    int Count(const std::string& entry) const;

    // From now on the space bar changes state at every flight step with probability
    // `p`, drawn from a generator of its own started at `seed`; 0 stops the changes
    // and leaves the bar as it is.
    void Space_At_Random(double p, uint64_t seed);

private:
    // Whether requests are noted at all: kept in the log or traced.
    bool Noting() const { return Log_Limit > 0 || Trace; }
    void Note(const std::string& entry);
    void Change_Space_At_Random();

    bool space_at_random_ = false;
    double space_change_ = 0;  // the chance of a change at each flight step
    Random space_rng_;
};

// The folder of the running executable, ending in "/".
std::string Executable_Folder();

}  // namespace plonk
