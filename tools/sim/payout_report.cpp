#include "tools/sim/payout_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace plonk::sim {

namespace {

// Range edges of the net result, in steps of 1, 2, 5 times a power of ten.
std::vector<Net_Bin> Net_Ranges() {
    std::vector<long> edges;
    for (long p = 1; p <= 1000; p *= 10)
        for (long k : {1, 2, 5}) edges.push_back(k * p);
    std::vector<long> all{-1000000000L};
    for (auto it = edges.rbegin(); it != edges.rend(); ++it) all.push_back(-*it);
    all.push_back(0);
    all.insert(all.end(), edges.begin(), edges.end());
    all.push_back(1000000000L);
    std::vector<Net_Bin> bins;
    for (size_t i = 0; i + 1 < all.size(); ++i) bins.push_back({all[i], all[i + 1]});
    return bins;
}

std::string Range_Label(const Net_Bin& b) {
    char text[48];
    if (b.Low == -1000000000L)
        std::snprintf(text, sizeof text, "below %ld", b.High);
    else if (b.High == 1000000000L)
        std::snprintf(text, sizeof text, "%ld and up", b.Low);
    else if (b.High - b.Low == 1)
        std::snprintf(text, sizeof text, "%ld", b.Low);
    else
        std::snprintf(text, sizeof text, "%ld..%ld", b.Low, b.High - 1);
    return text;
}

std::string Line(const char* format, auto... values) {
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

double Student_95(long freedom) {
    static constexpr double table[] = {12.706, 4.303, 3.182, 2.776, 2.571, 2.447, 2.365, 2.306, 2.262, 2.228,
                                       2.201,  2.179, 2.160, 2.145, 2.131, 2.120, 2.110, 2.101, 2.093, 2.086,
                                       2.080,  2.074, 2.069, 2.064, 2.060, 2.056, 2.052, 2.048, 2.045, 2.042};
    if (freedom < 1) return 0;
    if (freedom <= 30) return table[freedom - 1];
    // Beyond the table the first correction to the normal quantile is within 0.001.
    const double z = 1.959964;
    return z + (z * z * z + z) / (4.0 * static_cast<double>(freedom));
}

Ratio Ratio_Of_Sums(std::span<const double> a, std::span<const double> b) {
    const size_t n = std::min(a.size(), b.size());
    double sa = 0, sb = 0;
    for (size_t i = 0; i < n; ++i) sa += a[i], sb += b[i];
    Ratio r;
    if (sb == 0) return r;
    r.Value = sa / sb;
    if (n < 2) return r;
    double residuals = 0;
    for (size_t i = 0; i < n; ++i) residuals += (a[i] - r.Value * b[i]) * (a[i] - r.Value * b[i]);
    const double units = static_cast<double>(n), mean_b = sb / units;
    const double variance = residuals / (units - 1) / units / (mean_b * mean_b);
    r.Half_Width = Student_95(static_cast<long>(n) - 1) * std::sqrt(variance);
    return r;
}

Payout_Tally::Payout_Tally(long chain) : chain_(chain) { s_.Net = Net_Ranges(); }

void Payout_Tally::Add(const Game_Record& r) {
    if (s_.Games % chain_ == 0) won_.push_back(0), spent_.push_back(0);
    ++s_.Games;
    won_.back() += r.Won;
    spent_.back() += r.Spent;
    s_.Won += r.Won;
    s_.Spent += r.Spent;
    s_.Winning_Games += r.Won > 0;
    const long n = static_cast<long>(r.Won) - r.Spent;
    net_ += static_cast<double>(n);
    for (Net_Bin& b : s_.Net)
        if (n >= b.Low && n < b.High) ++b.Games;
    for (int k = 0; k < Gift_Count; ++k) s_.Gifts[k] += r.Gifts[k];
    s_.Extra_Asked += r.Extra_Asked;
    s_.Extra_Won += r.Balls - 5;
    s_.Star_Starts += r.Star_Start;
}

Payout_Summary Payout_Tally::Summary() const {
    Payout_Summary s = s_;
    s.Chains = static_cast<long>(won_.size());
    s.Return = Ratio_Of_Sums(won_, spent_);
    s.Mean_Net = s.Games > 0 ? net_ / static_cast<double>(s.Games) : 0;
    return s;
}

Payout_Summary Summarize(std::span<const Game_Record> games, long chain) {
    Payout_Tally tally(chain);
    for (const Game_Record& r : games) tally.Add(r);
    return tally.Summary();
}

std::string Report_Text(const Payout_Summary& s) {
    const double games = static_cast<double>(std::max(1L, s.Games));
    std::string out;
    if (s.Chains >= 2)
        out += Line("return to player %.2f%% ± %.2f%% (95%%)\n", 100 * s.Return.Value,
                    100 * s.Return.Half_Width);
    else
        out +=
            Line("return to player %.2f%% ± n/a (95%%: one chain has no interval)\n", 100 * s.Return.Value);
    out += Line(
        "  points won %.0f / points spent %.0f; interval by the delta method over %ld chains of %ld games\n",
        s.Won, s.Spent, s.Chains, Games_Per_Chain);
    out += Line("games that win anything %.2f%%\n", 100.0 * static_cast<double>(s.Winning_Games) / games);
    out += Line("net result per game (won - spent): mean %.3f\n", s.Mean_Net);
    // The ranges from the first to the last that holds a game, bars to the largest.
    long most = 1;
    size_t first = s.Net.size(), last = 0;
    for (size_t i = 0; i < s.Net.size(); ++i) {
        if (s.Net[i].Games == 0) continue;
        most = std::max(most, s.Net[i].Games);
        first = std::min(first, i);
        last = i;
    }
    for (size_t i = first; i <= last && i < s.Net.size(); ++i) {
        const Net_Bin& b = s.Net[i];
        const int bar =
            b.Games == 0 ? 0 : std::max(1, static_cast<int>(50.0 * static_cast<double>(b.Games) / most));
        out += Line("  %14s %9ld %6.2f%% ", Range_Label(b).c_str(), b.Games,
                    100.0 * static_cast<double>(b.Games) / games);
        out += std::string(static_cast<size_t>(bar), '#') + "\n";
    }
    long draws = 0;
    for (int k = 0; k < Gift_Count; ++k) draws += k == static_cast<int>(Gift::Levels_To_Two) ? 0 : s.Gifts[k];
    out += Line("feature draws %ld (%.3f per game), what they gave:\n", draws,
                static_cast<double>(draws) / games);
    for (int k = 0; k < Gift_Count; ++k) {
        if (k == static_cast<int>(Gift::Levels_To_Two)) continue;
        out += Line("  %-14s %9ld %6.2f%% of draws\n", Gift_Names[k], s.Gifts[k],
                    draws ? 100.0 * static_cast<double>(s.Gifts[k]) / static_cast<double>(draws) : 0.0);
    }
    out += Line("levels to 2 without a draw %ld; star-game head starts %ld (%.2f%% of games)\n",
                s.Gifts[static_cast<int>(Gift::Levels_To_Two)], s.Star_Starts,
                100.0 * static_cast<double>(s.Star_Starts) / games);
    out += Line("extra balls asked %ld, won %ld\n", s.Extra_Asked, s.Extra_Won);
    return out;
}

std::string Rows_Header() {
    std::string line = "game,spent,won,net,balls,extra_asked,star_start";
    for (const char* name : Gift_Names) {
        std::string column = name;
        std::replace(column.begin(), column.end(), ' ', '_');
        line += ",gave_" + column;
    }
    return line + "\n";
}

std::string Row_Text(long number, const Game_Record& r) {
    std::string line =
        Line("%ld,%d,%d,%ld,%d,%d,%d", number, r.Spent, r.Won, static_cast<long>(r.Won) - r.Spent,
             int{r.Balls}, int{r.Extra_Asked}, int{r.Star_Start});
    for (uint16_t n : r.Gifts) line += "," + std::to_string(n);
    return line + "\n";
}

}  // namespace plonk::sim
