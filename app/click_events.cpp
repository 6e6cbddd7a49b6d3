// The click event of each control, by the control's name.
#include <map>

#include "app/hoofdvenster.h"

namespace plonk {

namespace {

using Procedure = void (Hoofdvenster::*)();

const std::map<std::string, Procedure>& Clicks() {
    static const std::map<std::string, Procedure> clicks = {
        {"Knop_KrachtOmlaag", &Hoofdvenster::Knop_KrachtOmlaag_Click},
        {"Knop_KrachtOmhoog", &Hoofdvenster::Knop_KrachtOmhoog_Click},
        {"Knop_Bal", &Hoofdvenster::Knop_Bal_Click},
        {"Knop_A", &Hoofdvenster::Knop_A_Click},
        {"Knop_B", &Hoofdvenster::Knop_B_Click},
        {"Knop_C", &Hoofdvenster::Knop_C_Click},
        {"Knop_D", &Hoofdvenster::Knop_D_Click},
        {"Knop_E", &Hoofdvenster::Knop_E_Click},
        {"Knop_P", &Hoofdvenster::Knop_P_Click},
        {"Knop_S", &Hoofdvenster::Knop_S_Click},
        {"Knop_2", &Hoofdvenster::Knop_2_Click},
        {"Command1", &Hoofdvenster::Command1_Click},
        {"Knop_Sluiten", &Hoofdvenster::Knop_Sluiten_Click},
        {"Option1", &Hoofdvenster::Option1_Click},
        {"Check1", &Hoofdvenster::Check1_Click},
        {"Check2", &Hoofdvenster::Check2_Click},
        {"Mnu_BallSpeedOffsetInc", &Hoofdvenster::Mnu_BallSpeedOffsetInc_Click},
        {"Mnu_BallSpeedOffsetDec", &Hoofdvenster::Mnu_BallSpeedOffsetDec_Click},
    };
    return clicks;
}

}  // namespace

std::vector<std::string> Hoofdvenster::Clickable_Controls() {
    std::vector<std::string> names;
    for (const auto& entry : Clicks()) names.push_back(entry.first);
    return names;
}

bool Hoofdvenster::Click(const std::string& name) {
    auto it = Clicks().find(name);
    if (it == Clicks().end()) return false;
    (this->*(it->second))();
    return true;
}

}  // namespace plonk
