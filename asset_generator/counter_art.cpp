// The counters' pictures: seven-segment digits, the balance sign, the start-speed
// column and the four colours' score boards.
#include <string>

#include "app/picture_names.h"
#include "asset_generator/art.h"
#include "asset_generator/picture_files.h"
#include "asset_generator/pixel_font.h"

namespace plonk::assets {

namespace {

const Colour kSegmentOn = Qb(qb::Red);
const Colour kSegmentOff = Rgb(56, 0, 0);

// Segments a..g of a 7 x 13 digit as (x0, y0, x1, y1); the strokes are two pixels
// thick and share their corner pixels.
struct Segment {
    int X0, Y0, X1, Y1;
};
const Segment kSegments[7] = {
    {1, 0, 5, 1},    // a: top
    {5, 1, 6, 6},    // b: upper right
    {5, 6, 6, 11},   // c: lower right
    {1, 11, 5, 12},  // d: bottom
    {0, 6, 1, 11},   // e: lower left
    {0, 1, 1, 6},    // f: upper left
    {1, 6, 5, 6},    // g: middle
};
// The lit segments of each digit, bit 0 for a up to bit 6 for g.
const int kDigitSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// The score boards: the board's colour when lit, and its numbers' colour when not.
struct Board_Look {
    Colour Lit, Dim;
};
const Board_Look kBoards[4] = {
    {Qb(qb::Yellow), Qb(qb::Olive)},
    {Qb(qb::Red), Qb(qb::Maroon)},
    {Qb(qb::White), Qb(qb::Grey)},
    {Qb(qb::Lime), Qb(qb::Green)},
};
constexpr int kCellWidth = 24;  // a level cell and its separator column

Canvas Sign_Picture(bool plus) {
    Canvas c(5, 5, Qb(qb::Black));
    c.HLine(0, 4, 2, kSegmentOn);
    if (plus) c.VLine(2, 0, 4, kSegmentOn);
    return c;
}

// The start-speed column at the start value 70: a row is red once the speed has
// been raised to 100 - 2 * row, so rows 15 and below are red, the rest blue.
Canvas Speed_Column_Picture() {
    Canvas c(10, 31, Qb(qb::Blue));
    c.Fill_Rect(0, 15, 9, 30, Qb(qb::Red));
    return c;
}

}  // namespace

Canvas Digit_Art(int digit) {
    Canvas c(7, 13, Qb(qb::Black));
    // Unlit segments first, so a shared corner shows lit when either segment is.
    for (bool lit : {false, true})
        for (int s = 0; s < 7; ++s) {
            const Segment& g = kSegments[s];
            if (((kDigitSegments[digit] >> s) & 1) == lit)
                c.Fill_Rect(g.X0, g.Y0, g.X1, g.Y1, lit ? kSegmentOn : kSegmentOff);
        }
    return c;
}

Canvas Score_Board_Picture(int board, int lit, const Hoofdvenster& machine) {
    const Board_Look& look = kBoards[board];
    Canvas c(215, 28, Qb(qb::Black));
    const Text_Style tiny{Font::Tiny};
    for (int v = 1; v <= 9; ++v) {
        const int x0 = kCellWidth * (v - 1), x1 = kCellWidth * v - 2;
        if (v <= 8) c.VLine(kCellWidth * v - 1, 0, 27, Qb(qb::Cyan));
        if (v == lit) c.Fill_Rect(x0, 0, x1, 27, look.Lit);
        const Colour ink = v == lit ? Qb(qb::Black) : look.Dim;
        // The payouts for 3, 4 and 5 in a row, one under the other.
        for (int n = 3; n <= 5; ++n) {
            const int y = 3 + 8 * (n - 3);
            Draw_Text_Centred(c, x0, y, x1, y + 4, std::to_string(machine.Odds_Table(v, n)), ink, tiny);
        }
    }
    return c;
}

bool Write_Counter_Pictures(const std::string& folder, const Hoofdvenster& machine) {
    bool ok = true;
    for (int d = 0; d <= 9; ++d)
        ok &= Save_Bmp(Digit_Art(d), In_Folder(folder, Digit_File(static_cast<char>('0' + d))));
    ok &= Save_Bmp(Sign_Picture(false), In_Folder(folder, Sign_File(true)));
    ok &= Save_Bmp(Sign_Picture(true), In_Folder(folder, Sign_File(false)));
    ok &= Save_Bmp(Speed_Column_Picture(), In_Folder(folder, "Kracht.bmp"));
    for (int b = 0; b < 4; ++b)
        for (int level = 0; level <= 9; ++level)
            ok &= Save_Bmp(Score_Board_Picture(b, level, machine),
                           In_Folder(folder, Score_Board_File(b, level)));
    return ok;
}

}  // namespace plonk::assets
