// Start-up and shutdown of the whole machine.
#include "machine/hoofdvenster.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "machine/procedures.h"

namespace plonk {

Hoofdvenster::Hoofdvenster(Toolkit toolkit, std::string settings_path)
    : Features_Part(toolkit, std::move(settings_path)) {
    Build_Controls();
    // Every window event must name a control of the machine and run the procedure
    // named after it: a machine that does not fit its events is not made at all.
    if (const std::string faults = Event_Faults(*this, Window_Events()); !faults.empty())
        throw std::logic_error("the machine's window events do not fit it:\n" + faults);
}

bool Hoofdvenster::Load_Faces() {
    Init_App_Folder();
    Control probe;
    for (const Control* c : All_Controls()) {
        if (!c->Face.empty()) Load_Picture(probe, c->Face);
        if (Ended) return false;
    }
    return true;
}

void Hoofdvenster::Form_Load() {
    // 1. Show the window and paint it at once, so it is seen while the rest loads.
    Refresh();
    // 2. The sound control gets the window as its owner.
    Tk.Speaker.Sound_Owner();
    // 3. Seed the random generator from the clock.
    Rng.Randomize(Tk.Clock.Clock_Seed());
    // 4..9. The program folder, the playfield tables, the sounds, the card, the odds.
    Init_App_Folder();
    Init_Veld();
    Init_Hole_XY();
    Init_Tap_XY();
    Init_Veer_XY();
    Init_Sound();
    Init_Lites();
    Init_Punten();
    // 10. No game runs; investing starts the first one.
    Game_Over = true;
    Invest_Open = false;
    // 11..14. The settings, then the counters drawn from them.
    Haal_Parameters();
    Set_Main_Bonus();
    Set_Extra_Bonus();
    // The slider cannot show a speed outside its range: it is clamped there, and the
    // ball speed follows it either way, also when the slider's value did not change.
    const int speed = std::clamp<int>(Ball_Speed, Slider1.Min, Slider1.Max);
    if (Slider1.Value != speed) {
        Slider1.Value = speed;
        Slider1_Change();
    }
    Ball_Speed = static_cast<Integer>(Slider1.Value);
    Set_Main_Score();
    Set_Stake_Score();
    Set_Saldo_Score();
    // 15..19. A fresh board, the clock, the buttons, the focus.
    Reset_Game();
    Star_Game_Rest = 2;
    Timer1.Enabled = !Ended;
    Set_Keys_And_Focus();
}

void Hoofdvenster::Knop_Sluiten_Click() {
    // 1. A game is running: refuse, showing nothing (unless no ball can ever land in
    //    it); the front ends are told why.
    if (Balls_In_Game != Balls_Played && !Map_Missing) {
        Cancel_Close = true;
        Report({.Kind = Game_Event_Kind::Close_Refused});
        return;
    }
    // 2..3. Ask whether the score is kept for the next session. A question dismissed
    //       without an answer refuses the close: nothing is written, the program
    //       runs on and the next close asks again.
    Cancel_Close = false;
    const Answer answer = Tk.Dialogs.Ask_Yes_No("Save score for next session ?", "Save scores");
    if (answer == Answer::Cancel) {
        Cancel_Close = true;
        return;
    }
    // 3. Kept: what the finished card still holds is paid first, as the next invest
    //    would pay it. Either way a used green double costs its flags, as the next
    //    game would take them.
    if (answer == Answer::Yes) Collect_Finished_Card();
    if (Ended) return;
    Settle_Green_Double();
    Long ms = 0, st = 0, sd = 0;
    if (answer == Answer::Yes) {
        ms = Main_Score;
        st = Stake_Score;
        sd = Saldo_Score;
    }
    Settings_Write_Error.clear();
    // 4. The settings. All nine values, and the front end's own, reach the file in one
    // replacement of it; a file that could not be written is reported, never passed
    // off as saved.
    batch_settings_ = true;
    Save_Score(ms, st, sd);
    Schrijf_Parameters();
    for (Profile_Entry& own : Tk.Files.Closing_Settings()) pending_settings_.push_back(std::move(own));
    Commit_Settings();
    if (!Settings_Write_Error.empty())
        Tk.Dialogs.Message("The score and settings could not be saved to \"" + Settings_Path +
                               "\": " + Settings_Write_Error + ".",
                           "Save scores");
    // 5. End at once.
    End_Program(0);
}

void Hoofdvenster::Form_QueryUnload(Integer& Cancel, int /*UnloadMode*/) {
    Knop_Sluiten_Click();
    Cancel = Cancel_Close ? -1 : 0;
}

}  // namespace plonk
