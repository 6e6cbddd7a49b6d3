// The machine's procedures by name: what each takes and answers.
#include "machine/procedures.h"

#include <algorithm>

#include "machine/hoofdvenster.h"

namespace plonk {

Integer& Call_Args::Int_Var(int k) {
    const Arg& a = Args[At(k)];
    if (a.Integer_Field) return *a.Integer_Field;
    return int_copy_[At(k)] = static_cast<Integer>(a.Whole);
}

Long& Call_Args::Lng_Var(int k) {
    const Arg& a = Args[At(k)];
    if (a.Long_Field) return *a.Long_Field;
    return long_copy_[At(k)] = static_cast<Long>(a.Whole);
}

namespace {

using H = Hoofdvenster;
using K = Param_Kind;
using A = Call_Args;
using R = Procedure_Answer;

R Number(long long v) { return {Procedure_Answer::Kind::Number, v}; }
R Boolean(bool b) { return {Procedure_Answer::Kind::Boolean, b ? 1 : 0}; }

template <auto P>
void Plain(H& m, A&, R&) {
    (m.*P)();
}

// A row evaluator or the star game: the result comes back in its argument.
template <auto Proc>
void Result(H& m, A&, R& r) {
    Integer result = 0;
    (m.*Proc)(result);
    r = Number(result);
}

template <auto P>
void Mouse(H& m, A& a, R&) {
    (m.*P)(a.Int(0), a.Int(1), static_cast<float>(a.Real(2)), static_cast<float>(a.Real(3)));
}

constexpr Param Button{"Button", K::Integer_Value}, Shift{"Shift", K::Integer_Value};
constexpr Param X{"X", K::Real_Value}, Y{"Y", K::Real_Value};
// A speed far beyond any ball's, yet small enough that the rebound's products stay
// within the range of a whole number.
constexpr long long Largest_Speed = 1'000'000;
constexpr Param Beta{"Beta", K::Integer_Value}, Hyp{"Hyp", K::Real_Value, -Largest_Speed, Largest_Speed},
    Proc{"Proc", K::Integer_Value};

#define PLAIN(p) \
    Procedure { #p, {}, Plain < &H::p> }
#define RESULT(p) \
    Procedure { #p, {}, Result < &H::p> }
#define MOUSE(p) \
    Procedure { #p, {Button, Shift, X, Y }, Mouse < &H::p> }

// clang-format off
const Procedure kProcedures[] = {
    // Start-up and shutdown; settings; sound.
    PLAIN(Form_Load),
    PLAIN(Init_App_Folder),
    PLAIN(Init_Punten),
    PLAIN(Knop_Sluiten_Click),
    {"Form_QueryUnload", {},
     [](H& m, A&, R& r) { Integer cancel = 0; m.Form_QueryUnload(cancel, 0); r = Number(cancel); }},
    PLAIN(Reset_Game),
    PLAIN(Haal_Parameters),
    PLAIN(Schrijf_Parameters),
    {"Save_Score", {Param{"ms", K::Long_Ref}, Param{"st", K::Long_Ref}, Param{"sd", K::Long_Ref}},
     [](H& m, A& a, R&) { m.Save_Score(a.Lng_Var(0), a.Lng_Var(1), a.Lng_Var(2)); }},
    PLAIN(Init_Sound),
    {"Speel", {Param{"MMID", K::Integer_Value, 0, 11}}, [](H& m, A& a, R&) { m.Speel(Sound(a.Int(0))); }},
    // Controls, keyboard and button states.
    PLAIN(Set_Keys),
    {"Form_KeyPress", {Param{"KeyAscii", K::Integer_Ref}},
     [](H& m, A& a, R&) { m.Form_KeyPress(a.Int_Var(0)); }},
    MOUSE(Knop_F1_MouseDown),
    MOUSE(Knop_F2_MouseDown),
    MOUSE(Knop_F1_MouseUp),
    MOUSE(Knop_F2_MouseUp),
    PLAIN(Knop_F1_LostFocus),
    PLAIN(Knop_F2_LostFocus),
    PLAIN(Timer2_Timer),
    PLAIN(Knop_KrachtOmhoog_Click),
    PLAIN(Knop_KrachtOmlaag_Click),
    PLAIN(Slider1_Change),
    MOUSE(Slider1_MouseUp),
    PLAIN(Mnu_BallSpeedOffsetInc_Click),
    PLAIN(Mnu_BallSpeedOffsetDec_Click),
    PLAIN(Option1_Click),
    PLAIN(Check1_Click),
    PLAIN(Check2_Click),
    // Flags and clock.
    PLAIN(Set_Vlaggen),
    PLAIN(Timer1_Timer),
    // Playfield geometry and the rebound arithmetic.
    PLAIN(Init_Veld),
    PLAIN(Init_Hole_XY),
    PLAIN(Init_Tap_XY),
    PLAIN(Init_Veer_XY),
    PLAIN(Init_Holes),
    {"Calc_Alfa", {Param{"X_Vector", K::Integer_Value}, Param{"Y_Vector", K::Integer_Value}},
     [](H& m, A& a, R& r) { r = Number(m.Calc_Alfa(a.Int(0), a.Int(1))); }},
    {"Botsing", {Param{"Alfa", K::Integer_Value}, Param{"ObjHoek", K::Integer_Value}},
     [](H& m, A& a, R& r) { r = Boolean(m.Botsing(a.Int(0), a.Int(1))); }},
    {"Calc_Hor", {Beta, Hyp, Proc},
     [](H& m, A& a, R& r) { r = Number(m.Calc_Hor(a.Int(0), a.Real(1), a.Int(2))); }},
    {"Calc_Ver", {Beta, Hyp, Proc},
     [](H& m, A& a, R& r) { r = Number(m.Calc_Ver(a.Int(0), a.Real(1), a.Int(2))); }},
    {"SoortRand", {Param{"Y", K::Integer_Value}},
     [](H& m, A& a, R& r) { r = Number(m.SoortRand(a.Int(0))); }},
    // Ball flight and card lamps.
    PLAIN(Knop_Bal_Click),
    PLAIN(Init_Lites),
    PLAIN(Set_Lites),
    PLAIN(Reset_Lites),
    // Card lines and rows.
    PLAIN(Knop_A_Click),
    PLAIN(Knop_B_Click),
    PLAIN(Knop_C_Click),
    PLAIN(Knop_D_Click),
    PLAIN(Knop_E_Click),
    PLAIN(Command1_Click),
    {"Auto_Lines", {Param{"LineSet", K::Integer_Ref, 0, 242}},
     [](H& m, A& a, R&) { m.Auto_Lines(a.Int_Var(0)); }},
    PLAIN(Set_Lijnen),
    RESULT(Geel_Op_Rij),
    RESULT(Rood_Op_Rij),
    RESULT(Wit_Op_Rij),
    RESULT(Groen_Op_Rij),
    RESULT(Groen_Op_Rij_Dubbel),
    // Digit displays and score accounting.
    PLAIN(Set_Main_Score),
    PLAIN(Set_Stake_Score),
    PLAIN(Set_Saldo_Score),
    PLAIN(Set_Main_Bonus),
    PLAIN(Set_Extra_Bonus),
    PLAIN(Set_Scoreboard),
    {"Update_Score", {Param{"Winst", K::Integer_Ref}}, [](H& m, A& a, R&) { m.Update_Score(a.Int_Var(0)); }},
    {"Update_Score_Bonus", {Param{"Winst", K::Long_Ref}, Param{"MXBon", K::Integer_Ref}},
     [](H& m, A& a, R&) { m.Update_Score_Bonus(a.Lng_Var(0), a.Int_Var(1)); }},
    // Scanning, investing, the star game and the tips.
    PLAIN(Knop_S_Click),
    PLAIN(Auto_Scan),
    PLAIN(Knop_2_Click),
    PLAIN(Knop_P_Click),
    PLAIN(Invest_Points),
    PLAIN(Request_Extra_Ball),
    RESULT(Sterrenspel),
    PLAIN(Set_Sterspel_Info),
    PLAIN(Remove_Sterspel_Info),
    PLAIN(Set_Tip),
};
// clang-format on

#undef PLAIN
#undef RESULT
#undef MOUSE

}  // namespace

std::span<const Procedure> Procedures() { return kProcedures; }

const Procedure* Find_Procedure(std::string_view name) {
    auto it = std::find_if(std::begin(kProcedures), std::end(kProcedures),
                           [&](const Procedure& p) { return name == p.Name; });
    return it == std::end(kProcedures) ? nullptr : &*it;
}

}  // namespace plonk
