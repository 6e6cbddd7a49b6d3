// Inserting points, investing and extra balls: the machine's economy.
#include <algorithm>

#include "features/feature_draw.h"
#include "features/prices.h"
#include "features/zones.h"

namespace plonk {

int Draw_1_To(Features_Part& h, int n) { return static_cast<int>(Int(n * h.Rng.Rnd() + 1)); }

int Extra_Ball_Odds(const Features_Part& h) {
    return Extra_Ball_One_In(h.Yellow_Level + h.Red_Level + h.White_Level + h.Green_Level, h.Balls_In_Game);
}

void Spend_One_Point(Features_Part& h, Spend what) {
    // 1. One more point spent in this game (held within its 16 bits).
    h.Game_Spent = Add16(h.Game_Spent, 1);
    // 2..3. It comes off the credits and the balance.
    h.Main_Score = Add32(h.Main_Score, -1);
    h.Set_Main_Score();
    h.Saldo_Score = Add32(h.Saldo_Score, -1);
    h.Set_Saldo_Score();
    // 4. Every third point feeds the main bonus, every sixth the extra bonus.
    ++h.Spend_Counter;
    if (h.Spend_Counter == 3) {
        h.Main_Bonus = Add32(h.Main_Bonus, 1);
        h.Set_Main_Bonus();
    }
    if (h.Spend_Counter >= 6) {
        h.Extra_Bonus = Add32(h.Extra_Bonus, 1);
        h.Set_Extra_Bonus();
        h.Spend_Counter = 0;
    }
    h.Report({.Kind = Game_Event_Kind::Point_Spent, .Spent_On = what});
}

namespace {

// Everything there is to buy is bought: all levels at 9, every line movable, the
// fifth ball, and corners or four stars.
bool Everything_Bought(const Features_Part& h) {
    return h.Line_Level == 10 && h.Fifth_Ball && h.Yellow_Level == h.Top_Zone_Level &&
           h.Red_Level == h.Top_Zone_Level && h.White_Level == h.Top_Zone_Level &&
           h.Green_Level == h.Top_Zone_Level && (h.Corners_Feature || h.Four_Stars_Feature);
}

// Light one of the rollover stars by the parity of the credits, or neither when the
// fifth ball is already had or no line can be moved.
void Arm_Rollover_Stars(Features_Part& h) {
    bool yellow = false, red = false;
    if (h.Line_Level > 5 && !h.Fifth_Ball) {
        yellow = h.Main_Score % 2 != 0;
        red = !yellow;
    }
    h.Yellow_Star_Lit = yellow;
    h.Pic_Ster_Geel.Visible = yellow;
    h.Red_Star_Lit = red;
    h.Pic_Ster_Rood.Visible = red;
}

// Points spent in a game that buys nothing but the start: the odds machine grows
// more generous after a game that paid out no more than it cost, and meaner after
// one that paid out more.
void Adapt_Invest_Range(Features_Part& h) {
    --h.Game_Spent;
    int range = h.Invest_Range + (h.Game_Spent >= h.Game_Won ? -1 : 1);
    h.Invest_Range = To_Integer(std::clamp(range, 7, 23));
}

void Start_New_Game(Features_Part& h) {
    // 1. The prize frames of the finished game go.
    h.Remove_Sterspel_Info();
    // 2. A green double that was used costs the four flags.
    h.Settle_Green_Double();
    // 3..4. The odds machine learns from the finished game; the new one has cost 1.
    Adapt_Invest_Range(h);
    const Game_Event started{
        .Kind = Game_Event_Kind::Game_Started, .Points = h.Game_Won, .Spent = h.Game_Spent};
    h.Game_Spent = 1;
    h.Game_Won = 0;
    // 5..6. Five fresh balls.
    h.Speel(Sound::Invest);
    h.Balls_In_Game = 5;
    h.Balls_Played = 0;
    // 7. The star game on the finished card.
    Integer star_game = 0;
    const bool armed = h.Three_Stars_Feature || h.Two_Stars_Feature;
    h.Sterrenspel(star_game);
    if (armed) h.Report({.Kind = Game_Event_Kind::Star_Game, .Won = star_game != 0, .Level = h.Red_Level});
    if (star_game != 0) {
        // 8. Won: a head start by the red level of the finished game.
        const Integer r = h.Red_Level;
        h.Star_Game_Rest = 2;
        h.Reset_Game();
        Give_Star_Prize(h, r);
    } else {
        // 9. Lost: every level starts at 1.
        h.Star_Game_Rest = h.Star_Game_Rest != 0 ? To_Integer(h.Star_Game_Rest - 1) : Integer{2};
        h.Reset_Game();
        h.Yellow_Level = h.Red_Level = h.White_Level = h.Green_Level = 1;
    }
    // 10. Show the new card's levels, lines and features.
    h.Set_Scoreboard();
    h.Set_Lijnen();
    if (h.Four_Stars_Feature) h.Pic_4Stars.Visible = true;
    if (h.Corners_Feature) h.Pic_Corners.Visible = true;
    // 11. The game is on and open for investing.
    h.Game_Over = false;
    h.Invest_Open = true;
    h.Report(started);
}

}  // namespace

void Give_Star_Prize(Features_Part& h, int r) {
    const Star_Prize p = Star_Prize_For(r);
    h.Yellow_Level = p.Yellow;
    h.Red_Level = p.Red;
    h.White_Level = p.White;
    h.Green_Level = p.Green;
    h.Line_Level = p.Line_Level;
    h.Fifth_Ball = p.Fifth_Ball;
    h.Corners_Feature = p.Corners;
    h.Four_Stars_Feature = !p.Corners;
}

Game_Event Features_Part::Game_Over_Event() const {
    // An extra ball can be asked for after the fifth ball, below ten balls.
    Game_Event e = Playfield_Part::Game_Over_Event();
    if (Balls_Played >= 5 && Balls_In_Game < Most_Balls) e.Odds = Extra_Ball_Odds(*this);
    e.Unpaid = Scan_Would_Pay(*this);
    return e;
}

void Features_Part::Collect_Finished_Card() {
    if (Game_Over) Knop_S_Click();
}

void Features_Part::Settle_Green_Double() {
    if (Four_Flags() && Green_Double_Used) Flags_Count = 0;
}

void Features_Part::Knop_P_Click() {
    // 1..2. A hundred points in: credits and stake; the balance is left alone.
    Main_Score = Add32(Main_Score, Points_Per_Insert);
    Set_Main_Score();
    Stake_Score = Add32(Stake_Score, Points_Per_Insert);
    Set_Stake_Score();
    Report({.Kind = Game_Event_Kind::Points_Inserted, .Points = Points_Per_Insert});
    // 3. Sound, buttons, focus.
    Speel(Sound::Buttons);
    Set_Keys_And_Focus();
}

void Features_Part::Invest_Points() {
    // 1. No credits: only refresh the buttons.
    // 2. Nothing left to buy in this game: refused while the star game rests or two
    //    stars are lit, without a charge.
    if (Main_Score <= 0 ||
        (!Game_Over && Everything_Bought(*this) && (Star_Game_Rest != 0 || Two_Stars_Feature))) {
        Set_Keys_And_Focus();
        return;
    }
    // 3. A game that runs but is closed for investing buys nothing.
    if (Game_Over || Invest_Open) {
        // 4. At the end of a game the finished card pays what it still holds.
        const bool new_game = Game_Over;
        Collect_Finished_Card();
        // 5. One point is spent.
        Spend_One_Point(*this, new_game ? Spend::Game_Start : Spend::Invest);
        // 6. It starts the next game, or buys a draw in this one.
        if (new_game)
            Start_New_Game(*this);
        else
            In_Game_Invest(*this);
        // 7. The rollover stars.
        Arm_Rollover_Stars(*this);
    }
    // 8. While the button is held its release does this.
    if (!F1_Held) {
        Refresh();
        Set_Keys_And_Focus();
    }
}

void Features_Part::Request_Extra_Ball() {
    // 1. Only from the fifth ball on, below ten balls, and with credits.
    if (Balls_Played > 4 && Balls_In_Game < Most_Balls && Main_Score > 0) {
        // 2. One point is spent.
        Spend_One_Point(*this, Spend::Extra_Ball);
        // 3..4. One chance in X, X growing with the levels and the balls added.
        const bool won = Draw_1_To(*this, Extra_Ball_Odds(*this)) == 6;
        if (won) {
            ++Balls_In_Game;
            Image_Bal(Balls_In_Game - 1).Visible = true;
            Pix_XtrBall(Balls_In_Game - 6).Visible = true;
            Speel(Sound::Extra_Ball);
        } else {
            Speel(Sound::Invest);
        }
        // The odds of the next try, when there can be one.
        Report({.Kind = Game_Event_Kind::Extra_Ball,
                .Won = won,
                .Count = Balls_In_Game,
                .Odds = Balls_In_Game < Most_Balls ? Extra_Ball_Odds(*this) : 0});
        // 5. A ball to shoot: the game goes on.
        if (Balls_Played < Balls_In_Game) Game_Over = false;
    }
    // 6. While the button is held its release does this.
    if (!F2_Held) {
        Refresh();
        Set_Keys_And_Focus();
    }
}

}  // namespace plonk
