// The feature draw: what one invest during a game may buy.
#include "features/feature_draw.h"

#include <algorithm>

#include "card/win_kinds.h"

namespace plonk {

namespace {

void Tell(Features_Part& h, Feature gave, Win_Kind colour = Win_Kind::Yellow, int level = 0) {
    h.Report({.Kind = Game_Event_Kind::Feature_Drawn, .Win = colour, .Gave = gave, .Level = level});
}

// A draw that wins nothing.
void Nothing(Features_Part& h) {
    h.Speel(Sound::Invest);
    Tell(h, Feature::Nothing);
}

// e = 1: the star game. Two stars replace three.
void Draw_Stars(Features_Part& h) {
    if (h.Star_Game_Rest != 0) return Nothing(h);
    const int f = Draw_1_To(h, 40);
    if (f == 27 && !h.Two_Stars_Feature) {
        h.Three_Stars_Feature = false;
        h.Pic_3Stars.Visible = false;
        h.Two_Stars_Feature = true;
        h.Pic_2Stars.Visible = true;
    } else if (f != 27 && f <= 4 && !h.Two_Stars_Feature && !h.Three_Stars_Feature) {
        h.Three_Stars_Feature = true;
        h.Pic_3Stars.Visible = true;
    } else {
        return Nothing(h);
    }
    h.Speel(Sound::Rollover);
    h.Set_Sterspel_Info();
    Tell(h, h.Two_Stars_Feature ? Feature::Two_Stars : Feature::Three_Stars);
}

// e = 2: one odds level up. The red level sets the star prize, so its frames are
// taken away before it changes.
void Draw_Level(Features_Part& h) {
    const int g = Draw_1_To(h, 100);
    const Win_Kind colour = g <= 29   ? Win_Kind::Yellow
                            : g <= 59 ? Win_Kind::Red
                            : g <= 79 ? Win_Kind::White
                                      : Win_Kind::Green;
    Integer* level = &(h.*Rule_Of(colour).Level);
    if (*level > 8) return Nothing(h);
    if (level == &h.Red_Level) h.Remove_Sterspel_Info();
    ++*level;
    h.Set_Scoreboard();
    h.Speel(Sound::Rollover);
    h.Set_Sterspel_Info();
    if (level == &h.Red_Level && h.Red_Level == h.Top_Zone_Level) h.Pic_RedBonus.Visible = true;
    if (level == &h.Green_Level && h.Green_Level == h.Top_Zone_Level) h.Pic_GreenBonus.Visible = true;
    Tell(h, Feature::Odds_Level, colour, *level);
}

// A feature won by a draw over 1..range of at most `most`: switched on, shown and
// heard. A higher draw, or a feature already on, wins nothing.
void Draw_Feature(Features_Part& h, Feature which, int range, int most, bool& feature, Control& picture) {
    const int p = Draw_1_To(h, range);
    if (p > most || feature) return Nothing(h);
    feature = true;
    picture.Visible = true;
    h.Speel(Sound::Rollover);
    Tell(h, which);
}

// e = 3: four stars, never together with corners.
void Draw_Four_Stars(Features_Part& h) {
    if (h.Corners_Feature) return Nothing(h);
    Draw_Feature(h, Feature::Four_Stars, 10 * h.Green_Level, 9, h.Four_Stars_Feature, h.Pic_4Stars);
}

// e = 4: a ball in hole 16 adds a flag; harder with more flags.
void Draw_Hit16(Features_Part& h) {
    if (h.Four_Flags()) return Nothing(h);
    Draw_Feature(h, Feature::Hit16, 2 * h.Green_Level + 8 + 4 * h.Flags_Lit(), 2, h.Hit16_Feature,
                 h.Pic_16Hit);
}

// e = 5: corners, never together with four stars.
void Draw_Corners(Features_Part& h) {
    if (h.Four_Stars_Feature) return Nothing(h);
    Draw_Feature(h, Feature::Corners, 10 * h.Red_Level, 7, h.Corners_Feature, h.Pic_Corners);
}

// e = 6: the fifth ball. A miss is silent.
void Draw_Fifth_Ball(Features_Part& h) {
    if (h.Fifth_Ball) return Nothing(h);
    if (Draw_1_To(h, 32) != 30) return Tell(h, Feature::Nothing);
    h.Speel(h.Line_Level >= 6 ? Sound::Rollover : Sound::Invest);
    h.Fifth_Ball = true;
    h.Set_Lijnen();
    Tell(h, Feature::Fifth_Ball);
}

// e = 7: the line level. From 0 the first win jumps to 7..10 or to 1; later wins
// go up by one, skipping 6.
void Draw_Line_Level(Features_Part& h) {
    if (h.Line_Level != 0) {
        const int p = Draw_1_To(h, h.Fifth_Ball ? 56 : 28);
        if (p > 10 || h.Line_Level >= 10) return Nothing(h);
        h.Line_Level = h.Line_Level == 5 ? Integer{7} : To_Integer(h.Line_Level + 1);
    } else {
        const int p = Draw_1_To(h, 40);
        h.Line_Level = p <= 29 ? To_Integer(std::max(static_cast<int>(Int((p + 1) / 3.0)), 7)) : Integer{1};
    }
    h.Set_Lijnen();
    h.Speel(Sound::Rollover);
    Tell(h, Feature::Line_Level, Win_Kind::Yellow, h.Line_Level);
}

}  // namespace

void In_Game_Invest(Features_Part& h) {
    // 1. The first invest after a lost star game lifts every level to 2.
    if (h.Yellow_Level == 1) {
        h.Yellow_Level = h.Red_Level = h.White_Level = h.Green_Level = 2;
        h.Speel(Sound::Invest);
        h.Set_Scoreboard();
        return Tell(h, Feature::All_Levels_To_Two);
    }
    // 2. Otherwise one draw e over 1..Invest_Range; only 1..7 can win anything.
    static constexpr void (*draws[])(Features_Part&) = {
        Draw_Stars, Draw_Level, Draw_Four_Stars, Draw_Hit16, Draw_Corners, Draw_Fifth_Ball, Draw_Line_Level,
    };
    const int e = Draw_1_To(h, h.Invest_Range);
    if (e >= 1 && e <= 7) return draws[e - 1](h);
    Nothing(h);
}

}  // namespace plonk
