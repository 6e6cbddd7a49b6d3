// The console's odds: where the next ball goes at every start speed and what it is
// worth, for the machine as it stands.
#include <cstdio>

#include "features/next_ball.h"
#include "tools/sim/bench.h"
#include "tools/sim/console.h"

namespace plonk::sim {

namespace {

// Hundredths of a percent of the shots of one speed, the drain first and then the
// holes 1..25, rounded so that they add up to exactly 100.00: each share is rounded
// down and the hundredths left over go to the largest remainders.
std::array<int, 26> Shares(const Speed_Odds& o) {
    std::array<int, 26> counts{};
    counts[0] = o.Drain;
    for (int hole = 1; hole <= 25; ++hole) counts[static_cast<size_t>(hole)] = o.Hole[hole];
    std::array<int, 26> shares{}, remainder{};
    int given = 0;
    for (size_t i = 0; i < counts.size(); ++i) {
        shares[i] = counts[i] * 10000 / Shots_Per_Speed;
        remainder[i] = counts[i] * 10000 % Shots_Per_Speed;
        given += shares[i];
    }
    for (; given < 10000; ++given) {
        size_t most = 0;
        for (size_t i = 1; i < remainder.size(); ++i)
            if (remainder[i] > remainder[most]) most = i;
        ++shares[most];
        remainder[most] = -1;
    }
    return shares;
}

std::string Percent(int hundredths) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", hundredths / 100, hundredths % 100);
    return text;
}

}  // namespace

std::string Odds_Table_Text(const Next_Ball& n) {
    std::string text;
    for (const Speed_Odds& o : n.Odds) {
        const std::array<int, 26> shares = Shares(o);
        text += std::to_string(o.Speed) + " drain " + Percent(shares[0]) + " holes";
        for (int hole = 1; hole <= 25; ++hole) text += " " + Percent(shares[static_cast<size_t>(hole)]);
        char expected[32];
        std::snprintf(expected, sizeof expected, " expected %.2f", n.Expected(o.Speed));
        text += expected;
        if (o.Speed == n.Best_Speed) text += " *";
        text += "\n";
    }
    return text;
}

void Console::Odds(const Words& w, const std::string&) {
    Expect_Args(w, 1, "odds");
    if (!flights_) flights_ = Flight_Table_Of(m_);
    if (!flights_->Fits(m_))
        throw Console_Error{"the playfield is not the one the flight table was made for"};
    const std::string text = Odds_Table_Text(Next_Ball_Advice(m_, *flights_));
    for (size_t at = 0, end; at < text.size(); at = end + 1) {
        end = text.find('\n', at);
        Print(text.substr(at, end - at));
    }
}

}  // namespace plonk::sim
