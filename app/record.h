// The game-state record field by field: one list of every field with its name, for
// everything that reads or writes the record as a whole (the console's get, set,
// dump and load, the bench's signature).
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

#include "app/hoofdvenster.h"

namespace plonk {

// The shape of a field: a single value (Dims 0) or an array with inclusive bounds
// per index, the first index varying fastest in memory.
template <class F>
struct Field_Shape {
    using Element = F;
    static constexpr int Dims = 0;
    static constexpr std::array<int, 3> Lo{0, 0, 0}, Hi{0, 0, 0};
    static Element* Data(F& f) { return &f; }
};

template <class T, int L, int H>
struct Field_Shape<Arr<T, L, H>> {
    using Element = T;
    static constexpr int Dims = 1;
    static constexpr std::array<int, 3> Lo{L, 0, 0}, Hi{H, 0, 0};
    static Element* Data(Arr<T, L, H>& a) { return a.v; }
};

template <class T, int L1, int H1, int L2, int H2>
struct Field_Shape<Arr2<T, L1, H1, L2, H2>> {
    using Element = T;
    static constexpr int Dims = 2;
    static constexpr std::array<int, 3> Lo{L1, L2, 0}, Hi{H1, H2, 0};
    static Element* Data(Arr2<T, L1, H1, L2, H2>& a) { return a.v; }
};

template <class T, int L1, int H1, int L2, int H2, int L3, int H3>
struct Field_Shape<Arr3<T, L1, H1, L2, H2, L3, H3>> {
    using Element = T;
    static constexpr int Dims = 3;
    static constexpr std::array<int, 3> Lo{L1, L2, L3}, Hi{H1, H2, H3};
    static Element* Data(Arr3<T, L1, H1, L2, H2, L3, H3>& a) { return a.v; }
};

// A view of one field: its name, its shape and its elements.
template <class F>
struct Field_Ref {
    using Shape = Field_Shape<F>;
    using Element = typename Shape::Element;
    const char* Name;
    F& Value;

    static constexpr int Dims = Shape::Dims;
    static constexpr int Lower(int d) { return Shape::Lo[static_cast<size_t>(d)]; }
    static constexpr int Upper(int d) { return Shape::Hi[static_cast<size_t>(d)]; }
    static constexpr int Count(int d) { return Upper(d) - Lower(d) + 1; }
    static constexpr int Size() {
        int n = 1;
        for (int d = 0; d < Dims; ++d) n *= Count(d);
        return n;
    }
    // The flat position of an element, or -1 when the number of indices is wrong or
    // one lies outside its bounds.
    static int Offset(const int* index, int given) {
        if (given != Dims) return -1;
        int offset = 0, stride = 1;
        for (int d = 0; d < Dims; ++d) {
            if (index[d] < Lower(d) || index[d] > Upper(d)) return -1;
            offset += (index[d] - Lower(d)) * stride;
            stride *= Count(d);
        }
        return offset;
    }
    Element& At(int offset) const { return Shape::Data(Value)[offset]; }
};

// The range of values an element of the record can hold; a text has none.
template <class E>
constexpr bool Is_Number = std::is_arithmetic_v<E> && !std::is_same_v<E, bool>;
template <class E>
constexpr long long Lowest() {
    return static_cast<long long>(std::numeric_limits<E>::min());
}
template <class E>
constexpr long long Highest() {
    return static_cast<long long>(std::numeric_limits<E>::max());
}

// Calls `visit(Field_Ref<F>{name, field})` for every field of the record, once each,
// in the record's declaration order.
template <class Visitor>
void Visit_Record(Hoofdvenster& m, Visitor&& visit) {
    auto field = [&](const char* name, auto& f) {
        visit(Field_Ref<std::remove_reference_t<decltype(f)>>{name, f});
    };
    // Files and tables built at start-up.
    field("App_Folder", m.App_Folder);
    field("Clock_Text", m.Clock_Text);
    field("Zone_Map", m.Zone_Map);
    field("Hole_State", m.Hole_State);
    field("Hole_X", m.Hole_X);
    field("Hole_Y", m.Hole_Y);
    field("Card_Numbers", m.Card_Numbers);
    // Ball in flight.
    field("Ball_X", m.Ball_X);
    field("Ball_Y", m.Ball_Y);
    field("Ball_VX", m.Ball_VX);
    field("Ball_VY", m.Ball_VY);
    field("Pin_Angle", m.Pin_Angle);
    field("Left_Spring_Angle", m.Left_Spring_Angle);
    field("Right_Spring_Angle", m.Right_Spring_Angle);
    field("Sound_Handle", m.Sound_Handle);
    // Course of the game.
    field("Balls_In_Game", m.Balls_In_Game);
    field("Balls_Played", m.Balls_Played);
    field("Yellow_Star_Lit", m.Yellow_Star_Lit);
    field("Red_Star_Lit", m.Red_Star_Lit);
    field("Fifth_Ball", m.Fifth_Ball);
    field("Line_Level", m.Line_Level);
    field("Red_Level", m.Red_Level);
    field("Yellow_Level", m.Yellow_Level);
    field("Green_Level", m.Green_Level);
    field("White_Level", m.White_Level);
    field("Corners_Feature", m.Corners_Feature);
    field("Four_Stars_Feature", m.Four_Stars_Feature);
    field("Three_Stars_Feature", m.Three_Stars_Feature);
    field("Two_Stars_Feature", m.Two_Stars_Feature);
    field("Green_Double_Active", m.Green_Double_Active);
    field("Hit16_Feature", m.Hit16_Feature);
    field("Flags_Count", m.Flags_Count);
    // Counters and settings.
    field("Main_Bonus", m.Main_Bonus);
    field("Extra_Bonus", m.Extra_Bonus);
    field("Main_Score", m.Main_Score);
    field("Stake_Score", m.Stake_Score);
    field("Saldo_Score", m.Saldo_Score);
    field("Game_Over", m.Game_Over);
    field("Invest_Open", m.Invest_Open);
    field("Invest_Range", m.Invest_Range);
    field("Ball_Speed", m.Ball_Speed);
    field("Ball_Speed_Offset", m.Ball_Speed_Offset);
    field("Game_Won", m.Game_Won);
    field("Game_Spent", m.Game_Spent);
    field("Star_Game_Rest", m.Star_Game_Rest);
    field("Spend_Counter", m.Spend_Counter);
    // Card, tips and input.
    field("Line_Pos", m.Line_Pos);
    field("Line_Dir", m.Line_Dir);
    field("Tip_Line_Set", m.Tip_Line_Set);
    field("Cancel_Close", m.Cancel_Close);
    field("F1_Held", m.F1_Held);
    field("F2_Held", m.F2_Held);
    // Paid marks.
    field("Yellow_Got3", m.Yellow_Got3);
    field("Yellow_Got4", m.Yellow_Got4);
    field("Yellow_Got5", m.Yellow_Got5);
    field("Red_Got3", m.Red_Got3);
    field("Red_Got4", m.Red_Got4);
    field("Red_Got5", m.Red_Got5);
    field("White_Got3", m.White_Got3);
    field("White_Got4", m.White_Got4);
    field("White_Got5", m.White_Got5);
    field("Green_Got3", m.Green_Got3);
    field("Green_Got4", m.Green_Got4);
    field("Green_Got5", m.Green_Got5);
    field("Double_Got3", m.Double_Got3);
    field("Double_Got4", m.Double_Got4);
    field("Double_Got5", m.Double_Got5);
    field("Main_Bonus_Paid", m.Main_Bonus_Paid);
    field("Extra_Bonus_Paid", m.Extra_Bonus_Paid);
    field("Green_Double_Used", m.Green_Double_Used);
    // Odds and start speed.
    field("Odds_Table", m.Odds_Table);
    field("Start_Speed", m.Start_Speed);
}

}  // namespace plonk
