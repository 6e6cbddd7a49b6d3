// Sound effects: the twelve wave files loaded at start-up, played by name.
#include "app/app_part.h"
#include "app/sound_table.h"

namespace plonk {

void App_Part::Init_Sound() {
    // 1. Ask whether there is sound output at all.
    if (Tk.Speaker.Sound_Ready()) {
        // 2. Load every file of the table in order; a file that cannot be loaded
        //    keeps the negative handle it got, which silences only that sound.
        for (int n = 0; n < Sound_Count; ++n)
            Sound_Handle(n) = Tk.Speaker.Sound_Load(App_Folder + Sound_Files[n]);
        return;
    }
    // 3. No sound output: sound stays off and cannot be switched on, and the box says
    //    why; the handles stay 0.
    Option1.Value = 0;
    Option1.Enabled = false;
    Option1.ToolTipText = No_Sound_Device_Tip;
}

void App_Part::Speel(Sound MMID) {
    // A number outside the table plays nothing.
    const int n = static_cast<int>(MMID);
    if (n < 0 || n >= Sound_Count) return;
    // 1. A sound that failed to load stays silent.
    if (Sound_Handle(n) < 0) return;
    // 2. "&Sound" is read at every request, so switching it off silences at once.
    if (Option1.Value == 1 && !Ended) Tk.Speaker.Sound_Play(Sound_Handle(n));
}

}  // namespace plonk
