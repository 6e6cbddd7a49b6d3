// What the status line says after a run of reports.
#include "machine/status_words.h"

#include <gtest/gtest.h>

#include <vector>

namespace plonk::test {
namespace {

using K = Game_Event_Kind;

TEST(StatusWords, EveryEventShowsAndNoneIsHiddenByTheNext) {
    const Game_Event refused{.Kind = K::Extra_Ball, .Won = false, .Count = 5, .Odds = 9};
    const Game_Event lost{.Kind = K::Star_Game, .Won = false, .Level = 3};
    const Game_Event drained{.Kind = K::Ball_Drained};
    const Game_Event paid{.Kind = K::Payment, .Win = Win_Kind::Yellow, .Count = 4, .Points = 32};
    const struct {
        const char* what;
        std::vector<Game_Event> events;
        std::string line;  // what the line says after the last event
    } cases[] = {
        {"a payment", {paid}, "Yellow zone, row of 4: 32 points"},
        {"its count-up over", {paid, {.Kind = K::Payment_Counted}}, "Yellow zone, row of 4: 32 points"},
        {"a refused try", {refused}, "No extra ball this time; next try 1 in 9"},
        {"a refused try again",
         {refused, refused, refused},
         "No extra ball this time; next try 1 in 9 (3 times)"},
        {"a second drained ball",
         {drained, drained},
         "The ball ran into the drain and is returned (2 times)"},
        {"counting starts over",
         {drained, drained, paid, drained},
         "The ball ran into the drain and is returned"},
        {"a lost star game, then the new game",
         {lost, {.Kind = K::Point_Spent}, {.Kind = K::Game_Started}},
         "Star game lost: the next game starts at odds level 1"},
        {"a star game won at red level 4",
         {{.Kind = K::Star_Game, .Won = true, .Level = 4}, {.Kind = K::Game_Started}},
         "Star game won: next game yellow 6, red 4, white 5, green 4, lines A-C, 4 stars"},
        {"a star game won at red level 9",
         {{.Kind = K::Star_Game, .Won = true, .Level = 9}},
         "Star game won: next game yellow 9, red 9, white 9, green 9, lines A-E, corners, 5th ball"},
        {"a new game alone", {{.Kind = K::Game_Started}}, Event_Text({.Kind = K::Game_Started})},
    };
    for (const auto& c : cases) {
        Status_Words words;
        std::string line;
        for (const Game_Event& e : c.events)
            if (const std::string now = words.After(e); !now.empty()) line = now;
        EXPECT_EQ(line, c.line) << c.what;
    }
}

}  // namespace
}  // namespace plonk::test
