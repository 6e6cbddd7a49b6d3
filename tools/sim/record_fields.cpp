#include "tools/sim/record_fields.h"

#include <charconv>
#include <cstdio>
#include <limits>

namespace plonk::sim {

namespace {

using T = Field::Type;

Field Single(const std::string& name, T type, void* p) {
    Field f;
    f.Name = name;
    f.Kind = type;
    f.Base = p;
    return f;
}

template <class A>
Field One_Dim(const std::string& name, T type, A& a) {
    Field f = Single(name, type, &a.v[0]);
    f.Dims = 1;
    f.Lo[0] = A::Lower;
    f.Hi[0] = A::Upper;
    return f;
}

template <class A>
Field Two_Dim(const std::string& name, T type, A& a) {
    Field f = Single(name, type, &a.v[0]);
    f.Dims = 2;
    f.Lo[0] = A::Lower1;
    f.Hi[0] = A::Upper1;
    f.Lo[1] = A::Lower2;
    f.Hi[1] = A::Upper2;
    return f;
}

bool Parse_Whole(const std::string& text, long long* out) {
    const char* b = text.data();
    const char* e = b + text.size();
    if (b != e && *b == '+') ++b;
    auto [p, ec] = std::from_chars(b, e, *out);
    return ec == std::errc() && p == e && b != e;
}

}  // namespace

std::string Json_String(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

int Field::Offset(const std::vector<int>& index) const {
    if (static_cast<int>(index.size()) != Dims) return -1;
    int offset = 0, stride = 1;
    for (int d = 0; d < Dims; ++d) {
        if (index[d] < Lo[d] || index[d] > Hi[d]) return -1;
        offset += (index[d] - Lo[d]) * stride;
        stride *= Hi[d] - Lo[d] + 1;
    }
    return offset;
}

std::string Field::Get(int offset) const {
    switch (Kind) {
        case T::Int16:
            return std::to_string(static_cast<int16_t*>(Base)[offset]);
        case T::Int32:
            return std::to_string(static_cast<int32_t*>(Base)[offset]);
        case T::UInt8:
            return std::to_string(static_cast<uint8_t*>(Base)[offset]);
        case T::Bool:
            return static_cast<bool*>(Base)[offset] ? "true" : "false";
        case T::Text:
            return static_cast<std::string*>(Base)[offset];
    }
    return "";
}

bool Field::Set(int offset, const std::string& text, std::string* error) const {
    if (Kind == T::Text) {
        static_cast<std::string*>(Base)[offset] = text;
        return true;
    }
    if (Kind == T::Bool) {
        if (text != "true" && text != "false") {
            *error = "expected true or false, not '" + text + "'";
            return false;
        }
        static_cast<bool*>(Base)[offset] = text == "true";
        return true;
    }
    long long v = 0;
    if (!Parse_Whole(text, &v)) {
        *error = "bad number '" + text + "'";
        return false;
    }
    long long lo = 0, hi = 0;
    switch (Kind) {
        case T::Int16:
            lo = std::numeric_limits<int16_t>::min(), hi = std::numeric_limits<int16_t>::max();
            break;
        case T::Int32:
            lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
            break;
        default:
            lo = 0, hi = 255;
            break;
    }
    if (v < lo || v > hi) {
        *error = "number out of range for " + Name + ": " + text;
        return false;
    }
    switch (Kind) {
        case T::Int16:
            static_cast<int16_t*>(Base)[offset] = static_cast<int16_t>(v);
            break;
        case T::Int32:
            static_cast<int32_t*>(Base)[offset] = static_cast<int32_t>(v);
            break;
        default:
            static_cast<uint8_t*>(Base)[offset] = static_cast<uint8_t>(v);
            break;
    }
    return true;
}

std::string Field::Json() const {
    auto value = [this](int offset) { return Kind == T::Text ? Json_String(Get(offset)) : Get(offset); };
    if (Dims == 0) return value(0);
    // Nested from the first index outwards, as a(i)(j) reads.
    std::string out;
    std::vector<int> index(static_cast<size_t>(Dims));
    auto emit = [&](auto&& self, int d) -> void {
        out += "[";
        for (int i = Lo[d]; i <= Hi[d]; ++i) {
            if (i > Lo[d]) out += ",";
            index[static_cast<size_t>(d)] = i;
            if (d + 1 >= Dims || d >= 2)
                out += value(Offset(index));
            else
                self(self, d + 1);
        }
        out += "]";
    };
    emit(emit, 0);
    return out;
}

std::vector<Field> Record_Fields(Hoofdvenster& m) {
    std::vector<Field> f;
    f.push_back(Single("App_Folder", T::Text, &m.App_Folder));
    f.push_back(Single("Clock_Text", T::Text, &m.Clock_Text));
    f.push_back(Two_Dim("Zone_Map", T::UInt8, m.Zone_Map));
    f.push_back(One_Dim("Hole_State", T::Int16, m.Hole_State));
    f.push_back(One_Dim("Hole_X", T::Int16, m.Hole_X));
    f.push_back(One_Dim("Hole_Y", T::Int16, m.Hole_Y));
    {
        Field c = Single("Card_Numbers", T::Int16, &m.Card_Numbers.v[0]);
        c.Dims = 3;
        c.Lo[0] = 0, c.Hi[0] = 2, c.Lo[1] = 0, c.Hi[1] = 9, c.Lo[2] = 0, c.Hi[2] = 4;
        f.push_back(c);
    }
    f.push_back(Single("Ball_X", T::Int32, &m.Ball_X));
    f.push_back(Single("Ball_Y", T::Int32, &m.Ball_Y));
    f.push_back(Single("Ball_VX", T::Int16, &m.Ball_VX));
    f.push_back(Single("Ball_VY", T::Int16, &m.Ball_VY));
    f.push_back(Two_Dim("Pin_Angle", T::Int16, m.Pin_Angle));
    f.push_back(Two_Dim("Left_Spring_Angle", T::Int16, m.Left_Spring_Angle));
    f.push_back(Two_Dim("Right_Spring_Angle", T::Int16, m.Right_Spring_Angle));
    f.push_back(One_Dim("Sound_Handle", T::Int32, m.Sound_Handle));
    f.push_back(Single("Balls_In_Game", T::Int16, &m.Balls_In_Game));
    f.push_back(Single("Balls_Played", T::Int16, &m.Balls_Played));
    f.push_back(Single("Yellow_Star_Lit", T::Bool, &m.Yellow_Star_Lit));
    f.push_back(Single("Red_Star_Lit", T::Bool, &m.Red_Star_Lit));
    f.push_back(Single("Fifth_Ball", T::Bool, &m.Fifth_Ball));
    f.push_back(Single("Line_Level", T::Int16, &m.Line_Level));
    f.push_back(Single("Red_Level", T::Int16, &m.Red_Level));
    f.push_back(Single("Yellow_Level", T::Int16, &m.Yellow_Level));
    f.push_back(Single("Green_Level", T::Int16, &m.Green_Level));
    f.push_back(Single("White_Level", T::Int16, &m.White_Level));
    f.push_back(Single("Corners_Feature", T::Bool, &m.Corners_Feature));
    f.push_back(Single("Four_Stars_Feature", T::Bool, &m.Four_Stars_Feature));
    f.push_back(Single("Three_Stars_Feature", T::Bool, &m.Three_Stars_Feature));
    f.push_back(Single("Two_Stars_Feature", T::Bool, &m.Two_Stars_Feature));
    f.push_back(Single("Green_Double_Active", T::Bool, &m.Green_Double_Active));
    f.push_back(Single("Hit16_Feature", T::Bool, &m.Hit16_Feature));
    f.push_back(Single("Flags_Count", T::Int16, &m.Flags_Count));
    f.push_back(Single("Main_Bonus", T::Int32, &m.Main_Bonus));
    f.push_back(Single("Extra_Bonus", T::Int32, &m.Extra_Bonus));
    f.push_back(Single("Main_Score", T::Int32, &m.Main_Score));
    f.push_back(Single("Stake_Score", T::Int32, &m.Stake_Score));
    f.push_back(Single("Saldo_Score", T::Int32, &m.Saldo_Score));
    f.push_back(Single("Game_Over", T::Bool, &m.Game_Over));
    f.push_back(Single("Invest_Open", T::Bool, &m.Invest_Open));
    f.push_back(Single("Invest_Range", T::Int16, &m.Invest_Range));
    f.push_back(Single("Ball_Speed", T::Int16, &m.Ball_Speed));
    f.push_back(Single("Ball_Speed_Offset", T::Int16, &m.Ball_Speed_Offset));
    f.push_back(Single("Game_Won", T::Int16, &m.Game_Won));
    f.push_back(Single("Game_Spent", T::Int16, &m.Game_Spent));
    f.push_back(Single("Star_Game_Rest", T::Int16, &m.Star_Game_Rest));
    f.push_back(Single("Spend_Counter", T::Int16, &m.Spend_Counter));
    f.push_back(One_Dim("Line_Pos", T::Int16, m.Line_Pos));
    f.push_back(One_Dim("Line_Dir", T::Int16, m.Line_Dir));
    f.push_back(Single("Tip_Line_Set", T::Int16, &m.Tip_Line_Set));
    f.push_back(Single("Cancel_Close", T::Bool, &m.Cancel_Close));
    f.push_back(Single("F1_Held", T::Bool, &m.F1_Held));
    f.push_back(Single("F2_Held", T::Bool, &m.F2_Held));
    const std::pair<const char*, bool*> marks[] = {
        {"Yellow_Got3", &m.Yellow_Got3},
        {"Yellow_Got4", &m.Yellow_Got4},
        {"Yellow_Got5", &m.Yellow_Got5},
        {"Red_Got3", &m.Red_Got3},
        {"Red_Got4", &m.Red_Got4},
        {"Red_Got5", &m.Red_Got5},
        {"White_Got3", &m.White_Got3},
        {"White_Got4", &m.White_Got4},
        {"White_Got5", &m.White_Got5},
        {"Green_Got3", &m.Green_Got3},
        {"Green_Got4", &m.Green_Got4},
        {"Green_Got5", &m.Green_Got5},
        {"Double_Got3", &m.Double_Got3},
        {"Double_Got4", &m.Double_Got4},
        {"Double_Got5", &m.Double_Got5},
        {"Main_Bonus_Paid", &m.Main_Bonus_Paid},
        {"Extra_Bonus_Paid", &m.Extra_Bonus_Paid},
        {"Green_Double_Used", &m.Green_Double_Used},
    };
    for (const auto& [name, p] : marks) f.push_back(Single(name, T::Bool, p));
    f.push_back(Two_Dim("Odds_Table", T::Int16, m.Odds_Table));
    f.push_back(Single("Start_Speed", T::Int16, &m.Start_Speed));
    return f;
}

}  // namespace plonk::sim
