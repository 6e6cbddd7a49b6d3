// The window's controls as plain data. The machine sets these fields; a front end
// only shows them and reports events back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plonk {

enum class Control_Kind {
    Picture_Box,     // a picture box (can be drawn on)
    Image,           // an image control (shows a picture only)
    Picture_Button,  // a game button with a face picture and a tooltip, no caption
    Button,          // a push button with a caption
    Check_Box,
    Slider,
    Label,
    Timer,
    Menu,
    Menu_Item,
    Sound,
};

// One line drawn on a picture box since its picture was last set, from (X1, Y1)
// up to but not including (X2, Y2); Color is 0xRRGGBB.
struct Drawn_Line {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    uint32_t Color = 0;
    bool operator==(const Drawn_Line&) const = default;
};

// The pixels of a line from (X1, Y1) up to but not including (X2, Y2), in the order
// they are drawn; a line of length zero has none.
struct Line_Pixel {
    int X = 0, Y = 0;
    bool operator==(const Line_Pixel&) const = default;
};
std::vector<Line_Pixel> Line_Pixels(const Drawn_Line& line);

struct Control {
    std::string Name;  // "Knop_Bal", "Lites(12)"
    Control_Kind Kind = Control_Kind::Picture_Box;
    std::string Container;  // "" for the window (twips), "Pic_Scherm" or "Calc_Tip" (pixels)
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
    bool Enabled = true;
    int Value = 0;         // check boxes 0/1, slider position
    int Min = 0, Max = 0;  // slider range
    int Interval = 0;      // timers, in milliseconds
    std::string Caption;
    std::string ToolTipText;
    std::string Picture;  // full path of the picture set at run time, "" for none
    std::string Face;     // the window's own picture (file name in the program folder),
                          // shown while no run-time picture is set
    std::vector<Drawn_Line> Lines;

    // A line drawn again over exactly the same pixels hides the earlier one, so the
    // earlier entry is dropped and the list stays bounded.
    void Draw_Line(int x1, int y1, int x2, int y2, uint32_t color) {
        Drawn_Line l{x1, y1, x2, y2, color};
        for (auto it = Lines.begin(); it != Lines.end(); ++it) {
            if (it->X1 == x1 && it->Y1 == y1 && it->X2 == x2 && it->Y2 == y2) {
                Lines.erase(it);
                break;
            }
        }
        Lines.push_back(l);
    }
};

}  // namespace plonk
