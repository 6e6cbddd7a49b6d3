// The shot: the ball is put on the lane, flies, and is booked where it ended.
#include "playfield/flight.h"
#include "playfield/flight_table.h"
#include "playfield/map_missing.h"

namespace plonk {

namespace {

// 1..2. The ball has dropped into hole n: it counts, and the card follows.
void Fall_In(Playfield_Part& m, int n) {
    m.Speel(Sound::Fall);
    ++m.Balls_Played;
    m.Invest_Open = false;
    m.Hole_State(n) = 1;
    // 3. The card lamps.
    m.Set_Lites();
    m.Report({.Kind = Game_Event_Kind::Ball_Landed, .Count = m.Balls_Played, .Hole = n});
    // 4. Hole 16 adds a flag while that feature is on.
    if (m.Hit16_Feature && n == 16) {
        ++m.Flags_Count;
        m.Set_Vlaggen();
        m.Report({.Kind = Game_Event_Kind::Flag_Won, .Count = m.Flags_Lit()});
    }
    // 5. The card is scanned and the tips renewed.
    m.Refresh();
    m.Auto_Scan();
    m.Refresh();
    m.Set_Tip();
    m.Refresh();
}

// The ball runs out: it goes back to its place among the waiting balls and does
// not count.
void Return_Ball(Playfield_Part& m) {
    m.Speel(Sound::Return);
    Control& ball = m.Image_Bal(m.Balls_Played);
    ball.Left = board::Waiting_Ball(m.Balls_Played).X;
    ball.Top = board::Waiting_Ball(m.Balls_Played).Y;
    m.Report({.Kind = Game_Event_Kind::Ball_Drained});
}

}  // namespace

Game_Event Playfield_Part::Game_Over_Event() const {
    return {
        .Kind = Game_Event_Kind::Game_Over, .Count = Balls_Played, .Points = Game_Won, .Spent = Game_Spent};
}

void Playfield_Part::Knop_Bal_Click() {
    // 1. No ball left or no game started: only refresh the buttons.
    if (Balls_In_Game > Balls_Played && Yellow_Level > 0 && Map_Missing) {
        // Without the playfield map no ball can land: it is returned unplayed.
        Tell_Map_Missing(*this);
    } else if (Balls_In_Game > Balls_Played && Yellow_Level > 0) {
        // 2. Four flags bring the green double, unless it already runs.
        if (Four_Flags() && !Green_Double_Active) Pic_Dubbel.Visible = true;
        // 3. The shot.
        Speel(Sound::Shoot);
        Rng.Randomize(Tk.Clock.Clock_Seed());
        // 4..5. The ball on the lane.
        Start_Ball(*this);
        // 6. The flight, then the booking of where it ended.
        Flight f;
        if (Fly_Shot(*this, f) == Flight_End::Hole)
            Fall_In(*this, static_cast<int>(f.Hole));
        else
            Return_Ball(*this);
        // End. After the last ball the game is over.
        if (Balls_Played == Balls_In_Game) {
            Game_Over = true;
            Report(Game_Over_Event());
        }
    }
    // Without a shot the game's state stays as it was: only the buttons and the focus.
    Set_Keys_And_Focus();
}

}  // namespace plonk
