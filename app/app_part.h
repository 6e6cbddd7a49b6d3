// The ground floor of the machine: the window's own part of the game-state record
// and its controls, the toolkit it reaches the outside through, the random
// generator, sound, the flags and the clock. Every floor above builds on this one;
// the whole machine (`Hoofdvenster`) stands on top of them all.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "app/basic_types.h"
#include "app/controls.h"
#include "app/game_events.h"
#include "app/random.h"
#include "app/sound_table.h"
#include "app/toolkit.h"

namespace plonk {

// The keys that a row of controls was last given by Load_Keyed_Picture, all
// unknown at first.
template <int N>
struct Shown_Pictures {
    int32_t Key[N];
    Shown_Pictures() {
        for (int32_t& k : Key) k = -1;
    }
    // Whether control `c`, the row's k-th, shows the picture of `key` under `tag`
    // (Picture_Key_Tag), still there and with nothing drawn over it.
    bool Shows(const Control& c, int k, int32_t key, int32_t tag) const {
        return Key[k] == (key | tag) && c.Lines.empty() && !c.Picture.empty();
    }
};

// The window's part of the record: the program, the course of the game that every
// floor follows, the flags and the green double, the speeds and the held buttons.
struct App_Record {
    std::string App_Folder;
    std::string Clock_Text;
    Arr<Long, 0, 11> Sound_Handle;
    Integer Balls_In_Game = 0, Balls_Played = 0;
    bool Game_Over = false, Invest_Open = false;
    Integer Flags_Count = 0;
    bool Hit16_Feature = false;
    bool Green_Double_Active = false;
    Integer Ball_Speed = 0, Ball_Speed_Offset = 0;
    Integer Start_Speed = 0;
    bool Cancel_Close = false;
    bool F1_Held = false;
    bool F2_Held = false;

    // Calls field(name, member) for every field above, in their order.
    template <class Field>
    void Visit(Field&& field) {
        field("App_Folder", App_Folder);
        field("Clock_Text", Clock_Text);
        field("Sound_Handle", Sound_Handle);
        field("Balls_In_Game", Balls_In_Game);
        field("Balls_Played", Balls_Played);
        field("Game_Over", Game_Over);
        field("Invest_Open", Invest_Open);
        field("Flags_Count", Flags_Count);
        field("Hit16_Feature", Hit16_Feature);
        field("Green_Double_Active", Green_Double_Active);
        field("Ball_Speed", Ball_Speed);
        field("Ball_Speed_Offset", Ball_Speed_Offset);
        field("Start_Speed", Start_Speed);
        field("Cancel_Close", Cancel_Close);
        field("F1_Held", F1_Held);
        field("F2_Held", F2_Held);
    }
};

// The window's own controls (positions in twips), and those inside the screen that
// the window's rules draw: the start-speed indicator, the flags, the green double
// and the clock.
struct App_Controls {
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
    Control Pic_Kracht;
    Arr<Control, 0, 3> Pic_Vlag;
    Control Pic_Dubbel;
    Arr<Control, 0, 3> Pic_Digit_Uur;
};

class App_Part : public App_Record, public App_Controls {
public:
    App_Part(const App_Part&) = delete;
    App_Part& operator=(const App_Part&) = delete;

    Toolkit Tk;
    Random Rng;
    std::string Settings_Path;
    // The program has ended (a regular close, or a picture that cannot be loaded): no
    // further event runs, and the procedure under way runs to its end without
    // waiting, painting, sounding or reporting.
    bool Ended = false;
    // Why the last write of the settings file failed; empty when it succeeded.
    std::string Settings_Write_Error;

    // The start speed the two speed buttons step through, slowest to fastest.
    static constexpr Integer Start_Speed_Min = 38, Start_Speed_Max = 100;
    static constexpr int Start_Speed_Count = Start_Speed_Max - Start_Speed_Min + 1;
    // A start speed drawn as a player who never touches the speed buttons would leave
    // it: every one of them equally likely.
    static Integer Random_Start_Speed(Random& rng) {
        return static_cast<Integer>(Start_Speed_Min + static_cast<int>(rng.Rnd() * Start_Speed_Count));
    }
    // The most balls of a game: five, and at most five extra balls.
    static constexpr Integer Most_Balls = 10;
    // A zone's highest level, at which its bonus is on show.
    static constexpr Integer Top_Zone_Level = 9;

    // The caption-less button that takes the typed keys between actions, so that they
    // keep reaching the key handler.
    static constexpr const char* Key_Sink = "Command2";
    // The control that has the keyboard focus (the key sink after almost every action).
    std::string Focus = Key_Sink;

    // Every control by name ("Knop_Bal", "Lites(12)"), in the window's order.
    const std::vector<Control*>& All_Controls() const { return all_controls_; }
    Control* Find_Control(const std::string& name);
    const Control* Find_Control(const std::string& name) const;

    // ------------------------------------------------ the window's own rules
    void Init_App_Folder();

    // Sound.
    void Init_Sound();
    void Speel(Sound MMID);

    // The start speed, the ball speed and its offset, the sound box.
    void Knop_KrachtOmhoog_Click();
    void Knop_KrachtOmlaag_Click();
    void Slider1_Change();
    void Slider1_MouseUp(int Button, int Shift, float X, float Y);
    void Mnu_BallSpeedOffsetInc_Click();
    void Mnu_BallSpeedOffsetDec_Click();
    void Option1_Click();

    // Flags.
    void Set_Vlaggen();
    // The number of flags that count: Flags_Count within 0..4 (an edited settings
    // file may hold more or fewer).
    Integer Flags_Lit() const;
    // Four flags are lit: the green double can be had. Every rule about four flags
    // asks this, so a count above four acts as four everywhere.
    bool Four_Flags() const;

    // The button states follow the whole machine, so the machine on top sets them.
    virtual void Set_Keys() = 0;

    // ------------------------------------------------------------ helpers
    // Show a picture file from the program folder on a control; a file that cannot
    // be loaded stops the program with a message naming it.
    void Load_Picture(Control& c, const std::string& file_name);
    // Pictures that their caller knows by a small number, a key (0..65535: a digit,
    // a lamp's number and state), for the counters and lamps, which are given their
    // pictures again and again. While the screen takes every picture on trust (it
    // checks none), a control given the key it was last given keeps its picture
    // without a look at the file's name:
    //     const int32_t tag = Picture_Key_Tag();
    //     if (!shown.Shows(c, k, key, tag)) Load_Keyed_Picture(c, file_name, shown.Key[k], key, tag);
    // The tag holds the program folder's changes, so that a key given in another
    // folder is another picture, and matches no key while pictures are checked.
    int32_t Picture_Key_Tag() {
        if (Ended || Tk.Screen.Checks_Pictures()) return INT32_MIN;
        if (App_Folder != tagged_folder_) Tag_Folder();
        return folder_tag_;
    }
    // Shows `file_name` on `c` as Load_Picture, and keeps `key` in `shown`; `tag` is
    // Picture_Key_Tag's, asked since the program folder last changed.
    void Load_Keyed_Picture(Control& c, const std::string& file_name, int32_t& shown, int32_t key,
                            int32_t tag);
    // Give a control the keyboard focus.
    void Set_Focus(const std::string& name) { Focus = name; }
    // The end of an action: the buttons follow the state, and the keys go to the key
    // sink.
    void Set_Keys_And_Focus() {
        Set_Keys();
        Set_Focus(Key_Sink);
    }
    // Repaint the whole window.
    void Refresh() {
        if (!Ended) Tk.Screen.Refresh();
    }
    // A pause the player follows.
    void Pause(int ms) {
        if (!Ended) Tk.Pacing.Sleep(ms);
    }
    // Tell the front ends what just happened.
    void Report(const Game_Event& e) {
        if (!Ended) Tk.Reports.Report(e);
    }
    // End the program with this exit status: the front ends are told, and the
    // procedure under way returns without touching the outside world again.
    void End_Program(int status);

    virtual ~App_Part() = default;

protected:
    // `settings_path` is the full path of "Plonk.ini".
    App_Part(Toolkit toolkit, std::string settings_path);

    void Register(Control& c, const std::string& name, Control_Kind kind, const std::string& container,
                  int left, int top, int width, int height);

private:
    std::vector<Control*> all_controls_;
    std::map<std::string, Control*> by_name_;
    // The full path of the picture being loaded, kept so that its room is reused.
    std::string picture_path_;
    // The program folder under which keys are given now, and how often it has
    // changed, in the high bits of a key: a key given in another folder is another
    // picture.
    std::string tagged_folder_;
    int32_t folder_tag_ = 0;
    void Tag_Folder();
};

}  // namespace plonk
