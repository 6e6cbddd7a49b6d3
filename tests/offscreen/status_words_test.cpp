// What the status line says after a run of reports.
#include "machine/status_words.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace plonk::test {
namespace {

using K = Game_Event_Kind;

// A step of the machine: an event it reports, or the player's next action.
using Step = std::optional<Game_Event>;
constexpr std::nullopt_t acts = std::nullopt;

TEST(StatusWords, EveryEventShowsAndNoneIsHiddenByTheNext) {
    const Game_Event refused{.Kind = K::Extra_Ball, .Won = false, .Count = 5, .Odds = 9};
    const Game_Event lost{.Kind = K::Star_Game, .Won = false, .Level = 3};
    const Game_Event drained{.Kind = K::Ball_Drained};
    const Game_Event paid{.Kind = K::Payment, .Win = Win_Kind::Yellow, .Count = 4, .Points = 32};
    const Game_Event red{.Kind = K::Payment, .Win = Win_Kind::Red, .Count = 3, .Points = 8};
    const Game_Event counted{.Kind = K::Payment_Counted};
    const Game_Event landed{.Kind = K::Ball_Landed, .Count = 5, .Hole = 7};
    const Game_Event started{.Kind = K::Game_Started};
    const std::string new_game = Event_Text(started);
    const struct {
        const char* what;
        std::vector<Step> events;
        std::string line;  // what the line says after the last event
    } cases[] = {
        {"a payment", {paid}, "Yellow zone, row of 4: 32 points"},
        {"its count-up over",
         {paid, Game_Event{.Kind = K::Payment_Counted}},
         "Yellow zone, row of 4: 32 points"},
        {"a refused try", {refused}, "No extra ball this time; next try 1 in 9"},
        {"a refused try again",
         {refused, refused, refused},
         "No extra ball this time; next try 1 in 9 (3 times)"},
        {"a second drained ball",
         {drained, drained},
         "The ball ran into the drain and is returned (2 times)"},
        {"counting starts over",
         {acts, drained, acts, drained, acts, paid, acts, drained},
         "The ball ran into the drain and is returned"},
        {"two rows paid by one ball",
         {acts, landed, paid, counted, red, counted},
         "Yellow zone, row of 4: 32 points; Red zone, row of 3: 8 points"},
        {"the next action's payments alone",
         {acts, paid, counted, acts, red, counted},
         "Red zone, row of 3: 8 points"},
        {"the last ball pays and an extra ball can be won",
         {acts, started, acts, landed, paid, counted,
          Game_Event{.Kind = K::Game_Over, .Count = 5, .Odds = 9, .Points = 32, .Spent = 1}},
         "All 5 balls played: 32 points won (Yellow zone, row of 4: 32 points), 1 spent; F2 can win more "
         "balls "
         "(1 in 9); F1 starts the next game"},
        {"every payment of the game named at its end",
         {acts, started, acts, paid, acts, red, acts, landed,
          Game_Event{.Kind = K::Game_Over, .Count = 10, .Points = 40, .Spent = 3}},
         "Game over: 40 points won (Yellow zone, row of 4: 32 points; Red zone, row of 3: 8 points), 3 "
         "spent; "
         "F1 starts the next game"},
        {"rows left on the card",
         {acts, landed, Game_Event{.Kind = K::Game_Over, .Count = 10, .Spent = 1, .Unpaid = 32}},
         "Game over: 0 points won, 1 spent; rows still to collect: press S for 32 points; F1 collects them "
         "and "
         "starts the next game"},
        {"what the next start collects",
         {acts, paid, counted, Game_Event{.Kind = K::Point_Spent}, started},
         "Yellow zone, row of 4: 32 points. " + new_game},
        {"a close refused during a game",
         {acts, Game_Event{.Kind = K::Close_Refused}},
         "The machine closes only between games: play this game's balls first"},
        {"a lost star game, then the new game",
         {lost, Game_Event{.Kind = K::Point_Spent}, Game_Event{.Kind = K::Game_Started}},
         "Star game lost: the next game starts at odds level 1"},
        {"a star game won at red level 4",
         {Game_Event{.Kind = K::Star_Game, .Won = true, .Level = 4}, Game_Event{.Kind = K::Game_Started}},
         "Star game won: next game yellow 6, red 4, white 5, green 4, lines A-C, 4 stars"},
        {"a star game won at red level 9",
         {Game_Event{.Kind = K::Star_Game, .Won = true, .Level = 9}},
         "Star game won: next game yellow 9, red 9, white 9, green 9, lines A-E, corners, 5th ball"},
        {"a new game alone", {Game_Event{.Kind = K::Game_Started}}, Event_Text({.Kind = K::Game_Started})},
    };
    for (const auto& c : cases) {
        Status_Words words;
        std::string line;
        for (const Step& e : c.events) {
            if (!e) {
                words.Action();
                continue;
            }
            if (const std::string now = words.After(*e); !now.empty()) line = now;
        }
        EXPECT_EQ(line, c.line) << c.what;
        ASSERT_FALSE(words.History().empty()) << c.what;
        EXPECT_EQ(words.History().back(), line) << c.what;
    }
}

TEST(StatusWords, TheLastLinesAreKeptOldestFirst) {
    Status_Words words;
    for (int n = 1; n <= 20; ++n) words.After({.Kind = K::Points_Inserted, .Points = n});
    ASSERT_EQ(words.History().size(), Status_Words::kHistory);
    EXPECT_EQ(words.History().front(), "9 points inserted");
    EXPECT_EQ(words.History().back(), "20 points inserted");
}

}  // namespace
}  // namespace plonk::test
