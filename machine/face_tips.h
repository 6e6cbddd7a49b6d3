// Tooltips on the game screen: every indicator says what it is. A control's own
// tooltip comes first; the indicators that have none get theirs from this table,
// and a counter's or the clock's tip also shows over its printed label.
#pragma once

#include <string>
#include <vector>

#include "app/controls.h"

namespace plonk {

class Hoofdvenster;

struct Screen_Tip {
    std::string Text;                              // empty: no tip here
    int Left = 0, Top = 0, Width = 0, Height = 0;  // where it holds, in screen pixels
};

// The table's tip of a control ("Pic_Vlag(2)" by its row name "Pic_Vlag"), or "".
std::string Face_Tip_Text(const std::string& control_name);

// The tip at pixel (x, y) of the game screen's drawing area, from its children in
// painting order (the last drawn lies on top). A visible child is found first; a
// hidden indicator's printed place on the background still answers.
Screen_Tip Screen_Tip_At(const std::vector<const Control*>& children, int x, int y);

// A card lamp's tip as the card stands: the number it shows, its line and card, the
// colour zones it lies in, whether it is lit, and its cyan ring when it wears one
// ("14 on line A of the main card: yellow and red zones; lit").
std::string Lamp_Tip_Text(const Hoofdvenster& m, int lamp);
// The tip of the card lamp at pixel (x, y) of the drawing area; no text when no lamp
// lies there.
Screen_Tip Lamp_Tip_At(const Hoofdvenster& m, int x, int y);

}  // namespace plonk
