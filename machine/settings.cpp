// The settings file "Plonk.ini": bonuses, flags, feature range, speeds and, on
// request at shutdown, the running totals.
#include <cmath>
#include <limits>

#include "app/profile_file.h"
#include "machine/hoofdvenster.h"

namespace plonk {

Long Hoofdvenster::Read_Setting(const char* section, const char* key, const char* fallback,
                                bool integer_field) {
    Profile_File file(Settings_Path);
    const double value = Round_Even(Leading_Number(file.Get(section, key, fallback, 144)));
    // A number beyond its field's range is refused in favour of the default.
    const double lo = integer_field ? std::numeric_limits<Integer>::min() : std::numeric_limits<Long>::min();
    const double hi = integer_field ? std::numeric_limits<Integer>::max() : std::numeric_limits<Long>::max();
    if (!(value >= lo && value <= hi)) return static_cast<Long>(Round_Even(Leading_Number(fallback)));
    return static_cast<Long>(value);
}

void Hoofdvenster::Haal_Parameters() {
    Main_Bonus = Read_Setting("Bonus", "Main", "1000", false);
    Extra_Bonus = Read_Setting("Bonus", "Extra", "1000", false);
    Flags_Count = static_cast<Integer>(Read_Setting("Score", "Vlaggen", "0", true));
    Invest_Range = static_cast<Integer>(Read_Setting("Score", "Faktor", "15", true));
    Ball_Speed = static_cast<Integer>(Read_Setting("Speed", "Value", "50", true));
    Ball_Speed_Offset = static_cast<Integer>(Read_Setting("Speed_Offset", "Value", "1", true));
    Main_Score = Read_Setting("Score", "Main", "0", false);
    Stake_Score = Read_Setting("Score", "Stake", "0", false);
    Saldo_Score = Read_Setting("Score", "Saldo", "0", false);
}

void Hoofdvenster::Write_Setting(const char* section, const char* key, long long value) {
    pending_settings_.push_back({section, key, Str(value)});
    if (!batch_settings_) Commit_Settings();
}

void Hoofdvenster::Commit_Settings() {
    batch_settings_ = false;
    Profile_File file(Settings_Path);
    std::string error;
    if (!file.Put_All(pending_settings_, &error) && Settings_Write_Error.empty())
        Settings_Write_Error = error;
    pending_settings_.clear();
}

void Hoofdvenster::Schrijf_Parameters() {
    Write_Setting("Bonus", "Main", Main_Bonus);
    Write_Setting("Bonus", "Extra", Extra_Bonus);
    Write_Setting("Score", "Vlaggen", Flags_Count);
    Write_Setting("Score", "Faktor", Invest_Range);
    Write_Setting("Speed", "Value", Ball_Speed);
    Write_Setting("Speed_Offset", "Value", Ball_Speed_Offset);
}

void Hoofdvenster::Save_Score(Long& ms, Long& st, Long& sd) {
    Write_Setting("Score", "Main", ms);
    Write_Setting("Score", "Stake", st);
    Write_Setting("Score", "Saldo", sd);
}

}  // namespace plonk
