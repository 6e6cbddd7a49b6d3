// The window's events: which control has which event, and running one.
#include <algorithm>
#include <iterator>

#include "machine/hoofdvenster.h"
#include "machine/procedures.h"

namespace plonk {

namespace {

using E = Event_Kind;

const Window_Event kEvents[] = {
    // Clicks of the buttons, the check boxes and the menu items.
    {"Knop_KrachtOmlaag", E::Click},
    {"Knop_KrachtOmhoog", E::Click},
    {"Knop_Bal", E::Click},
    {"Knop_A", E::Click},
    {"Knop_B", E::Click},
    {"Knop_C", E::Click},
    {"Knop_D", E::Click},
    {"Knop_E", E::Click},
    {"Knop_P", E::Click},
    {"Knop_S", E::Click},
    {"Knop_2", E::Click},
    {"Option1", E::Click},
    {"Check1", E::Click},
    {"Check2", E::Click},
    {"Command1", E::Click},
    {"Knop_Sluiten", E::Click},
    {"Mnu_BallSpeedOffsetInc", E::Click},
    {"Mnu_BallSpeedOffsetDec", E::Click},
    // The two buttons that act while held.
    {"Knop_F1", E::Mouse_Down},
    {"Knop_F1", E::Mouse_Up},
    {"Knop_F1", E::Lost_Focus},
    {"Knop_F2", E::Mouse_Down},
    {"Knop_F2", E::Mouse_Up},
    {"Knop_F2", E::Lost_Focus},
    // The slider, the timers and the window itself.
    {"Slider1", E::Change},
    {"Slider1", E::Mouse_Up},
    {"Timer1", E::Timer},
    {"Timer2", E::Timer},
    {"Form", E::Key_Press},
    {"Form", E::Query_Unload},
};

// The end of each kind of event's procedure name, in the order of Event_Kind.
constexpr const char* kSuffix[] = {"_Click",  "_MouseDown", "_MouseUp",  "_LostFocus",
                                   "_Change", "_Timer",     "_KeyPress", "_QueryUnload"};

const Window_Event* Find_Event(std::string_view control, Event_Kind kind) {
    auto it = std::find_if(std::begin(kEvents), std::end(kEvents),
                           [&](const Window_Event& e) { return e.Kind == kind && control == e.Control; });
    return it == std::end(kEvents) ? nullptr : &*it;
}

}  // namespace

std::span<const Window_Event> Window_Events() { return kEvents; }

std::string Event_Procedure(const Window_Event& e) {
    return std::string(e.Control) + kSuffix[static_cast<size_t>(e.Kind)];
}

bool Has_Event(std::string_view control, Event_Kind kind) { return Find_Event(control, kind) != nullptr; }

bool Fire(Hoofdvenster& m, std::string_view control, Event_Kind kind, Event_Args& args) {
    const Window_Event* e = Find_Event(control, kind);
    const Procedure* p = e ? Find_Procedure(Event_Procedure(*e)) : nullptr;
    if (!p) return false;
    // 1. The event's arguments, in the order its procedure takes them.
    Call_Args call;
    if (kind == E::Mouse_Down || kind == E::Mouse_Up) {
        call.Args[0].Whole = args.Button;
        call.Args[1].Whole = args.Shift;
        call.Args[2].Real = args.X;
        call.Args[3].Real = args.Y;
    } else if (kind == E::Key_Press) {
        call.Args[0].Integer_Field = &args.Key;
    }
    // 2. The procedure; a close request answers whether it was refused.
    Procedure_Answer answer;
    p->Run(m, call, answer);
    if (kind == E::Query_Unload) args.Cancel = static_cast<Integer>(answer.Value);
    return true;
}

}  // namespace plonk
