// Hoofdvenster: the whole machine. One object owns the game-state record, every
// control of the window as plain data, and every procedure. Its procedures are
// spread over the subsystem folders (app/, playfield/, card/, scores/, features/).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "app/basic_types.h"
#include "app/controls.h"
#include "app/game_events.h"
#include "app/profile_file.h"
#include "app/random.h"
#include "app/sound_table.h"
#include "app/toolkit.h"

namespace plonk {

// Thrown to leave every procedure at once when the program ends (a regular close,
// or a picture that cannot be loaded). `Status` is the exit status.
struct Program_End {
    int Status = 0;
};

class Hoofdvenster {
public:
    // `settings_path` is the full path of "Plonk.ini".
    Hoofdvenster(Toolkit& toolkit, std::string settings_path);
    Hoofdvenster(const Hoofdvenster&) = delete;
    Hoofdvenster& operator=(const Hoofdvenster&) = delete;

    Toolkit& Tk;
    Random Rng;
    std::string Settings_Path;
    bool Ended = false;  // the program has ended; no further event runs
    // Why the last write of the settings file failed; empty when it succeeded.
    std::string Settings_Write_Error;
    // "Veld.bmp" could not be read whole at start-up: no ball can land, so a shot
    // returns the ball at once and a game may be closed between shots. The player is
    // told at the first shot.
    bool Map_Missing = false;
    bool Map_Missing_Told = false;

    // ---------------------------------------------------------------- the record
    // Files and tables built at start-up.
    std::string App_Folder;
    std::string Clock_Text;
    Arr2<Byte, 0, 319, 0, 479> Zone_Map;
    Arr<Integer, 1, 25> Hole_State;
    Arr<Integer, 1, 25> Hole_X;
    Arr<Integer, 1, 25> Hole_Y;
    Arr3<Integer, 0, 2, 0, 9, 0, 4> Card_Numbers;

    // Ball in flight.
    Long Ball_X = 0, Ball_Y = 0;
    Integer Ball_VX = 0;
    Integer Ball_VY = 0;
    Arr2<Integer, 0, 24, 0, 24> Pin_Angle;
    Arr2<Integer, 0, 40, 0, 40> Left_Spring_Angle;
    Arr2<Integer, 0, 40, 0, 40> Right_Spring_Angle;
    Arr<Long, 0, 11> Sound_Handle;

    // Course of the game.
    Integer Balls_In_Game = 0, Balls_Played = 0;
    bool Yellow_Star_Lit = false, Red_Star_Lit = false;
    bool Fifth_Ball = false;
    Integer Line_Level = 0;
    Integer Red_Level = 0, Yellow_Level = 0, Green_Level = 0, White_Level = 0;
    bool Corners_Feature = false, Four_Stars_Feature = false;
    bool Three_Stars_Feature = false, Two_Stars_Feature = false;
    bool Green_Double_Active = false;
    bool Hit16_Feature = false;
    Integer Flags_Count = 0;

    // Counters and settings.
    Long Main_Bonus = 0, Extra_Bonus = 0;
    Long Main_Score = 0, Stake_Score = 0, Saldo_Score = 0;
    bool Game_Over = false, Invest_Open = false;
    Integer Invest_Range = 0;
    Integer Ball_Speed = 0, Ball_Speed_Offset = 0;
    Integer Game_Won = 0, Game_Spent = 0;
    Integer Star_Game_Rest = 0, Spend_Counter = 0;

    // Card, tips and input.
    Arr<Integer, 0, 4> Line_Pos;
    Arr<Integer, 0, 4> Line_Dir;
    Integer Tip_Line_Set = 0;
    bool Cancel_Close = false;
    bool F1_Held = false;
    bool F2_Held = false;

    // Paid marks, one game each.
    bool Yellow_Got3 = false, Yellow_Got4 = false, Yellow_Got5 = false;
    bool Red_Got3 = false, Red_Got4 = false, Red_Got5 = false;
    bool White_Got3 = false, White_Got4 = false, White_Got5 = false;
    bool Green_Got3 = false, Green_Got4 = false, Green_Got5 = false;
    bool Double_Got3 = false, Double_Got4 = false, Double_Got5 = false;
    bool Main_Bonus_Paid = false, Extra_Bonus_Paid = false;
    bool Green_Double_Used = false;

    // Odds and start speed.
    Arr2<Integer, 1, 9, 3, 5> Odds_Table;
    Integer Start_Speed = 0;
    // The start speed the two speed buttons step through, slowest to fastest.
    static constexpr Integer Start_Speed_Min = 38, Start_Speed_Max = 100;

    // ------------------------------------------------------------- the controls
    // On the window (positions in twips).
    Control Pic_Scherm;
    Control Knop_KrachtOmlaag, Knop_KrachtOmhoog, Knop_Bal;
    Control Knop_A, Knop_B, Knop_C, Knop_D, Knop_E;
    Control Knop_P, Knop_S, Knop_2, Knop_F1, Knop_F2;
    Control Option1, Check1, Check2;
    Control Command1;
    Control Slider1;
    Control Label1;
    Control Knop_Sluiten;
    Control Command2;
    Control Timer1, Timer2;
    Control dummie01, Mnu_BallSpeedOffsetInc, Mnu_BallSpeedOffsetDec;
    Control ESound1;

    // Inside Pic_Scherm (positions in pixels).
    Control Pic_Kracht;
    Arr<Control, 0, 9> Image_Bal;
    Arr<Control, 0, 2> Tip;
    Control Pic_Ster_Geel, Pic_Ster_Rood;
    Arr<Control, 0, 49> Lites;
    Arr<Control, 0, 3> Pic_Digit_RedBonus, Pic_Digit_GreenBonus;
    Control Pic_RedBonus, Pic_GreenBonus;
    Arr<Control, 0, 4> Pic_Pijl;
    Arr<Control, 0, 4> Pic_Letter;
    Control Pic_4thBall, Pic_5thBall;
    Control Pic_Corners, Pic_4Stars, Pic_3Stars, Pic_2Stars;
    Arr<Control, 0, 3> Pic_Vlag;
    Control Pic_16Hit;
    Arr<Control, 0, 3> Pic_Score;
    Control Pic_Dubbel;
    Arr<Control, 0, 4> Pic_Digit_Main, Pic_Digit_Stake, Pic_Digit_Saldo;
    Control Pic_SaldoSign;
    Arr<Control, 0, 3> Pic_Digit_Uur;
    Arr<Control, 0, 4> Pix_XtrBall;
    Control Calc_Tip, Label2, Label3;

    // The control that has the keyboard focus ("Command2" after almost every action).
    std::string Focus = "Command2";

    // Every control by name ("Knop_Bal", "Lites(12)"), in the window's order.
    const std::vector<Control*>& All_Controls() const { return all_controls_; }
    Control* Find_Control(const std::string& name);

    // ------------------------------------------------- start-up and shutdown
    void Form_Load();
    void Init_App_Folder();
    void Init_Punten();
    void Knop_Sluiten_Click();
    void Form_QueryUnload(Integer& Cancel, int UnloadMode);
    void Reset_Game();

    // Settings file.
    void Haal_Parameters();
    void Schrijf_Parameters();
    void Save_Score(Long& ms, Long& st, Long& sd);

    // Sound.
    void Init_Sound();
    void Speel(Sound MMID);

    // Controls, keyboard and button states.
    void Set_Keys();
    void Form_KeyPress(Integer& KeyAscii);
    void Knop_F1_MouseDown(int Button, int Shift, float X, float Y);
    void Knop_F2_MouseDown(int Button, int Shift, float X, float Y);
    void Knop_F1_MouseUp(int Button, int Shift, float X, float Y);
    void Knop_F2_MouseUp(int Button, int Shift, float X, float Y);
    void Knop_F1_LostFocus();
    void Knop_F2_LostFocus();
    void Timer2_Timer();
    void Knop_KrachtOmhoog_Click();
    void Knop_KrachtOmlaag_Click();
    void Slider1_Change();
    void Slider1_MouseUp(int Button, int Shift, float X, float Y);
    void Mnu_BallSpeedOffsetInc_Click();
    void Mnu_BallSpeedOffsetDec_Click();
    void Option1_Click();
    void Check1_Click();
    void Check2_Click();
    // The release of a held Knop_F1 or Knop_F2; `held` is its flag.
    void Release_Held(bool& held);

    // Flags and clock.
    void Set_Vlaggen();
    void Timer1_Timer();
    // The number of flags that count: Flags_Count within 0..4 (an edited settings
    // file may hold more or fewer).
    Integer Flags_Lit() const;
    // Four flags are lit: the green double can be had. Every rule about four flags
    // asks this, so a count above four acts as four everywhere.
    bool Four_Flags() const;

    // Playfield geometry.
    void Init_Veld();
    void Init_Hole_XY();
    void Init_Tap_XY();
    void Init_Veer_XY();
    void Init_Holes();

    // Deflection arithmetic.
    Integer Calc_Alfa(Integer X_Vector, Integer Y_Vector) const;
    bool Botsing(Integer Alfa, Integer ObjHoek) const;
    Integer Calc_Hor(Integer Beta, double Hyp, Integer Proc) const;
    Integer Calc_Ver(Integer Beta, double Hyp, Integer Proc) const;
    Integer SoortRand(Integer Y) const;

    // Ball flight.
    void Knop_Bal_Click();

    // Card lamps.
    void Init_Lites();
    void Set_Lites();
    void Reset_Lites();

    // Card lines.
    void Knop_A_Click();
    void Knop_B_Click();
    void Knop_C_Click();
    void Knop_D_Click();
    void Knop_E_Click();
    void Command1_Click();
    void Auto_Lines(Integer& LineSet);
    void Set_Lijnen();

    // Row evaluation.
    void Geel_Op_Rij(Integer& Result) const;
    void Rood_Op_Rij(Integer& Result) const;
    void Wit_Op_Rij(Integer& Result) const;
    void Groen_Op_Rij(Integer& Result) const;
    void Groen_Op_Rij_Dubbel(Integer& Result) const;

    // Digit displays and score accounting.
    void Set_Main_Score();
    void Set_Stake_Score();
    void Set_Saldo_Score();
    void Set_Main_Bonus();
    void Set_Extra_Bonus();
    void Set_Scoreboard();
    void Update_Score(Integer& Winst);
    void Update_Score_Bonus(Long& Winst, Integer& MXBon);

    // Scan and collect.
    void Knop_S_Click();
    void Auto_Scan();
    void Knop_2_Click();

    // Investing, inserting points, extra balls.
    void Knop_P_Click();
    void Invest_Points();
    void Request_Extra_Ball();

    // Star game.
    void Sterrenspel(Integer& Result);
    void Set_Sterspel_Info();
    void Remove_Sterspel_Info();

    // Tips.
    void Set_Tip();

    // ------------------------------------------------------------ helpers
    // Show a picture file from the program folder on a control; a file that cannot
    // be loaded stops the program with a message naming it.
    void Load_Picture(Control& c, const std::string& file_name);
    // Give a control the keyboard focus.
    void Set_Focus(const std::string& name) { Focus = name; }
    // Repaint the whole window.
    void Refresh() { Tk.Refresh(); }
    // Tell the front ends what just happened.
    void Report(const Game_Event& e) { Tk.Report(e); }
    // Stop the program at once with this exit status.
    [[noreturn]] void End_Program(int status);

private:
    void Build_Controls();
    void Register(Control& c, const std::string& name, Control_Kind kind, const std::string& container,
                  int left, int top, int width, int height);
    Long Read_Setting(const char* section, const char* key, const char* fallback, bool integer_field);
    void Write_Setting(const char* section, const char* key, long long value);
    // Writes the settings gathered since `batch_settings_` was set, in one replacement
    // of the file.
    void Commit_Settings();
    bool batch_settings_ = false;
    std::vector<Profile_Entry> pending_settings_;

    std::vector<Control*> all_controls_;
    std::map<std::string, Control*> by_name_;
    // The full path of the picture being loaded, kept so that its room is reused.
    std::string picture_path_;
};

}  // namespace plonk
