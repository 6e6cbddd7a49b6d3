#include "machine/face_tips.h"

namespace plonk {

namespace {

struct Face_Tip {
    const char* Control;  // a single control, or a row of them by its name
    const char* Text;     // "": the control's own tip
    int Grow_Left = 0;    // the tip also holds over a label this far left of it
    int Grow_Up = 0;      // or this far above it
};

constexpr int kCounter_Label = 51;  // CREDITS, STAKE and SALDO, left of their digits
constexpr int kClock_Label = 10;    // TIME, above the clock

constexpr Face_Tip kFace_Tips[] = {
    {"Pic_Pijl", "Line feature: once all five arrows are lit, investing makes the lines movable one by one"},
    {"Pic_3Stars",
     "Star game: with 3 of the 4 star numbers lit when the game ends, the next game gets a head start"},
    {"Pic_2Stars",
     "Star game: with 2 of the 4 star numbers lit when the game ends, the next game gets a head start"},
    {"Pic_Vlag", "A flag; 4 flags lit make the green double score available"},
    {"Pic_16Hit", "While lit, a ball in hole 16 adds a flag"},
    {"Pix_XtrBall",
     "Extra ball: after the 5th ball, hold \"Request extra balls\" to try for up to five more"},
    {"Pic_Digit_Main", "Credits: the points you can play with; investing and extra balls cost 1 each",
     kCounter_Label},
    {"Pic_Digit_Stake", "", kCounter_Label},
    {"Pic_Digit_Saldo", "Saldo: what the machine paid you less what you spent", kCounter_Label},
    {"Pic_SaldoSign", "Saldo: what the machine paid you less what you spent"},
    {"Pic_Digit_Uur", "", 0, kClock_Label},
};

std::string Row_Name(const std::string& name) { return name.substr(0, name.find('(')); }

const Face_Tip* Entry_Of(const Control& c) {
    const std::string row = Row_Name(c.Name);
    for (const Face_Tip& t : kFace_Tips)
        if (row == t.Control) return &t;
    return nullptr;
}

// A child's tip and the place it holds over; no text when it has none.
Screen_Tip Tip_Of(const Control& c) {
    const Face_Tip* entry = Entry_Of(c);
    Screen_Tip tip{c.ToolTipText, c.Left, c.Top, c.Width, c.Height};
    if (!entry) return tip;
    if (tip.Text.empty()) tip.Text = entry->Text;
    tip.Left -= entry->Grow_Left;
    tip.Width += entry->Grow_Left;
    tip.Top -= entry->Grow_Up;
    tip.Height += entry->Grow_Up;
    return tip;
}

bool Holds(const Screen_Tip& t, int x, int y) {
    return !t.Text.empty() && x >= t.Left && x < t.Left + t.Width && y >= t.Top && y < t.Top + t.Height;
}

}  // namespace

std::string Face_Tip_Text(const std::string& control_name) {
    const std::string row = Row_Name(control_name);
    for (const Face_Tip& t : kFace_Tips)
        if (row == t.Control) return t.Text;
    return "";
}

Screen_Tip Screen_Tip_At(const std::vector<const Control*>& children, int x, int y) {
    // 1. The topmost visible child with a tip here.
    // 2. Else a hidden indicator (a picture box; markers that move are left out),
    //    whose sign the background shows at its place.
    for (const bool visible : {true, false}) {
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            const Control& c = **it;
            if (c.Visible != visible || (!visible && c.Kind != Control_Kind::Picture_Box)) continue;
            const Screen_Tip tip = Tip_Of(c);
            if (Holds(tip, x, y)) return tip;
        }
    }
    return {};
}

}  // namespace plonk
