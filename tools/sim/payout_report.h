// What the payout analysis reports: the return to player with its confidence, the
// share of winning games, the net result per game, the feature draws; and the rows.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "tools/sim/payout.h"

namespace plonk::sim {

// A ratio of two sums over independent units, sum(a) / sum(b), and the half-width of
// its 95 % confidence interval by the delta method: the variance of the ratio is
// that of the residuals a - R b, divided by the number of units and the square of
// the mean of b; the half-width takes Student's t for units - 1 degrees of freedom.
// Half-width 0 with fewer than two units, or when sum(b) is 0.
struct Ratio {
    double Value = 0;
    double Half_Width = 0;
};
Ratio Ratio_Of_Sums(std::span<const double> a, std::span<const double> b);

// The two-sided 95 % quantile of Student's t with `freedom` degrees of freedom.
double Student_95(long freedom);

// A game's net result counted into ranges [Low, High).
struct Net_Bin {
    long Low, High;
    long Games = 0;
};

struct Payout_Summary {
    long Games = 0;
    long Chains = 0;
    double Spent = 0, Won = 0;
    Ratio Return;  // won / spent, chain by chain
    long Winning_Games = 0;
    double Mean_Net = 0;
    std::vector<Net_Bin> Net;
    std::array<long, Gift_Count> Gifts{};
    long Extra_Asked = 0, Extra_Won = 0;
    long Star_Starts = 0;
};

// The summary counted game by game, the games in order, played in chains of `chain`
// games; only the sums of each chain are kept.
class Payout_Tally {
public:
    explicit Payout_Tally(long chain);
    void Add(const Game_Record& r);
    Payout_Summary Summary() const;

private:
    long chain_;
    Payout_Summary s_;
    std::vector<double> won_, spent_;  // by chain
    double net_ = 0;
};

// The summary of the games, in order, played in chains of `chain` games.
Payout_Summary Summarize(std::span<const Game_Record> games, long chain);

// The report as text, line by line.
std::string Report_Text(const Payout_Summary& s);

// The rows of the games, one line each after a line that names the columns.
std::string Rows_Header();
std::string Row_Text(long number, const Game_Record& r);  // the game's number counts from 1

}  // namespace plonk::sim
