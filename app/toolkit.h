// Everything the machine needs from the outside world, and nothing else, as small
// roles: the screen, the pacing of visible steps, sound, dialogs, the keyboard, the
// clock, the reports of what happened, and the program's folder. A front end
// implements the roles it has; the console and the tests implement them with no
// waits and, where useful, a log of what was asked.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "app/profile_file.h"

namespace plonk {

class Flight_Table;
struct Game_Event;

// The answer to a Yes/No question. Cancel: the question was dismissed without
// either (Escape, or its close box).
enum class Answer { Yes, No, Cancel };

namespace role {

// The window, painted from the controls' data, and the pictures it can show.
class Screen {
public:
    virtual ~Screen() = default;
    // Repaint the whole window now.
    virtual void Refresh() = 0;
    // Why a picture file cannot be loaded, as a short sentence; empty when it can.
    // A file that does not exist gives `Picture_Missing`. The machine stops when a
    // picture cannot be loaded.
    virtual std::string Picture_Problem(const std::string& path) = 0;
    bool Can_Load_Picture(const std::string& path) { return Picture_Problem(path).empty(); }
    // Whether pictures are looked at at all: a front end that shows none answers no,
    // and every picture then counts as loadable without being asked about.
    virtual bool Checks_Pictures() { return true; }
    static constexpr const char* Picture_Missing = "File not found";
};

// The waits that let the player follow the machine.
class Pacing {
public:
    virtual ~Pacing() = default;
    // A blocking pause of the event thread.
    virtual void Sleep(int ms) = 0;
    // The ball's step wait: show the ball where it now stands, then wait `rounds`
    // rounds of `iterations` counting steps (no wait when either is 0 or less).
    virtual void Flight_Step(int rounds, long iterations) = 0;
    // Whether the player is shown each counted step of the machine: a win counted
    // onto the counters point by point, each point drawn and heard. A front end
    // that shows nothing between its requests says no, and the machine then counts
    // a win in one step: the same sounds, in the same number, the same counters and
    // the same reports, with one redraw.
    virtual bool Shows_Steps() { return true; }
    // The table of every flight, offered by a front end that needs to see no single
    // flight step and never holds the space bar down during a flight: the machine
    // then takes a flight from it, with its sounds, and shows no step. None (the
    // default): every step is shown and waited for, and the space bar read.
    virtual const Flight_Table* Known_Flights() { return nullptr; }
};

// The sound output: readiness, loading a wave file (a negative handle when it
// cannot be loaded) and playing a loaded sound at once.
class Speaker {
public:
    virtual ~Speaker() = default;
    // The window becomes the owner of the sound output.
    virtual void Sound_Owner() = 0;
    virtual bool Sound_Ready() = 0;
    virtual int32_t Sound_Load(const std::string& path) = 0;
    virtual void Sound_Play(int32_t handle) = 0;
};

// Questions, messages and the pop-up menu.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A Yes/No message box without icon.
    virtual Answer Ask_Yes_No(const std::string& text, const std::string& title) = 0;
    // A message box with only an OK button.
    virtual void Message(const std::string& text, const std::string& title) = 0;
    // Show the pop-up menu of that name at the mouse.
    virtual void Popup_Menu(const std::string& menu) = 0;
};

// The keyboard as the flight reads it.
class Keyboard {
public:
    virtual ~Keyboard() = default;
    // Whether the space bar is held down right now.
    virtual bool Space_Down() = 0;
};

// The time of day.
class Clock {
public:
    virtual ~Clock() = default;
    // The time of day as the system's display text ("21:05:07").
    virtual std::string Time_Text() = 0;
    // A number that changes with the clock, to seed the random generator.
    virtual uint64_t Clock_Seed() = 0;
};

// What the machine tells its front ends.
class Reports {
public:
    virtual ~Reports() = default;
    // Something happened that changes the player's points or chances (a payment, a
    // feature draw, an extra ball, the star game ...). A front end that has no use
    // for it lets it pass.
    virtual void Report(const Game_Event&) {}
    // The program ends with this exit status: the machine runs no further event and
    // the procedure under way returns without waiting, painting or sounding.
    virtual void End(int status) = 0;
};

// Where the program's own files lie.
class Files {
public:
    virtual ~Files() = default;
    // The folder of the running program, as the system gives it.
    virtual std::string Program_Folder() = 0;
    // The front end's own values for the settings file (its window's place, its
    // choices), written with the machine's in the one replacement of the file that a
    // regular close makes; none by default.
    virtual std::vector<Profile_Entry> Closing_Settings() { return {}; }
};

// Every role at once, for a front end that plays them all.
class All_Roles : public Screen,
                  public Pacing,
                  public Speaker,
                  public Dialogs,
                  public Keyboard,
                  public Clock,
                  public Reports,
                  public Files {};

}  // namespace role

// The roles the machine reaches the outside through, one object each.
struct Toolkit {
    role::Screen& Screen;
    role::Pacing& Pacing;
    role::Speaker& Speaker;
    role::Dialogs& Dialogs;
    role::Keyboard& Keyboard;
    role::Clock& Clock;
    role::Reports& Reports;
    role::Files& Files;

    Toolkit(role::Screen& screen, role::Pacing& pacing, role::Speaker& speaker, role::Dialogs& dialogs,
            role::Keyboard& keyboard, role::Clock& clock, role::Reports& reports, role::Files& files)
        : Screen(screen),
          Pacing(pacing),
          Speaker(speaker),
          Dialogs(dialogs),
          Keyboard(keyboard),
          Clock(clock),
          Reports(reports),
          Files(files) {}

    // Every role from one object that plays them all.
    template <class All>
    requires(!std::is_same_v<All, Toolkit>) Toolkit(All& all)
        : Toolkit(all, all, all, all, all, all, all, all) {}
};

}  // namespace plonk
