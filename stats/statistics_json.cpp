#include "stats/statistics_json.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

namespace plonk {

namespace {

using nlohmann::json;

constexpr char kFormat[] = "plonk-statistics";
constexpr int64_t kLargest = Largest_Count;

// The names of the counts in the file, in the order of their enums.
constexpr const char* kSpendNames[Spend_Kinds] = {"game_start", "invest", "extra_ball"};
constexpr const char* kWinNames[Win_Kind_Count] = {"yellow",       "red",        "white",      "green",
                                                   "green_double", "main_bonus", "extra_bonus"};
constexpr const char* kFeatureNames[Feature_Count] = {
    "nothing", "all_levels_to_two", "odds_level", "three_stars", "two_stars", "four_stars",
    "hit16",   "corners",           "fifth_ball", "line_level"};

struct Refused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

const json& Member(const json& object, const char* name) {
    auto it = object.find(name);
    if (it == object.end()) throw Refused(std::string("\"") + name + "\" is missing");
    return *it;
}

int64_t Count_Of(const json& value, const std::string& name) {
    if (!value.is_number_integer()) throw Refused("\"" + name + "\" is not a whole number");
    const int64_t n = value.is_number_unsigned() && value.get<uint64_t>() > static_cast<uint64_t>(kLargest)
                          ? kLargest + 1
                          : value.get<int64_t>();
    if (n < 0 || n > kLargest) throw Refused("\"" + name + "\" is out of range");
    return n;
}

int64_t Count(const json& object, const char* name) { return Count_Of(Member(object, name), name); }

template <size_t N>
json Named(const std::array<int64_t, N>& counts, const char* const (&names)[N]) {
    json out = json::object();
    for (size_t i = 0; i < N; ++i) out[names[i]] = counts[i];
    return out;
}

template <size_t N>
void Read_Named(const json& object, const char* name, const char* const (&names)[N],
                std::array<int64_t, N>* out) {
    const json& part = Member(object, name);
    if (!part.is_object()) throw Refused(std::string("\"") + name + "\" is not an object");
    for (size_t i = 0; i < N; ++i) (*out)[i] = Count(part, names[i]);
}

json Game_Json(const Game_Record& g) { return json::array({g.Spent, g.Won}); }

Game_Record Read_Game(const json& value, const char* name) {
    if (!value.is_array() || value.size() != 2)
        throw Refused(std::string("\"") + name + "\" holds no [spent, won]");
    return {Count_Of(value[0], name), Count_Of(value[1], name)};
}

Statistics Read(const json& doc) {
    // 1. Ours, and of a version this program knows.
    if (!doc.is_object()) throw Refused("it is not a JSON object");
    const json& format = Member(doc, "format");
    if (!format.is_string() || format.get<std::string>() != kFormat)
        throw Refused("it is not a statistics file");
    if (Count(doc, "version") != Statistics_Version) throw Refused("it is of another version");
    // 2. Every count, in range.
    Statistics s;
    s.Games_Played = Count(doc, "games_played");
    s.Points_Inserted = Count(doc, "points_inserted");
    Read_Named(doc, "spent", kSpendNames, &s.Spent_On);
    Read_Named(doc, "won", kWinNames, &s.Won_By);
    Read_Named(doc, "draws", kFeatureNames, &s.Draws);
    const json& prizes = Member(doc, "star_prizes");
    if (!prizes.is_array() || prizes.size() != Prize_Levels) throw Refused("\"star_prizes\" is not 9 counts");
    for (size_t i = 0; i < Prize_Levels; ++i) s.Star_Prizes[i] = Count_Of(prizes[i], "star_prizes");
    s.Extra_Balls_Asked = Count(doc, "extra_balls_asked");
    s.Extra_Balls_Won = Count(doc, "extra_balls_won");
    s.Star_Games_Played = Count(doc, "star_games_played");
    s.Star_Games_Won = Count(doc, "star_games_won");
    const json& best = Member(doc, "best_game");
    if (!best.is_null()) s.Best = Read_Game(best, "best_game");
    const json& last = Member(doc, "last_games");
    if (!last.is_array() || last.size() > Games_Kept)
        throw Refused("\"last_games\" is not a list of at most 100");
    for (const json& g : last) s.Last_Games.push_back(Read_Game(g, "last_games"));
    // 3. The counts agree with each other.
    if (s.Extra_Balls_Won > s.Extra_Balls_Asked || s.Star_Games_Won > s.Star_Games_Played ||
        static_cast<size_t>(s.Games_Played) < s.Last_Games.size() ||
        (s.Games_Played > 0) != s.Best.has_value())
        throw Refused("its counts disagree");
    return s;
}

}  // namespace

std::string Statistics_To_Json(const Statistics& s) {
    json doc = {{"format", kFormat},
                {"version", Statistics_Version},
                {"games_played", s.Games_Played},
                {"points_inserted", s.Points_Inserted},
                {"spent", Named(s.Spent_On, kSpendNames)},
                {"won", Named(s.Won_By, kWinNames)},
                {"star_prizes", s.Star_Prizes},
                {"extra_balls_asked", s.Extra_Balls_Asked},
                {"extra_balls_won", s.Extra_Balls_Won},
                {"star_games_played", s.Star_Games_Played},
                {"star_games_won", s.Star_Games_Won},
                {"draws", Named(s.Draws, kFeatureNames)},
                {"best_game", s.Best ? Game_Json(*s.Best) : json(nullptr)},
                {"last_games", json::array()}};
    for (const Game_Record& g : s.Last_Games) doc["last_games"].push_back(Game_Json(g));
    return doc.dump(1) + "\n";
}

Statistics_Read Statistics_From_Json(const std::string& text) {
    const json doc = json::parse(text, nullptr, /*allow_exceptions=*/false);
    if (doc.is_discarded()) return {std::nullopt, "it is not JSON"};
    try {
        return {Read(doc), ""};
    } catch (const Refused& r) {
        return {std::nullopt, r.what()};
    } catch (const json::exception& e) {
        return {std::nullopt, e.what()};
    }
}

}  // namespace plonk
