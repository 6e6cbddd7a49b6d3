// The flags and the green double they offer.
#include <algorithm>

#include "app/app_part.h"

namespace plonk {

Integer App_Part::Flags_Lit() const { return To_Integer(std::clamp<int>(Flags_Count, 0, 4)); }

bool App_Part::Four_Flags() const { return Flags_Lit() == 4; }

void App_Part::Set_Vlaggen() {
    const int flags = Flags_Lit();
    if (flags != 0) {
        // 1. The flags won so far are shown; the count only grows during play, so
        //    the others are already hidden. Four flags offer the green double.
        for (int i = 0; i < flags; ++i) Pic_Vlag(i).Visible = true;
        if (Four_Flags()) {
            Pic_Dubbel.Visible = true;
        } else {
            Green_Double_Active = false;
            Pic_Dubbel.Visible = false;
        }
    } else {
        // 2. No flags: none shown and no green double.
        for (int i = 0; i <= 3; ++i) Pic_Vlag(i).Visible = false;
        Green_Double_Active = false;
        Pic_Dubbel.Visible = false;
    }
}

}  // namespace plonk
