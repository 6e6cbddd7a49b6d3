// The playfield: its zone map and tables, the holes and what they hold, the ball in
// flight, the rollover stars and the fifth ball they light, and the shot that runs
// a ball from the lane to a hole or the drain.
#pragma once

#include "scores/scores_part.h"

namespace plonk {

struct Playfield_Record {
    Arr2<Byte, 0, 319, 0, 479> Zone_Map;
    Arr<Integer, 1, 25> Hole_State;
    Arr<Integer, 1, 25> Hole_X;
    Arr<Integer, 1, 25> Hole_Y;
    Long Ball_X = 0, Ball_Y = 0;
    Integer Ball_VX = 0;
    Integer Ball_VY = 0;
    Arr2<Integer, 0, 24, 0, 24> Pin_Angle;
    Arr2<Integer, 0, 40, 0, 40> Left_Spring_Angle;
    Arr2<Integer, 0, 40, 0, 40> Right_Spring_Angle;
    bool Yellow_Star_Lit = false, Red_Star_Lit = false;
    bool Fifth_Ball = false;

    // Calls field(name, member) for every field above, in their order.
    template <class Field>
    void Visit(Field&& field) {
        field("Zone_Map", Zone_Map);
        field("Hole_State", Hole_State);
        field("Hole_X", Hole_X);
        field("Hole_Y", Hole_Y);
        field("Ball_X", Ball_X);
        field("Ball_Y", Ball_Y);
        field("Ball_VX", Ball_VX);
        field("Ball_VY", Ball_VY);
        field("Pin_Angle", Pin_Angle);
        field("Left_Spring_Angle", Left_Spring_Angle);
        field("Right_Spring_Angle", Right_Spring_Angle);
        field("Yellow_Star_Lit", Yellow_Star_Lit);
        field("Red_Star_Lit", Red_Star_Lit);
        field("Fifth_Ball", Fifth_Ball);
    }
};

// The balls, the rollover stars and the two indicators of the ball until which the
// lines may move.
struct Playfield_Controls {
    Arr<Control, 0, 9> Image_Bal;
    Control Pic_Ster_Geel, Pic_Ster_Rood;
    Control Pic_4thBall, Pic_5thBall;
};

class Playfield_Part : public Scores_Part, public Playfield_Record, public Playfield_Controls {
public:
    // "Veld.bmp" could not be read whole at start-up: no ball can land, so a shot
    // returns the ball at once and a game may be closed between shots. The player is
    // told at the first shot.
    bool Map_Missing = false;
    bool Map_Missing_Told = false;

    // Playfield geometry.
    void Init_Veld();
    void Init_Hole_XY();
    void Init_Tap_XY();
    void Init_Veer_XY();
    void Init_Holes();

    // Deflection arithmetic.
    Integer Calc_Alfa(Integer X_Vector, Integer Y_Vector) const;
    bool Botsing(Integer Alfa, Integer ObjHoek) const;
    Integer Calc_Hor(Integer Beta, double Hyp, Integer Proc) const;
    Integer Calc_Ver(Integer Beta, double Hyp, Integer Proc) const;
    Integer SoortRand(Integer Y) const;

    // Ball flight.
    void Knop_Bal_Click();

    // What the floors above do once a ball has dropped into a hole: the card's lamps
    // follow it, then the card is scanned and the tips renewed.
    virtual void Set_Lites() = 0;
    virtual void Auto_Scan() = 0;
    virtual void Set_Tip() = 0;
    // What the front ends are told when the game's last ball has been played: here
    // the game's points, cost and balls; the floors above add what the card still
    // holds and the odds of an extra ball.
    virtual Game_Event Game_Over_Event() const;

protected:
    using Scores_Part::Scores_Part;
};

}  // namespace plonk
