#include "stats/statistics.h"

#include <algorithm>
#include <numeric>

namespace plonk {

namespace {

template <size_t N>
void Add_At(std::array<int64_t, N>& counts, int index, int64_t amount) {
    if (index >= 0 && static_cast<size_t>(index) < N)
        counts[static_cast<size_t>(index)] = Bounded_Sum(counts[static_cast<size_t>(index)], amount);
}

void Add(int64_t& count, int64_t amount) { count = Bounded_Sum(count, amount); }

}  // namespace

std::optional<Game_Record> Better_Game(const std::optional<Game_Record>& earlier, const Game_Record& later) {
    if (earlier && earlier->Net() >= later.Net()) return earlier;
    return later;
}

int64_t Bounded_Sum(int64_t count, int64_t amount) {
    if (amount > 0 && count > Largest_Count - amount) return Largest_Count;
    if (amount < 0 && count < -amount) return 0;
    return std::clamp<int64_t>(count + amount, 0, Largest_Count);
}

int64_t Statistics::Spent() const { return std::accumulate(Spent_On.begin(), Spent_On.end(), int64_t{0}); }
int64_t Statistics::Won() const { return std::accumulate(Won_By.begin(), Won_By.end(), int64_t{0}); }
int64_t Statistics::Draws_Bought() const { return std::accumulate(Draws.begin(), Draws.end(), int64_t{0}); }

std::optional<double> Statistics::Return_To_Player() const {
    const int64_t spent = Spent();
    if (spent <= 0) return std::nullopt;
    return static_cast<double>(Won()) / static_cast<double>(spent);
}

bool Statistics_Counter::Count(const Game_Event& e) {
    switch (e.Kind) {
        case Game_Event_Kind::Points_Inserted:
            Add(data_.Points_Inserted, e.Points);
            return true;
        case Game_Event_Kind::Point_Spent:
            Add_At(data_.Spent_On, static_cast<int>(e.Spent_On), 1);
            if (e.Spent_On == Spend::Game_Start) Start_Game();
            Add(game_.Spent, 1);
            Changed_Game();
            return true;
        case Game_Event_Kind::Feature_Drawn:
            Add_At(data_.Draws, static_cast<int>(e.Gave), 1);
            return true;
        case Game_Event_Kind::Payment:
            Add_At(data_.Won_By, static_cast<int>(e.Win) - 1, e.Points);
            Add(game_.Won, e.Points);
            Changed_Game();
            return true;
        case Game_Event_Kind::Extra_Ball:
            Add(data_.Extra_Balls_Asked, 1);
            if (e.Won) {
                Add(data_.Extra_Balls_Won, 1);
                in_play_ = true;  // the game goes on with the new ball
            }
            return true;
        case Game_Event_Kind::Star_Game:
            Add(data_.Star_Games_Played, 1);
            if (e.Won) {
                Add(data_.Star_Games_Won, 1);
                Add_At(data_.Star_Prizes, e.Level - 1, 1);
            }
            return true;
        case Game_Event_Kind::Game_Over:
            End_Game();
            return true;
        default:
            return false;
    }
}

void Statistics_Counter::Reset() {
    data_ = Statistics{};
    game_ = Game_Record{};
    entered_ = false;
    best_before_.reset();
}

void Statistics_Counter::Start_Game() {
    // The open game is closed as it stands; the new one starts empty.
    game_ = Game_Record{};
    entered_ = false;
    in_play_ = true;
}

void Statistics_Counter::End_Game() {
    in_play_ = false;
    if (!entered_) {
        // 1. The game enters the statistics once, at its first end.
        Add(data_.Games_Played, 1);
        data_.Last_Games.push_back(game_);
        while (data_.Last_Games.size() > Games_Kept) data_.Last_Games.pop_front();
        best_before_ = data_.Best;
        entered_ = true;
    }
    // 2. At a later end (after a won extra ball) only its entry changes.
    Changed_Game();
}

void Statistics_Counter::Changed_Game() {
    if (!entered_ || data_.Last_Games.empty()) return;
    data_.Last_Games.back() = game_;
    data_.Best = Better_Game(best_before_, game_);
}

}  // namespace plonk
