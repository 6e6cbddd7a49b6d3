// The panel under the card on the game screen: the unlit look of every indicator,
// the frames of the star-game panel, the labels of the counters and the clock.
#include <string>

#include "asset_generator/art.h"
#include "asset_generator/pixel_font.h"

namespace plonk::assets {

namespace {

const Colour kFrame = Qb(qb::Cyan);
const Colour kFrameCorner = Qb(qb::Grey);
const Colour kLabel = Qb(qb::White);

// The star game frames its prizes in light red and erases the frames again with
// these very pixels, so the panel's frames lie exactly where it draws:
// the level cells of the four score strips, 24 pixels apart, between the rows
// kStripTop and kStripBottom and from x = kStripLeft to kStripRight.
constexpr int kStripTop[4] = {296, 329, 363, 397};
constexpr int kStripBottom[4] = {324, 358, 392, 426};
constexpr int kStripLeft = 322, kStripRight = 538, kLevelCell = 24;

// A frame whose four corner pixels are dark grey.
void Box(Canvas& s, int x0, int y0, int x1, int y1) {
    s.Frame(x0, y0, x1, y1, kFrame);
    for (int x : {x0, x1})
        for (int y : {y0, y1}) s.Set(x, y, kFrameCorner);
}

// A picture at the place of a control.
void At(Canvas& s, const Control& c, const Canvas& picture) { s.Paste(picture, c.Left, c.Top); }

void Score_Strips(Canvas& s, const Hoofdvenster& m) {
    for (int strip = 0; strip < 4; ++strip) {
        const int top = kStripTop[strip], bottom = kStripBottom[strip];
        At(s, m.Pic_Score(strip), Score_Board_Picture(strip, 0, m));
        s.VLine(kStripLeft, top, bottom, kFrame);
        s.VLine(kStripRight, top, bottom, kFrame);
        for (int y : {top, bottom}) {
            s.HLine(kStripLeft, kStripRight, y, kFrame);
            for (int x = kStripLeft; x <= kStripRight; x += kLevelCell) s.Set(x, y, kFrameCorner);
        }
    }
    // The yellow strip's top row lies under the strip itself; of it only the two
    // end pixels show, and the star game leaves the right one light cyan.
    s.Set(kStripRight, kStripTop[0], kFrame);
}

// The row of line indicators: five arrows, five letters, the 4th and 5th ball.
void Line_Indicators(Canvas& s, const Hoofdvenster& m) {
    const Control& first_arrow = m.Pic_Pijl(0);
    const Control& last_arrow = m.Pic_Pijl(4);
    s.Fill_Rect(first_arrow.Left, first_arrow.Top, last_arrow.Left + last_arrow.Width - 1,
                first_arrow.Top + first_arrow.Height - 1, Qb(qb::Black));
    for (int k = 0; k <= 4; ++k) {
        At(s, m.Pic_Pijl(k), Arrow_Picture(false));
        At(s, m.Pic_Letter(k), Letter_Picture(static_cast<char>('A' + k), false));
        Box(s, 409 + 18 * k, 207, 427 + 18 * k, 221);
    }
    At(s, m.Pic_4thBall, Ball_Line_Picture(4, false));
    At(s, m.Pic_5thBall, Ball_Line_Picture(5, false));
    Box(s, 499, 207, 566, 221);
    Box(s, 566, 207, 633, 221);
}

void Features(Canvas& s, const Hoofdvenster& m) {
    At(s, m.Pic_Corners, Corners_Picture(false));
    Box(s, 322, 226, 383, 244);
    At(s, m.Pic_4Stars, Stars_Picture(4, false));
    Box(s, 322, 249, 383, 267);
    At(s, m.Pic_3Stars, Stars_Picture(3, false));
    Box(s, m.Pic_3Stars.Left - 1, m.Pic_3Stars.Top - 1, m.Pic_3Stars.Left + m.Pic_3Stars.Width,
        m.Pic_3Stars.Top + m.Pic_3Stars.Height);
    At(s, m.Pic_2Stars, Stars_Picture(2, false));
    Box(s, m.Pic_2Stars.Left - 1, m.Pic_2Stars.Top - 1, m.Pic_2Stars.Left + m.Pic_2Stars.Width,
        m.Pic_2Stars.Top + m.Pic_2Stars.Height);
    for (int i = 0; i <= 3; ++i) At(s, m.Pic_Vlag(i), Flag_Picture(false));
    At(s, m.Pic_16Hit, Hit16_Picture(false));
    At(s, m.Pic_Dubbel, Double_Picture(false));
    for (int i = 0; i <= 4; ++i) At(s, m.Pix_XtrBall(i), Extra_Ball_Picture(false));
    const Control& last = m.Pix_XtrBall(4);
    Draw_Text(s, last.Left + last.Width + 6, last.Top + 4, "EXTRA BALLS", kLabel);
}

// The bonus row under the card: each card's "BONUS" sign and its counter.
void Bonuses(Canvas& s, const Hoofdvenster& m) {
    At(s, m.Pic_RedBonus, Bonus_Picture(true, false));
    At(s, m.Pic_GreenBonus, Bonus_Picture(false, false));
    const Control& red_last = m.Pic_Digit_RedBonus(3);
    const int y = red_last.Top + 3;
    Draw_Text(s, red_last.Left + red_last.Width + 5, y, "MAIN", Qb(qb::Yellow));
    const std::string extra = "EXTRA";
    Draw_Text(s, m.Pic_Digit_GreenBonus(0).Left - 5 - Text_Width(extra), y, extra, Qb(qb::Lime));
}

// Labels left of the counters, and the clock with its colon.
void Counters(Canvas& s, const Hoofdvenster& m) {
    const Control& main_first = m.Pic_Digit_Main(0);
    const Control& saldo_last = m.Pic_Digit_Saldo(4);
    const int x0 = 541, x1 = saldo_last.Left + saldo_last.Width + 2;
    s.Fill_Rect(x0, main_first.Top - 5, x1, saldo_last.Top + saldo_last.Height + 4, Qb(qb::Black));
    s.Frame(x0, main_first.Top - 5, x1, saldo_last.Top + saldo_last.Height + 4, Qb(qb::Grey));
    const struct {
        const Control* First;
        const char* Label;
    } rows[] = {{&m.Pic_Digit_Main(0), "CREDITS"},
                {&m.Pic_Digit_Stake(0), "STAKE"},
                {&m.Pic_Digit_Saldo(0), "SALDO"}};
    for (const auto& r : rows) Draw_Text(s, x0 + 4, r.First->Top + 3, r.Label, kLabel);

    const Control& h = m.Pic_Digit_Uur(0);
    const Control& last = m.Pic_Digit_Uur(3);
    const int cx0 = h.Left - 2, cx1 = last.Left + last.Width + 1;
    const int cy0 = h.Top - 2, cy1 = h.Top + h.Height + 1;
    s.Fill_Rect(cx0, cy0, cx1, cy1, Qb(qb::Black));
    s.Frame(cx0, cy0, cx1, cy1, Qb(qb::Grey));
    const int colon_x =
        (m.Pic_Digit_Uur(1).Left + m.Pic_Digit_Uur(1).Width + m.Pic_Digit_Uur(2).Left - 1) / 2;
    s.Set(colon_x, h.Top + 3, Qb(qb::Red));
    s.Set(colon_x, h.Top + 9, Qb(qb::Red));
    Draw_Text_Centred(s, cx0, cy0 - 10, cx1, cy0 - 3, "TIME", kLabel);
}

}  // namespace

void Paint_Panel(Canvas& screen, const Hoofdvenster& machine) {
    Bonuses(screen, machine);
    Line_Indicators(screen, machine);
    Features(screen, machine);
    Score_Strips(screen, machine);
    Counters(screen, machine);
}

}  // namespace plonk::assets
