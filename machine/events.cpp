// The window's events: which control has which event, and running one.
#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

#include "machine/hoofdvenster.h"
#include "machine/procedures.h"

namespace plonk {

namespace {

using E = Event_Kind;
using H = Hoofdvenster;

// How each kind of event hands its arguments to its procedure.
template <auto P>
void Plain(H& m, Event_Args&) {
    (m.*P)();
}
template <auto P>
void Mouse(H& m, Event_Args& a) {
    (m.*P)(a.Button, a.Shift, a.X, a.Y);
}
void Key_Press(H& m, Event_Args& a) { m.Form_KeyPress(a.Key); }
// A close request answers whether it was refused.
void Query_Unload(H& m, Event_Args& a) { m.Form_QueryUnload(a.Cancel, 0); }

const Window_Event kEvents[] = {
    // Clicks of the buttons, the check boxes and the menu items.
    {"Knop_KrachtOmlaag", E::Click, Plain<&H::Knop_KrachtOmlaag_Click>},
    {"Knop_KrachtOmhoog", E::Click, Plain<&H::Knop_KrachtOmhoog_Click>},
    {"Knop_Bal", E::Click, Plain<&H::Knop_Bal_Click>},
    {"Knop_A", E::Click, Plain<&H::Knop_A_Click>},
    {"Knop_B", E::Click, Plain<&H::Knop_B_Click>},
    {"Knop_C", E::Click, Plain<&H::Knop_C_Click>},
    {"Knop_D", E::Click, Plain<&H::Knop_D_Click>},
    {"Knop_E", E::Click, Plain<&H::Knop_E_Click>},
    {"Knop_P", E::Click, Plain<&H::Knop_P_Click>},
    {"Knop_S", E::Click, Plain<&H::Knop_S_Click>},
    {"Knop_2", E::Click, Plain<&H::Knop_2_Click>},
    {"Option1", E::Click, Plain<&H::Option1_Click>},
    {"Check1", E::Click, Plain<&H::Check1_Click>},
    {"Check2", E::Click, Plain<&H::Check2_Click>},
    {"Command1", E::Click, Plain<&H::Command1_Click>},
    {"Knop_Sluiten", E::Click, Plain<&H::Knop_Sluiten_Click>},
    {"Mnu_BallSpeedOffsetInc", E::Click, Plain<&H::Mnu_BallSpeedOffsetInc_Click>},
    {"Mnu_BallSpeedOffsetDec", E::Click, Plain<&H::Mnu_BallSpeedOffsetDec_Click>},
    // The two buttons that act while held.
    {"Knop_F1", E::Mouse_Down, Mouse<&H::Knop_F1_MouseDown>},
    {"Knop_F1", E::Mouse_Up, Mouse<&H::Knop_F1_MouseUp>},
    {"Knop_F1", E::Lost_Focus, Plain<&H::Knop_F1_LostFocus>},
    {"Knop_F2", E::Mouse_Down, Mouse<&H::Knop_F2_MouseDown>},
    {"Knop_F2", E::Mouse_Up, Mouse<&H::Knop_F2_MouseUp>},
    {"Knop_F2", E::Lost_Focus, Plain<&H::Knop_F2_LostFocus>},
    // The slider, the timers and the window itself.
    {"Slider1", E::Change, Plain<&H::Slider1_Change>},
    {"Slider1", E::Mouse_Up, Mouse<&H::Slider1_MouseUp>},
    {"Timer1", E::Timer, Plain<&H::Timer1_Timer>},
    {"Timer2", E::Timer, Plain<&H::Timer2_Timer>},
    {"Form", E::Key_Press, Key_Press},
    {"Form", E::Query_Unload, Query_Unload},
};

// The end of each kind of event's procedure name, in the order of Event_Kind.
constexpr const char* kSuffix[] = {"_Click",  "_MouseDown", "_MouseUp",  "_LostFocus",
                                   "_Change", "_Timer",     "_KeyPress", "_QueryUnload"};

}  // namespace

std::span<const Window_Event> Window_Events() { return kEvents; }

std::string Event_Procedure(const Window_Event& e) {
    return std::string(e.Control) + kSuffix[static_cast<size_t>(e.Kind)];
}

const Window_Event* Find_Event(std::string_view control, Event_Kind kind) {
    auto it = std::find_if(std::begin(kEvents), std::end(kEvents),
                           [&](const Window_Event& e) { return e.Kind == kind && control == e.Control; });
    return it == std::end(kEvents) ? nullptr : &*it;
}

bool Has_Event(std::string_view control, Event_Kind kind) { return Find_Event(control, kind) != nullptr; }

std::string Event_Faults(const Hoofdvenster& m, std::span<const Window_Event> events) {
    std::string faults;
    for (const Window_Event& e : events) {
        const std::string name = Event_Procedure(e);
        const bool control = std::string_view(e.Control) == "Form" || m.Find_Control(e.Control) != nullptr;
        if (!control) faults += name + ": the machine has no control " + e.Control + "\n";
        if (!Find_Procedure(name)) faults += name + ": the machine has no such procedure\n";
        if (!e.Run) faults += name + ": no procedure runs it\n";
    }
    return faults;
}

void Fire(Hoofdvenster& m, std::string_view control, Event_Kind kind, Event_Args& args) {
    const Window_Event* e = Find_Event(control, kind);
    if (!e)
        throw std::invalid_argument("the machine has no event " + std::string(control) +
                                    kSuffix[static_cast<size_t>(kind)]);
    e->Run(m, args);
}

}  // namespace plonk
