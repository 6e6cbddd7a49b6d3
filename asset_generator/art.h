// The pictures of the machine, painted by the generator's own code. Each Write_
// function writes its files into `folder` and answers false when one cannot be
// written. The Paint_ and _Picture functions are shared with the background,
// which shows the unlit look of every indicator where the indicator is hidden.
#pragma once

#include <string>

#include "asset_generator/canvas.h"
#include "machine/hoofdvenster.h"

namespace plonk::assets {

// The folder and a file name joined.
std::string In_Folder(const std::string& folder, const std::string& name);

// Counters: "Digit_0.bmp".."Digit_9.bmp", "Min.bmp", "Plus.bmp", "Kracht.bmp" and
// the 40 score boards, whose payouts come from the machine's odds table.
bool Write_Counter_Pictures(const std::string& folder, const Hoofdvenster& machine);
Canvas Digit_Art(int digit);
// The score board of colour `board` (0 yellow, 1 red, 2 white, 3 green) with
// level `lit` lit (0: none).
Canvas Score_Board_Picture(int board, int lit, const Hoofdvenster& machine);

// The 100 card lamps: "01-on.gif" .. "25-off-mid.gif".
bool Write_Lamp_Pictures(const std::string& folder);
Canvas Lamp_Art(int number, bool lit, bool mid);

// The faces of the game buttons ("Knop_Bal.bmp", ...).
bool Write_Button_Faces(const std::string& folder);

// The indicators inside the game screen, each lit (as its picture file) or unlit
// (as the background shows it).
bool Write_Indicator_Pictures(const std::string& folder);
Canvas Arrow_Picture(bool lit);
Canvas Letter_Picture(char letter, bool lit);
Canvas Ball_Line_Picture(int ball, bool lit);  // "4TH BALL", "5TH BALL"
Canvas Corners_Picture(bool lit);
Canvas Stars_Picture(int stars, bool lit);  // 4, 3 or 2 stars
Canvas Flag_Picture(bool lit);
Canvas Hit16_Picture(bool lit);
Canvas Double_Picture(bool lit);
Canvas Bonus_Picture(bool red, bool lit);
Canvas Extra_Ball_Picture(bool lit);
// A shaded ball of radius `r` centred on (cx, cy).
void Paint_Ball(Canvas& canvas, double cx, double cy, double r);

// The game's icon in the sizes a desktop looks for, in the folder tree of the icon
// theme ("icons/hicolor/48x48/apps/" + the application's id + ".png").
inline constexpr int Icon_Sizes[] = {16, 24, 32, 48, 64, 128, 256};
bool Write_Icons(const std::string& folder);
std::string Icon_File(int size);
Canvas Icon_Picture(int size);

// "Scherm.bmp": the playfield half by the playfield painter, then the card and
// the panel on the right half.
bool Write_Screen(const std::string& folder, const Hoofdvenster& machine);
void Paint_Card(Canvas& screen, const Hoofdvenster& machine);
void Paint_Panel(Canvas& screen, const Hoofdvenster& machine);

}  // namespace plonk::assets
