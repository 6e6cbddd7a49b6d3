// The counters: credits, stake, balance, the two card bonuses and what the game won
// and spent, the odds levels that the score boards show and the odds table that
// pays them, and the digit displays that show them all.
#pragma once

#include "app/app_part.h"

namespace plonk {

struct Scores_Record {
    Long Main_Bonus = 0, Extra_Bonus = 0;
    Long Main_Score = 0, Stake_Score = 0, Saldo_Score = 0;
    Integer Game_Won = 0, Game_Spent = 0;
    Integer Red_Level = 0, Yellow_Level = 0, Green_Level = 0, White_Level = 0;
    Arr2<Integer, 1, 9, 3, 5> Odds_Table;

    // Calls field(name, member) for every field above, in their order.
    template <class Field>
    void Visit(Field&& field) {
        field("Main_Bonus", Main_Bonus);
        field("Extra_Bonus", Extra_Bonus);
        field("Main_Score", Main_Score);
        field("Stake_Score", Stake_Score);
        field("Saldo_Score", Saldo_Score);
        field("Game_Won", Game_Won);
        field("Game_Spent", Game_Spent);
        field("Red_Level", Red_Level);
        field("Yellow_Level", Yellow_Level);
        field("Green_Level", Green_Level);
        field("White_Level", White_Level);
        field("Odds_Table", Odds_Table);
    }
};

// The digit displays of the counters and bonuses, and the four score boards.
struct Scores_Controls {
    Arr<Control, 0, 3> Pic_Digit_RedBonus, Pic_Digit_GreenBonus;
    Arr<Control, 0, 3> Pic_Score;
    Arr<Control, 0, 4> Pic_Digit_Main, Pic_Digit_Stake, Pic_Digit_Saldo;
    Control Pic_SaldoSign;
};

class Scores_Part : public App_Part, public Scores_Record, public Scores_Controls {
public:
    // The odds table.
    void Init_Punten();

    // Digit displays and score accounting.
    void Set_Main_Score();
    void Set_Stake_Score();
    void Set_Saldo_Score();
    void Set_Main_Bonus();
    void Set_Extra_Bonus();
    void Set_Scoreboard();
    void Update_Score(Integer& Winst);
    void Update_Score_Bonus(Long& Winst, Integer& MXBon);

protected:
    using App_Part::App_Part;

private:
    // The count-up of a win: `steps` steps of `points`, each shown and heard, or
    // all at once when the front end shows no steps (Pacing::Shows_Steps).
    void Count_Up(long long points, long long steps, Integer MXBon);
    void Count_Steps(long long points, long long steps, Integer MXBon);

    // The digits and the sign the displays were last given.
    Shown_Pictures<5> shown_main_, shown_stake_, shown_saldo_;
    Shown_Pictures<4> shown_red_bonus_, shown_green_bonus_;
    Shown_Pictures<1> shown_sign_;
};

}  // namespace plonk
