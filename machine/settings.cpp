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

namespace {

// One value of the machine in the settings file: where it lies, what it reads as when
// it is missing, and the field it fills (a Long or an Integer).
struct Setting {
    const char* Section;
    const char* Key;
    const char* Default;
    Long Hoofdvenster::*Long_Field = nullptr;
    Integer Hoofdvenster::*Integer_Field = nullptr;
};

using H = Hoofdvenster;
// Every value, in the order they are written: first the settings, then the three
// running totals that a close keeps when asked to.
constexpr Setting kSettings[] = {
    {"Bonus", "Main", "1000", &H::Main_Bonus},
    {"Bonus", "Extra", "1000", &H::Extra_Bonus},
    {"Score", "Vlaggen", "0", nullptr, &H::Flags_Count},
    {"Score", "Faktor", "15", nullptr, &H::Invest_Range},
    {"Speed", "Value", "50", nullptr, &H::Ball_Speed},
    {"Speed_Offset", "Value", "1", nullptr, &H::Ball_Speed_Offset},
    {"Score", "Main", "0", &H::Main_Score},
    {"Score", "Stake", "0", &H::Stake_Score},
    {"Score", "Saldo", "0", &H::Saldo_Score},
};
constexpr size_t kFirst_Total = 6;  // where the running totals begin

}  // namespace

void Hoofdvenster::Haal_Parameters() {
    for (const Setting& s : kSettings) {
        const Long value = Read_Setting(s.Section, s.Key, s.Default, s.Integer_Field != nullptr);
        if (s.Integer_Field)
            this->*s.Integer_Field = static_cast<Integer>(value);
        else
            this->*s.Long_Field = value;
    }
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
    for (size_t i = 0; i < kFirst_Total; ++i) {
        const Setting& s = kSettings[i];
        Write_Setting(s.Section, s.Key, s.Integer_Field ? this->*s.Integer_Field : this->*s.Long_Field);
    }
}

void Hoofdvenster::Save_Score(Long& ms, Long& st, Long& sd) {
    const Long totals[] = {ms, st, sd};
    for (size_t i = 0; i < 3; ++i)
        Write_Setting(kSettings[kFirst_Total + i].Section, kSettings[kFirst_Total + i].Key, totals[i]);
}

}  // namespace plonk
