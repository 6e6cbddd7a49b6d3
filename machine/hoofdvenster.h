// Hoofdvenster: the whole machine, as the front ends see it. One object owns the
// game-state record, every control of the window as plain data, and every
// procedure. Each floor below declares its own part of the record, its controls and
// its rules (app/, scores/, playfield/, card/, features/); this top floor joins them
// and holds the rules that follow the whole machine: start-up and the close, the
// new game, the settings file, the button states and the keys.
#pragma once

#include <string>
#include <vector>

#include "app/profile_file.h"
#include "features/features_part.h"

namespace plonk {

class Hoofdvenster final : public Features_Part {
public:
    // `settings_path` is the full path of "Plonk.ini".
    Hoofdvenster(Toolkit toolkit, std::string settings_path);

    // ------------------------------------------------- start-up and shutdown
    // Before Form_Load: the program folder, then every control's own picture loaded
    // once, as the window shows them. One that cannot be is reported as any picture
    // the machine shows, and ends the program: false then.
    bool Load_Faces();
    void Form_Load();
    void Knop_Sluiten_Click();
    void Form_QueryUnload(Integer& Cancel, int UnloadMode);
    void Reset_Game() override;

    // Settings file.
    void Haal_Parameters();
    void Schrijf_Parameters();
    void Save_Score(Long& ms, Long& st, Long& sd);

    // Controls, keyboard and button states.
    void Set_Keys() override;
    void Form_KeyPress(Integer& KeyAscii);
    void Knop_F1_MouseDown(int Button, int Shift, float X, float Y);
    void Knop_F2_MouseDown(int Button, int Shift, float X, float Y);
    void Knop_F1_MouseUp(int Button, int Shift, float X, float Y);
    void Knop_F2_MouseUp(int Button, int Shift, float X, float Y);
    void Knop_F1_LostFocus();
    void Knop_F2_LostFocus();
    void Timer2_Timer();
    // The clock, and the blinking of a green double waiting after a green row.
    void Timer1_Timer();
    void Check1_Click();
    void Check2_Click();
    // The release of a held Knop_F1 or Knop_F2; `held` is its flag.
    void Release_Held(bool& held);

private:
    void Build_Controls();
    Long Read_Setting(const char* section, const char* key, const char* fallback, bool integer_field);
    void Write_Setting(const char* section, const char* key, long long value);
    // Writes the settings gathered since `batch_settings_` was set, in one replacement
    // of the file.
    void Commit_Settings();
    bool batch_settings_ = false;
    std::vector<Profile_Entry> pending_settings_;
};

}  // namespace plonk
