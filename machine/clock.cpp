// The clock, which also blinks a green double that waits to be collected.
#include <string>

#include "app/picture_names.h"
#include "machine/hoofdvenster.h"

namespace plonk {

namespace {

// Character k (counted from 1) of a text, or nothing past its end.
std::string Character(const std::string& text, size_t k) {
    return k >= 1 && k <= text.size() ? text.substr(k - 1, 1) : std::string();
}

bool Is_Digit(char c) { return c >= '0' && c <= '9'; }

// Hours and minutes of a time text ("21:05:07", "9:05:07 PM", "21:5:07") as four
// digits HHMM. A place the text leaves empty or fills with something other than a
// digit reads as 0.
std::string Clock_Digits(const std::string& time) {
    auto c = [&time](size_t k) { return Character(time, k); };
    const std::string zero = "0";
    std::string hhmm;
    auto put = [&hhmm](const std::string& a, const std::string& b, const std::string& d,
                       const std::string& e) { hhmm.append(a).append(b).append(d).append(e); };
    if (c(3) == ":") {
        // 1. Two hour digits; the minutes have one digit when the 5th character is ":".
        if (c(5) == ":")
            put(c(1), c(2), zero, c(4));
        else
            put(c(1), c(2), c(4), c(5));
    } else {
        // 2. One hour digit; the minutes have one digit when the 4th character is ":".
        if (c(4) == ":")
            put(zero, c(1), zero, c(3));
        else
            put(zero, c(1), c(3), c(4));
    }
    hhmm.resize(4, '0');
    for (char& ch : hhmm)
        if (!Is_Digit(ch)) ch = '0';
    return hhmm;
}

}  // namespace

void Hoofdvenster::Timer1_Timer() {
    // 1. The time of day as the system writes it; its last character, read as a
    //    number (0 when it is not a digit), sets the blinking.
    const std::string time = Tk.Clock.Time_Text();
    const int last = !time.empty() && Is_Digit(time.back()) ? time.back() - '0' : 0;
    // 2..3. Hours and minutes on the four clock digits, every picture loaded again.
    Clock_Text = Clock_Digits(time);
    for (int i = 0; i <= 3; ++i) Load_Picture(Pic_Digit_Uur(i), Digit_File(Clock_Text[i]));
    // 4. A green double waiting after a green row of three blinks: shown on even
    //    seconds, hidden on odd ones.
    if (Four_Flags() && !Green_Double_Active && Green_Got3) Pic_Dubbel.Visible = last % 2 == 0;
}

}  // namespace plonk
