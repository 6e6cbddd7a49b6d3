// The machine's procedures by name, and the window's events that run them. A front
// end (the Qt window, the console) finds a procedure or an event here and runs it;
// this is the one list of what can be run from outside.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "app/basic_types.h"

namespace plonk {

class Hoofdvenster;

// What a procedure takes. A by-reference argument (`Integer_Ref`, `Long_Ref`) may
// be a field of the record, which the procedure then changes itself.
enum class Param_Kind { Integer_Value, Long_Value, Real_Value, Integer_Ref, Long_Ref };

struct Param {
    const char* Name;
    Param_Kind Kind;
    long long Lo = 0, Hi = -1;  // the values allowed; Lo > Hi means any of its width
};

// One argument as the caller gives it: a number, or the field it names.
struct Arg {
    long long Whole = 0;
    double Real = 0;
    Integer* Integer_Field = nullptr;
    Long* Long_Field = nullptr;
};

// The arguments of one call. By-reference arguments without a field work on a
// copy of their number, which the caller can read back afterwards.
class Call_Args {
public:
    static constexpr int Most = 4;
    std::array<Arg, Most> Args{};

    Integer Int(int k) const { return static_cast<Integer>(Args[At(k)].Whole); }
    double Real(int k) const { return Args[At(k)].Real; }
    Integer& Int_Var(int k);
    Long& Lng_Var(int k);

private:
    static size_t At(int k) { return static_cast<size_t>(k); }
    std::array<Integer, Most> int_copy_{};
    std::array<Long, Most> long_copy_{};
};

// What a procedure answers, if anything.
struct Procedure_Answer {
    enum class Kind { None, Number, Boolean } Is = Kind::None;
    long long Value = 0;
};

struct Procedure {
    const char* Name;
    std::array<Param, Call_Args::Most> Params;
    // Runs the procedure; one that answers sets `answer`.
    void (*Run)(Hoofdvenster& m, Call_Args& args, Procedure_Answer& answer);

    // The number of parameters.
    int Count() const {
        int n = 0;
        while (n < Call_Args::Most && Params[static_cast<size_t>(n)].Name) ++n;
        return n;
    }
};

// Every procedure that can be run by name, in the window's order of subsystems.
std::span<const Procedure> Procedures();
const Procedure* Find_Procedure(std::string_view name);

// The window's events. Each runs the procedure named after its control and kind
// ("Knop_Bal" + Click is "Knop_Bal_Click"; the form's key press is "Form_KeyPress").
enum class Event_Kind { Click, Mouse_Down, Mouse_Up, Lost_Focus, Change, Timer, Key_Press, Query_Unload };

// What the toolkit tells about an event. `Key` is the typed character's code and
// `Cancel` the close request's answer; the handlers may change both.
struct Event_Args {
    int Button = 1, Shift = 0;
    float X = 0, Y = 0;
    Integer Key = 0;
    Integer Cancel = 0;
};

struct Window_Event {
    const char* Control;  // "Form" for the window itself
    Event_Kind Kind;
    // The event's procedure, bound when the program is built.
    void (*Run)(Hoofdvenster& m, Event_Args& args);
};

std::span<const Window_Event> Window_Events();
// The procedure's name for an event ("Knop_F1_MouseDown").
std::string Event_Procedure(const Window_Event& e);
// The event of that control, or nullptr when it has none.
const Window_Event* Find_Event(std::string_view control, Event_Kind kind);
bool Has_Event(std::string_view control, Event_Kind kind);
// What is wrong with the events: one line for each event whose control the machine
// does not have or whose procedure is not the one named after it. Empty when all is
// well; the machine checks it as it is made.
std::string Event_Faults(const Hoofdvenster& m, std::span<const Window_Event> events);
// Runs the event of that control; an event the machine does not have is a fault of
// the caller and throws std::invalid_argument naming it.
void Fire(Hoofdvenster& m, std::string_view control, Event_Kind kind, Event_Args& args);
inline void Fire(Hoofdvenster& m, std::string_view control, Event_Kind kind) {
    Event_Args args;
    Fire(m, control, kind, args);
}

}  // namespace plonk
