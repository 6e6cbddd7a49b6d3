// The digit displays and score boards.
#include "scores/digits.h"

#include <algorithm>

#include "app/picture_names.h"
#include "scores/scores_part.h"

namespace plonk {

namespace {

long long Power_Of_Ten(int width) {
    long long p = 1;
    for (int i = 0; i < width; ++i) p *= 10;
    return p;
}

// The `width` places of 0 <= n < 10^width, with leading zeros.
void Put_Places(long long n, int width, char* out) {
    for (int k = width - 1; k >= 0; --k) {
        out[k] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
}

// The places of a counter or of the balance, as Counter_Digits and Balance_Digits
// tell them, written to `out`.
void Put_Counter(long long value, int width, char* out) {
    // 1. Too large for the row: all nines; the value itself stays as it is.
    if (value >= Power_Of_Ten(width)) std::fill_n(out, width, '9');
    // 2. Below zero cannot be shown without a sign: the row stays at zero.
    else if (value < 0)
        std::fill_n(out, width, '0');
    // 3. The value with leading zeros.
    else
        Put_Places(value, width, out);
}

void Put_Balance(long long value, char* out) {
    // 1. Zero or more: as an unsigned counter of five places.
    if (value >= 0) Put_Counter(value, 5, out);
    // 2. Down to -99999: the magnitude.
    else if (value >= -99999)
        Put_Places(-value, 5, out);
    // 3. Further below: all nines.
    else
        std::fill_n(out, 5, '9');
}

// Every digit control of a row shows the picture of its own character.
template <class Row, int N>
void Show_Digits(Scores_Part& h, Row& row, const char* digits, Shown_Pictures<N>& shown, int32_t tag) {
    static_assert(Row::Count == N);
    for (int k = 0; k < N; ++k) {
        const int32_t key = static_cast<unsigned char>(digits[k]);
        Control& c = row(Row::Lower + k);
        if (!shown.Shows(c, k, key, tag))
            h.Load_Keyed_Picture(c, Digit_File(digits[k]), shown.Key[k], key, tag);
    }
}

template <class Row, int N>
void Show_Counter(Scores_Part& h, Row& row, long long value, Shown_Pictures<N>& shown) {
    char digits[N];
    Put_Counter(value, N, digits);
    Show_Digits(h, row, digits, shown, h.Picture_Key_Tag());
}

}  // namespace

std::string Counter_Digits(long long value, int width) {
    std::string digits(static_cast<size_t>(width), '0');
    Put_Counter(value, width, digits.data());
    return digits;
}

std::string Balance_Digits(long long value) {
    std::string digits(5, '0');
    Put_Balance(value, digits.data());
    return digits;
}

void Scores_Part::Set_Main_Score() { Show_Counter(*this, Pic_Digit_Main, Main_Score, shown_main_); }

void Scores_Part::Set_Stake_Score() { Show_Counter(*this, Pic_Digit_Stake, Stake_Score, shown_stake_); }

void Scores_Part::Set_Saldo_Score() {
    const bool negative = Saldo_Score < 0;
    const int32_t tag = Picture_Key_Tag();
    if (!shown_sign_.Shows(Pic_SaldoSign, 0, negative, tag))
        Load_Keyed_Picture(Pic_SaldoSign, Sign_File(negative), shown_sign_.Key[0], negative, tag);
    char digits[5];
    Put_Balance(Saldo_Score, digits);
    Show_Digits(*this, Pic_Digit_Saldo, digits, shown_saldo_, tag);
}

void Scores_Part::Set_Main_Bonus() { Show_Counter(*this, Pic_Digit_RedBonus, Main_Bonus, shown_red_bonus_); }

void Scores_Part::Set_Extra_Bonus() {
    Show_Counter(*this, Pic_Digit_GreenBonus, Extra_Bonus, shown_green_bonus_);
}

void Scores_Part::Set_Scoreboard() {
    // Each board shows the picture of its colour at that colour's level.
    const Integer levels[4] = {Yellow_Level, Red_Level, White_Level, Green_Level};
    for (int i = 0; i <= 3; ++i) Load_Picture(Pic_Score(i), Score_Board_File(i, levels[i]));
}

}  // namespace plonk
