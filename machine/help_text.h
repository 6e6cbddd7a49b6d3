// The help window's text, written from the machine's own tables: the odds ladders,
// the star prizes, the extra-ball odds, the keys and the controls' own words. Plain
// HTML with no toolkit in it, so its figures can be checked against the tables.
#pragma once

#include <string>
#include <vector>

namespace plonk {

class Hoofdvenster;

// The name under which the help shows the card with its colour zones, cut from the
// game screen's background picture.
inline constexpr const char* Card_Picture_Name = "card-zones";

// The part of the game screen (pixels) that the card picture shows.
struct Screen_Area {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};
Screen_Area Card_Area(const Hoofdvenster& m);

// The whole help: how to play, then the keys (anchor "keys"), the front end's own
// keys among them (rows of key, what it does, when; every cell HTML). Pictures are
// named by their file names in the program folder, the card by Card_Picture_Name.
// `m` is a started machine (its odds table built).
std::string Help_Html(const Hoofdvenster& m, const std::vector<std::vector<std::string>>& own_keys);

}  // namespace plonk
