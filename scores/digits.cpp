// The digit displays and score boards.
#include "scores/digits.h"

#include <array>
#include <charconv>
#include <stdexcept>

#include "app/picture_names.h"
#include "scores/scores_part.h"

namespace plonk {

namespace {

long long Power_Of_Ten(int width) {
    long long p = 1;
    for (int i = 0; i < width; ++i) p *= 10;
    return p;
}

// The last `width` characters of the decimal text of n.
std::string Last_Characters(long long n, int width) {
    char text[24];
    const char* end = std::to_chars(text, text + sizeof text, n).ptr;
    if (end - text < width) throw std::out_of_range("fewer characters than asked for");
    return std::string(end - width, end);
}

// Every digit control of a row shows the picture of its own character.
template <class Row>
void Show_Digits(Scores_Part& h, Row& row, const std::string& digits) {
    for (int k = 0; k < Row::Count; ++k) h.Load_Picture(row(Row::Lower + k), Digit_File(digits[k]));
}

}  // namespace

std::string Counter_Digits(long long value, int width) {
    const long long limit = Power_Of_Ten(width);
    // 1. Too large for the row: all nines; the value itself stays as it is.
    if (value >= limit) return std::string(static_cast<size_t>(width), '9');
    // 2. Below zero cannot be shown without a sign: the row stays at zero.
    if (value < 0) return std::string(static_cast<size_t>(width), '0');
    // 3. The value with leading zeros: the last places of value + 10^width.
    return Last_Characters(value + limit, width);
}

std::string Balance_Digits(long long value) {
    // 1. Zero or more: as an unsigned counter of five places.
    if (value >= 0) return Counter_Digits(value, 5);
    // 2. Down to -99999: the magnitude, as the last places of value - 100000.
    if (value >= -99999) return Last_Characters(value - 100000, 5);
    // 3. Further below: all nines.
    return "99999";
}

void Scores_Part::Set_Main_Score() { Show_Digits(*this, Pic_Digit_Main, Counter_Digits(Main_Score, 5)); }

void Scores_Part::Set_Stake_Score() { Show_Digits(*this, Pic_Digit_Stake, Counter_Digits(Stake_Score, 5)); }

void Scores_Part::Set_Saldo_Score() {
    Load_Picture(Pic_SaldoSign, Sign_File(Saldo_Score < 0));
    Show_Digits(*this, Pic_Digit_Saldo, Balance_Digits(Saldo_Score));
}

void Scores_Part::Set_Main_Bonus() { Show_Digits(*this, Pic_Digit_RedBonus, Counter_Digits(Main_Bonus, 4)); }

void Scores_Part::Set_Extra_Bonus() {
    Show_Digits(*this, Pic_Digit_GreenBonus, Counter_Digits(Extra_Bonus, 4));
}

void Scores_Part::Set_Scoreboard() {
    // Each board shows the picture of its colour at that colour's level.
    const Integer levels[4] = {Yellow_Level, Red_Level, White_Level, Green_Level};
    for (int i = 0; i <= 3; ++i) Load_Picture(Pic_Score(i), Score_Board_File(i, levels[i]));
}

}  // namespace plonk
