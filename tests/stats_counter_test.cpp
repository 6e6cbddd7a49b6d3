// Counting the machine's events into the player's statistics, game by game.
#include <gtest/gtest.h>

#include <vector>

#include "stats/statistics.h"

namespace plonk::test {
namespace {

Game_Event Spend_On(Spend s) { return {.Kind = Game_Event_Kind::Point_Spent, .Spent_On = s}; }
const Game_Event kStart = Spend_On(Spend::Game_Start);
const Game_Event kInvest = Spend_On(Spend::Invest);
const Game_Event kAskBall = Spend_On(Spend::Extra_Ball);
const Game_Event kOver{.Kind = Game_Event_Kind::Game_Over};
Game_Event Pay(long long points, Win_Kind w = Win_Kind::Yellow) {
    return {.Kind = Game_Event_Kind::Payment, .Win = w, .Points = points};
}
Game_Event Extra(bool won) { return {.Kind = Game_Event_Kind::Extra_Ball, .Won = won}; }
// Not an event: marks where the player resets the statistics.
const Game_Event kReset{.Kind = Game_Event_Kind::Ball_Drained, .Count = -1};

// The events, then the last games, the best game and whether a ball game is under
// way after them.
struct Counter_Case {
    std::vector<Game_Event> Events;
    std::vector<Game_Record> Last;
    Game_Record Best;
    bool In_Play;
    const char* Name;
};

TEST(StatisticsCounter, GamesEnterAtTheirEndAndStayOpenUntilTheNextStarts) {
    // clang-format off
    const Counter_Case cases[] = {
        {{kStart, Pay(10), kOver, Pay(5)}, {{1, 15}}, {1, 15}, false, "a late collect belongs to the game"},
        {{kStart, kOver, kAskBall, Extra(true), Pay(20), kOver}, {{2, 20}}, {2, 20}, false,
         "a won extra ball reopens the game, which enters once"},
        {{kStart, kOver, kAskBall, Extra(false)}, {{2, 0}}, {2, 0}, false, "a lost extra ball costs the game"},
        {{kStart, Pay(8), kOver, Pay(1, Win_Kind::Main_Bonus), kStart, kInvest}, {{1, 9}}, {1, 9}, true,
         "the next start closes the game; the old collect stays with it"},
        {{kStart, Pay(4), kOver, kStart, Pay(5), kOver, kAskBall, Extra(false)}, {{1, 4}, {2, 5}}, {1, 4}, false,
         "the best falls back to the earlier game when the open one gets worse"},
        {{kStart, Pay(7), kReset, Pay(3), kOver}, {{0, 3}}, {0, 3}, false,
         "a game under way at a reset enters with what came after"},
        {{kStart, kOver, kReset, Pay(3), kStart, kOver}, {{1, 0}}, {1, 0}, false,
         "a game finished at a reset is forgotten, its late collect too"},
    };
    // clang-format on
    for (const Counter_Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Statistics_Counter counter;
        for (const Game_Event& e : c.Events) {
            if (e.Count == -1)
                counter.Reset();
            else
                counter.Count(e);
        }
        const Statistics& s = counter.Data();
        EXPECT_EQ(s.Games_Played, static_cast<int64_t>(c.Last.size()));
        EXPECT_EQ(std::vector<Game_Record>(s.Last_Games.begin(), s.Last_Games.end()), c.Last);
        ASSERT_TRUE(s.Best.has_value());
        EXPECT_EQ(*s.Best, c.Best);
        EXPECT_EQ(counter.In_Play(), c.In_Play);
    }
}

TEST(StatisticsCounter, CountsEveryKindAndKeepsTheLastHundredGames) {
    Statistics_Counter counter;
    for (int game = 1; game <= 103; ++game) {
        counter.Count(kStart);
        counter.Count({.Kind = Game_Event_Kind::Feature_Drawn, .Gave = Feature::Corners});
        counter.Count(Pay(game, game % 2 ? Win_Kind::Extra_Bonus : Win_Kind::Green_Double));
        counter.Count({.Kind = Game_Event_Kind::Star_Game, .Won = game % 3 == 0, .Level = 1 + game % 9});
        counter.Count(kOver);
    }
    counter.Count({.Kind = Game_Event_Kind::Points_Inserted, .Points = 100});
    EXPECT_FALSE(counter.Count({.Kind = Game_Event_Kind::Ball_Landed, .Hole = 3}));
    const Statistics& s = counter.Data();
    EXPECT_EQ(s.Games_Played, 103);
    ASSERT_EQ(s.Last_Games.size(), Games_Kept);
    EXPECT_EQ(s.Last_Games.front(), (Game_Record{1, 4}));
    EXPECT_EQ(s.Last_Games.back(), (Game_Record{1, 103}));
    EXPECT_EQ(*s.Best, (Game_Record{1, 103}));
    EXPECT_EQ(s.Won_By[int(Win_Kind::Extra_Bonus) - 1], 52 * 52);  // 1 + 3 + ... + 103
    EXPECT_EQ(s.Won(), 103 * 104 / 2);
    EXPECT_EQ(s.Spent_On[int(Spend::Game_Start)], 103);
    EXPECT_EQ(s.Draws[int(Feature::Corners)], 103);
    EXPECT_EQ(s.Star_Games_Played, 103);
    EXPECT_EQ(s.Star_Games_Won, 34);
    EXPECT_EQ(s.Star_Prizes[4 - 1], 12);  // games 3, 12, ..., 102 gave level 4
    EXPECT_EQ(s.Points_Inserted, 100);
    EXPECT_DOUBLE_EQ(*s.Return_To_Player(), 103 * 104 / 2 / 103.0);
    EXPECT_FALSE(Statistics{}.Return_To_Player().has_value());
}

}  // namespace
}  // namespace plonk::test
