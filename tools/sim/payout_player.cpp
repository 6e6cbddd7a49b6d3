#include "tools/sim/payout_player.h"

#include "features/next_ball.h"

namespace plonk::sim {

namespace {

// The player keeps the credits between these: enough for any game's spending, and
// far enough below the display cap that no win is cut off there.
constexpr Long Credits_Low = 1000;
constexpr Long Credits_High = 50000;
// What the player takes out above the high mark: an even number, so that the
// parity of the credits, which picks the rollover star, is the same as with an
// endless purse.
constexpr Long Credits_Taken_Out = 40000;
static_assert(Credits_Taken_Out % 2 == 0 && Credits_High - Credits_Taken_Out >= Credits_Low);

constexpr long Shots_Per_Game_Limit = 10000;

uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// 1. Credits: points in while they run low, winnings out while they run high. (A
//    game that spends them all gets 100 more at once.)
void Mind_The_Credits(Hoofdvenster& m) {
    while (m.Main_Score < Credits_Low) m.Knop_P_Click();
    if (m.Main_Score > Credits_High) {
        m.Main_Score -= Credits_Taken_Out;
        m.Set_Main_Score();
    }
}

// 2..3. The start press, held for the invests after it. The machine tells what each
// invest's draw gave (an invest refused with everything bought draws nothing).
void Start_And_Invest(Hoofdvenster& m, const Payout_Options& o) {
    m.Knop_F1_MouseDown(1, 0, 0, 0);
    for (int i = 0; i < o.Invest; ++i) {
        if (m.Main_Score == 0) m.Knop_P_Click();
        m.Timer2_Timer();
    }
    m.Knop_F1_MouseUp(1, 0, 0, 0);
}

// 5. With the game's balls played: extra-ball requests, held, until one is won, the
//    policy's tries are used up or no ball is left to win.
void Ask_For_Extra_Ball(Hoofdvenster& m, const Payout_Options& o, Game_Record& r) {
    if (o.Extra == Extra_Policy::Never || m.Balls_In_Game >= 10) return;
    auto may_ask = [&] {
        if (m.Main_Score == 0) m.Knop_P_Click();
        return o.Extra == Extra_Policy::Always || r.Extra_Asked < o.Extra_Tries;
    };
    if (!may_ask()) return;
    const Integer had = m.Balls_In_Game;
    m.Knop_F2_MouseDown(1, 0, 0, 0);
    while (m.Balls_In_Game == had && may_ask()) m.Timer2_Timer();
    m.Knop_F2_MouseUp(1, 0, 0, 0);
}

}  // namespace

Gift Gift_Of(const Game_Event& e) {
    switch (e.Gave) {
        case Feature::Nothing:
            return Gift::Nothing;
        case Feature::All_Levels_To_Two:
            return Gift::Levels_To_Two;
        case Feature::Odds_Level:
            return static_cast<Gift>(static_cast<int>(Gift::Yellow_Level) + static_cast<int>(e.Win) -
                                     static_cast<int>(Win_Kind::Yellow));
        case Feature::Three_Stars:
            return Gift::Three_Stars;
        case Feature::Two_Stars:
            return Gift::Two_Stars;
        case Feature::Four_Stars:
            return Gift::Four_Stars;
        case Feature::Hit16:
            return Gift::Hit16;
        case Feature::Corners:
            return Gift::Corners;
        case Feature::Fifth_Ball:
            return Gift::Fifth_Ball;
        case Feature::Line_Level:
            return Gift::Line_Level;
    }
    return Gift::Nothing;
}

void Player_Toolkit::Report(const Game_Event& e) {
    if (!Record) return;
    if (e.Kind == Game_Event_Kind::Feature_Drawn) ++Record->Gifts[static_cast<size_t>(Gift_Of(e))];
    if (e.Kind == Game_Event_Kind::Extra_Ball) ++Record->Extra_Asked;
    if (e.Kind == Game_Event_Kind::Star_Game && e.Won) Record->Star_Start = true;
}

uint64_t Game_Seed(uint64_t seed, long game) {
    return Mix(Mix(seed + 0x9e3779b97f4a7c15ULL) ^ static_cast<uint64_t>(game));
}

void Take_Seat(Hoofdvenster& m, const Payout_Options& o) {
    m.Check1.Value = o.Lines == Lines_Policy::Tips ? 1 : 0;
    m.Check2.Value = o.Lines == Lines_Policy::Auto ? 1 : 0;
}

Game_Record Play_Game(Hoofdvenster& m, Player_Toolkit& tk, const Payout_Options& o, long game) {
    Game_Record r;
    tk.Record = &r;
    m.Rng.Fix_Seed(Game_Seed(o.Seed, game));
    Mind_The_Credits(m);
    Start_And_Invest(m, o);
    // 4. Every ball, a start speed drawn for each shot. Before the last ball that may
    //    move the lines the tips' player sets them; without the automatic scan the
    //    player scans after every ball from the 4th.
    for (long shots = 0; m.Balls_Played < m.Balls_In_Game; ++shots) {
        if (shots == Shots_Per_Game_Limit) throw Endless_Game{game};
        if (o.Lines == Lines_Policy::Tips && m.Command1.Enabled) m.Command1_Click();
        // The draw is made whatever the policy, so that every game's random numbers
        // run as with a random speed.
        m.Start_Speed = Hoofdvenster::Random_Start_Speed(m.Rng);
        if (o.Speed > 0) m.Start_Speed = static_cast<Integer>(o.Speed);
        if (o.Speed < 0 && tk.Flights)
            m.Start_Speed = static_cast<Integer>(Next_Ball_Advice(m, *tk.Flights, tk.Odds_Memo).Best_Speed);
        const Integer before = m.Balls_Played;
        m.Knop_Bal_Click();
        if (o.Lines != Lines_Policy::Auto && m.Balls_Played > before && m.Balls_Played >= 4) m.Knop_S_Click();
        if (m.Balls_Played == m.Balls_In_Game) Ask_For_Extra_Ball(m, o, r);
    }
    // 6. The finished card is scanned once more, so that the next start press finds
    //    nothing left to pay, and the game's accounts are read.
    m.Knop_S_Click();
    r.Spent = m.Game_Spent;
    r.Won = m.Game_Won;
    r.Balls = static_cast<uint8_t>(m.Balls_In_Game);
    tk.Record = nullptr;
    return r;
}

}  // namespace plonk::sim
