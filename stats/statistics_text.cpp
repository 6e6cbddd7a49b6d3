#include "stats/statistics_text.h"

#include <cstdio>

namespace plonk {

namespace {

std::string Of(int64_t n) { return std::to_string(n); }

std::string Signed(int64_t n) { return (n > 0 ? "+" : "") + Of(n); }

constexpr const char* kSpendNames[Spend_Kinds] = {"on starting games", "on investing", "on extra balls"};

constexpr const char* kFeatureNames[Feature_Count] = {"gave nothing",
                                                      "every odds level to 2",
                                                      "an odds level up",
                                                      "a star game with 3 stars",
                                                      "a star game with 2 stars",
                                                      "4 stars",
                                                      "16 hit",
                                                      "corners",
                                                      "the 5th ball",
                                                      "a line level up"};

std::string Prizes_Text(const Statistics& s) {
    std::string text;
    for (int level = 1; level <= Prize_Levels; ++level) {
        const int64_t n = s.Star_Prizes[static_cast<size_t>(level - 1)];
        if (n == 0) continue;
        text += (text.empty() ? "" : ", ") + std::string("level ") + Of(level) +
                (n > 1 ? " \u00d7 " + Of(n) : "");
    }
    return text.empty() ? "none" : text;
}

}  // namespace

std::string Return_Text(std::optional<double> ratio) {
    if (!ratio) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %%", *ratio * 100.0);
    return text;
}

std::vector<Statistics_Row> Statistics_Rows(const Statistics& s) {
    std::vector<Statistics_Row> rows;
    rows.push_back({"Games played", Of(s.Games_Played)});
    rows.push_back({"Points inserted", Of(s.Points_Inserted)});
    rows.push_back({"Points spent", Of(s.Spent())});
    for (int i = 0; i < Spend_Kinds; ++i)
        rows.push_back({std::string("  ") + kSpendNames[i], Of(s.Spent_On[i])});
    rows.push_back({"Points won", Of(s.Won())});
    for (int k = 1; k <= Win_Kind_Count; ++k) {
        const auto kind = static_cast<Win_Kind>(k);
        const std::string zone = kind <= Win_Kind::Green ? " zone" : "";
        rows.push_back({"  " + Win_Kind_Name(kind) + zone, Of(s.Won_By[static_cast<size_t>(k - 1)])});
    }
    rows.push_back({"Return to player", Return_Text(s.Return_To_Player())});
    rows.push_back({"Best game", s.Best ? Signed(s.Best->Net()) + " (won " + Of(s.Best->Won) + ", spent " +
                                              Of(s.Best->Spent) + ")"
                                        : "-"});
    rows.push_back({"Extra balls asked for", Of(s.Extra_Balls_Asked) + ", won " + Of(s.Extra_Balls_Won)});
    rows.push_back({"Star games played", Of(s.Star_Games_Played) + ", won " + Of(s.Star_Games_Won)});
    rows.push_back({"  prizes by red level", Prizes_Text(s)});
    rows.push_back({"Feature draws bought", Of(s.Draws_Bought())});
    for (int i = 0; i < Feature_Count; ++i)
        rows.push_back({std::string("  ") + kFeatureNames[i], Of(s.Draws[i])});
    return rows;
}

}  // namespace plonk
