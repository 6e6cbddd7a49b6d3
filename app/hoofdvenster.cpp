// Start-up, the odds table and shutdown of the machine.
#include "app/hoofdvenster.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace plonk {

Hoofdvenster::Hoofdvenster(Toolkit& toolkit, std::string settings_path)
    : Tk(toolkit), Settings_Path(std::move(settings_path)) {
    Build_Controls();
}

void Hoofdvenster::Form_Load() {
    // 1. Show the window and paint it at once, so it is seen while the rest loads.
    Refresh();
    // 2. The sound control gets the window as its owner.
    Tk.Sound_Owner();
    // 3. Seed the random generator from the clock.
    Rng.Randomize(Tk.Clock_Seed());
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
    Timer1.Enabled = true;
    Set_Keys();
    Set_Focus("Command2");
}

void Hoofdvenster::Init_App_Folder() {
    std::string folder = Tk.Program_Folder();
    if (folder.empty() || folder.back() != '/') folder += '/';
    App_Folder = folder;
}

void Hoofdvenster::Init_Punten() {
    // Points for 3, 4 and 5 in a row, by odds level 1..9.
    static const Integer odds[27] = {
        4,  8,  16, 32,  64,  100, 150, 200, 300,  // 3 in a row
        8,  16, 32, 64,  100, 200, 300, 400, 600,  // 4 in a row
        16, 32, 64, 100, 200, 300, 450, 600, 900,  // 5 in a row
    };
    for (int n = 3; n <= 5; ++n)
        for (int level = 1; level <= 9; ++level) Odds_Table(level, n) = odds[(level - 1) + 9 * (n - 3)];
}

void Hoofdvenster::Knop_Sluiten_Click() {
    // 1. A game is running: refuse quietly (unless no ball can ever land in it).
    if (Balls_In_Game != Balls_Played && !Map_Missing) {
        Cancel_Close = true;
        return;
    }
    // 2..3. Ask whether the score is kept for the next session. A question dismissed
    //       without an answer refuses the close: nothing is written, the program
    //       runs on and the next close asks again.
    Cancel_Close = false;
    const Answer answer = Tk.Ask_Yes_No("Save score for next session ?", "Save scores");
    if (answer == Answer::Cancel) {
        Cancel_Close = true;
        return;
    }
    Long ms = 0, st = 0, sd = 0;
    if (answer == Answer::Yes) {
        ms = Main_Score;
        st = Stake_Score;
        sd = Saldo_Score;
    }
    Settings_Write_Error.clear();
    // 4. The settings. All nine values reach the file in one replacement of it; a
    // file that could not be written is reported, never passed off as saved.
    batch_settings_ = true;
    Save_Score(ms, st, sd);
    Schrijf_Parameters();
    Commit_Settings();
    if (!Settings_Write_Error.empty())
        Tk.Message("The score and settings could not be saved to \"" + Settings_Path +
                       "\": " + Settings_Write_Error + ".",
                   "Save scores");
    // 5. End at once.
    End_Program(0);
}

void Hoofdvenster::Form_QueryUnload(Integer& Cancel, int /*UnloadMode*/) {
    Knop_Sluiten_Click();
    Cancel = Cancel_Close ? -1 : 0;
}

namespace {

// The eight characters at a and b as one number each, to compare at once.
bool Same_Eight(const char* a, const char* b) {
    uint64_t x, y;
    std::memcpy(&x, a, 8);
    std::memcpy(&y, b, 8);
    return x == y;
}

// Whether n characters at a and b are the same, eight at a time, the last eight
// overlapping those before when n is not a multiple of eight: the counters and lamps
// ask this of every picture path they set, mostly of one they already show.
bool Same_Characters(const char* a, const char* b, size_t n) {
    if (n < 8) {
        for (; n > 0; ++a, ++b, --n)
            if (*a != *b) return false;
        return true;
    }
    for (size_t i = 0; i + 8 < n; i += 8)
        if (!Same_Eight(a + i, b + i)) return false;
    return Same_Eight(a + n - 8, b + n - 8);
}

}  // namespace

void Hoofdvenster::Load_Picture(Control& c, const std::string& file_name) {
    // A control that shows this very file already keeps its path as it is.
    const size_t folder = App_Folder.size();
    const bool same = c.Picture.size() == folder + file_name.size() &&
                      Same_Characters(c.Picture.data() + folder, file_name.data(), file_name.size()) &&
                      Same_Characters(c.Picture.data(), App_Folder.data(), folder);
    if (!same) picture_path_.assign(App_Folder).append(file_name);
    const std::string& path = same ? c.Picture : picture_path_;
    const std::string problem = Tk.Picture_Problem(path);
    if (!problem.empty()) {
        // A missing file is told as such; a file that is there but does not load,
        // with the reason.
        Tk.Message(problem == Toolkit::Picture_Missing
                       ? problem + ": '" + path + "'"
                       : "Cannot load the picture '" + path + "'. " + problem + ".",
                   "Plonk for Windows");
        End_Program(1);
    }
    if (!same) c.Picture.assign(picture_path_);
    c.Lines.clear();
}

void Hoofdvenster::End_Program(int status) {
    Ended = true;
    Timer1.Enabled = false;
    Timer2.Enabled = false;
    Tk.End(status);
    throw Program_End{status};
}

}  // namespace plonk
