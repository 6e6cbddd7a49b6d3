// Button states, the keyboard and the small controls.
#include "app/hoofdvenster.h"

namespace plonk {

void Hoofdvenster::Set_Keys() {
    // Not built yet: start-up runs without it.
}

void Hoofdvenster::Form_KeyPress(Integer& /*KeyAscii*/) {
    Not_Built("Form_KeyPress");
}

void Hoofdvenster::Knop_F1_MouseDown(int, int, float, float) {
    Not_Built("Knop_F1_MouseDown");
}

void Hoofdvenster::Knop_F2_MouseDown(int, int, float, float) {
    Not_Built("Knop_F2_MouseDown");
}

void Hoofdvenster::Knop_F1_MouseUp(int, int, float, float) {
    Not_Built("Knop_F1_MouseUp");
}

void Hoofdvenster::Knop_F2_MouseUp(int, int, float, float) {
    Not_Built("Knop_F2_MouseUp");
}

void Hoofdvenster::Knop_F1_LostFocus() {
    Not_Built("Knop_F1_LostFocus");
}

void Hoofdvenster::Knop_F2_LostFocus() {
    Not_Built("Knop_F2_LostFocus");
}

void Hoofdvenster::Timer2_Timer() {
    Not_Built("Timer2_Timer");
}

void Hoofdvenster::Knop_KrachtOmhoog_Click() {
    Not_Built("Knop_KrachtOmhoog_Click");
}

void Hoofdvenster::Knop_KrachtOmlaag_Click() {
    Not_Built("Knop_KrachtOmlaag_Click");
}

void Hoofdvenster::Slider1_Change() {
    Ball_Speed = static_cast<Integer>(Slider1.Value);
}

void Hoofdvenster::Slider1_MouseUp(int, int, float, float) {
    Not_Built("Slider1_MouseUp");
}

void Hoofdvenster::Mnu_BallSpeedOffsetInc_Click() {
    Not_Built("Mnu_BallSpeedOffsetInc_Click");
}

void Hoofdvenster::Mnu_BallSpeedOffsetDec_Click() {
    Not_Built("Mnu_BallSpeedOffsetDec_Click");
}

void Hoofdvenster::Option1_Click() {
    Not_Built("Option1_Click");
}

void Hoofdvenster::Check1_Click() {
    Not_Built("Check1_Click");
}

void Hoofdvenster::Check2_Click() {
    Not_Built("Check2_Click");
}

}  // namespace plonk
