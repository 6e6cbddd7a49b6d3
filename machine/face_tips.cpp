#include "machine/face_tips.h"

#include "card/lamp_picture.h"
#include "card/zone_rows.h"
#include "machine/hoofdvenster.h"

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

std::string Lamp_Tip_Text(const Hoofdvenster& m, int lamp) {
    static const char* const kZones[card::Zone_Count] = {"yellow", "red", "white", "green"};
    const int line = lamp / card::Columns, column = lamp % card::Columns;
    const int position = m.Line_Pos(line);
    const int number = m.Card_Numbers(position, column, line);
    const std::string letter(1, static_cast<char>('A' + line));
    std::string text = std::to_string(number) + " on line " + letter + " of the " +
                       (column < 5 ? "main" : "extra") + " card: ";
    // 1. The zones whose rows pass through the cell.
    std::vector<std::string> zones;
    for (int z = 0; z < card::Zone_Count; ++z)
        for (const card::Zone_Row& row : card::Zone_Rows[z])
            if (row.Cells >> lamp & 1) {
                zones.push_back(kZones[z]);
                break;
            }
    if (zones.empty()) text += "no zone";
    for (size_t i = 0; i < zones.size(); ++i)
        text += (i == 0 ? "" : i + 1 == zones.size() ? " and " : ", ") + zones[i];
    if (!zones.empty()) text += zones.size() == 1 ? " zone" : " zones";
    // 2. Lit or not, and the ring that shows where the line stands.
    text += m.Hole_State(number) == 1 ? "; lit" : "; not lit";
    if (card::Mid_Lamp(column, position)) text += "; its cyan ring shows where line " + letter + " stands";
    return text;
}

Screen_Tip Lamp_Tip_At(const Hoofdvenster& m, int x, int y) {
    for (int lamp = 0; lamp < card::Lines * card::Columns; ++lamp) {
        const Control& c = m.Lites(lamp);
        if (c.Visible && x >= c.Left && x < c.Left + c.Width && y >= c.Top && y < c.Top + c.Height)
            return {Lamp_Tip_Text(m, lamp), c.Left, c.Top, c.Width, c.Height};
    }
    return {};
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
