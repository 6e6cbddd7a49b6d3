// The statistics file: read back as written, a damaged or foreign one set aside
// without stopping the game, and written at the end of every game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/file_read.h"
#include "stats/statistics_file.h"
#include "stats/statistics_json.h"
#include "stats/statistics_keeper.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

std::string Read_Text(const std::string& path) { return Read_Whole(path, 1 << 20).Bytes; }
void Write_Text(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

Statistics Sample() {
    Statistics s;
    s.Games_Played = 3;
    s.Points_Inserted = 200;
    s.Spent_On = {3, 9, 2};
    s.Won_By = {5, 0, 7, 1, 2, 1000, 0};
    s.Star_Prizes[6] = 1;
    s.Extra_Balls_Asked = 2, s.Extra_Balls_Won = 1;
    s.Star_Games_Played = 1, s.Star_Games_Won = 1;
    s.Draws[int(Feature::Line_Level)] = 4;
    s.Best = Game_Record{4, 1007};
    s.Last_Games = {{4, 1007}, {5, 8}, {5, 0}};
    return s;
}

TEST(StatisticsJson, ReadsBackWhatItWroteAndRefusesAnythingElse) {
    const std::string good = Statistics_To_Json(Sample());
    const Statistics_Read back = Statistics_From_Json(good);
    ASSERT_TRUE(back.Data.has_value()) << back.Problem;
    EXPECT_EQ(*back.Data, Sample());

    auto edited = [&good](const std::string& from, const std::string& to) {
        std::string t = good;
        const size_t at = t.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? t : t.replace(at, from.size(), to);
    };
    const struct {
        const char* Name;
        std::string Text;
    } refused[] = {
        {"empty", ""},
        {"cut in half", good.substr(0, good.size() / 2)},
        {"garbage", "\x01\xff garbage {"},
        {"another program's JSON", R"({"window": {"width": 3}})"},
        {"a newer version", edited("\"version\": 1", "\"version\": 2")},
        {"a negative count", edited("\"games_played\": 3", "\"games_played\": -3")},
        {"a count too large", edited("\"games_played\": 3", "\"games_played\": 18446744073709551615")},
        {"a fraction", edited("\"points_inserted\": 200", "\"points_inserted\": 2.5")},
        {"a count missing", edited("\"extra_balls_won\": 1,", "")},
        {"more won than asked", edited("\"extra_balls_won\": 1", "\"extra_balls_won\": 5")},
        {"a game that is no pair", edited("\"best_game\": [", "\"best_game\": [7,")},
    };
    for (const auto& r : refused) {
        const Statistics_Read read = Statistics_From_Json(r.Text);
        EXPECT_FALSE(read.Data.has_value()) << r.Name;
        EXPECT_FALSE(read.Problem.empty()) << r.Name;
    }
}

TEST(StatisticsFile, ADamagedFileIsSetAsideAndANewOneStarted) {
    const std::string good = Statistics_To_Json(Sample());
    for (const std::string& damaged : {good.substr(0, good.size() / 2), std::string(5000, '\x7f'),
                                       std::string(R"({"format": "plonk-statistics", "version": 1})")}) {
        Temp_Folder folder;
        const std::string path = Statistics_Path_Beside(folder.File("Plonk.ini"));
        Write_Text(path, damaged);
        Write_Text(path + ".damaged-1", "an earlier one");
        std::vector<std::string> notes;
        {
            Statistics_Keeper keeper(path, [&notes](const std::string& n) { notes.push_back(n); });
            EXPECT_EQ(keeper.Data(), Statistics{});
            ASSERT_EQ(notes.size(), 1u);
            EXPECT_NE(notes[0].find("damaged-2"), std::string::npos) << notes[0];
            keeper.Report({.Kind = Game_Event_Kind::Points_Inserted, .Points = 100});
        }
        EXPECT_EQ(Read_Text(path + ".damaged-2"), damaged);
        EXPECT_EQ(Read_Text(path + ".damaged-1"), "an earlier one");
        const Statistics_Read now = Statistics_From_Json(Read_Text(path));
        ASSERT_TRUE(now.Data.has_value()) << now.Problem;
        EXPECT_EQ(now.Data->Points_Inserted, 100);
    }
}

TEST(StatisticsFile, AFileThatCannotBeReadIsNeverWrittenOver) {
    Temp_Folder folder;
    const std::string path = folder.File(Statistics_File_Name);
    std::filesystem::create_directory(path);
    std::vector<std::string> notes;
    Statistics_Keeper keeper(path, [&notes](const std::string& n) { notes.push_back(n); });
    keeper.Report({.Kind = Game_Event_Kind::Points_Inserted, .Points = 100});
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(notes.size(), 1u);
    EXPECT_EQ(keeper.Data().Points_Inserted, 100);
}

// Whole games on the machine, with the keeper hearing every report: the file follows
// each game's end and its late collect, never the middle of a game, and after a
// restart the statistics read back are those counted.
TEST(StatisticsFile, WholeGamesAreSavedAtTheirEndAndAgreeWithTheMachine) {
    for (uint64_t seed : {3u, 8u}) {
        Machine m;
        m.Tk.Check_Pictures = false;
        m->Rng.Fix_Seed(seed);
        m.Load();
        const std::string path = m.Folder.File(Statistics_File_Name);
        Write_Text(path, "garbage");
        Statistics_Keeper keeper(path, [](const std::string&) {});
        size_t heard = 0;
        auto hear = [&] {
            for (; heard < m.Tk.Events.size(); ++heard) keeper.Report(m.Tk.Events[heard]);
        };
        for (int game = 1; game <= 4; ++game) {
            m->Knop_P_Click();
            m->Invest_Points();
            m->Invest_Points();
            hear();
            const std::string before = Read_Text(path);
            while (!m->Game_Over) {
                m->Knop_Bal_Click();
                hear();
                if (!m->Game_Over) {
                    EXPECT_EQ(Read_Text(path), before) << "written during a game";
                }
            }
            m->Request_Extra_Ball();
            m->Knop_S_Click();
            hear();
            const Statistics_Read saved = Statistics_From_Json(Read_Text(path));
            ASSERT_TRUE(saved.Data.has_value()) << saved.Problem;
            ASSERT_EQ(*saved.Data, keeper.Data()) << "game " << game;
        }
        const Statistics& s = keeper.Data();
        EXPECT_EQ(s.Games_Played, 4);
        EXPECT_EQ(s.Points_Inserted, m->Stake_Score);
        EXPECT_EQ(s.Points_Inserted - s.Spent() + s.Won(), m->Main_Score);
        int64_t spent = 0, won = 0;
        for (const Game_Record& g : s.Last_Games) spent += g.Spent, won += g.Won;
        EXPECT_EQ(spent, s.Spent());
        EXPECT_EQ(won, s.Won());
        EXPECT_EQ(s.Spent_On[int(Spend::Extra_Ball)], s.Extra_Balls_Asked);
        EXPECT_EQ(s.Draws_Bought(), s.Spent_On[int(Spend::Invest)]);
        EXPECT_EQ(Statistics_Keeper(path).Data(), s);
    }
}

// Two games on one folder, their saves interleaved: each adds its own changes to the
// file as the other left it, a late collect included.
TEST(StatisticsFile, TwoGamesOnOneFileKeepEachOthersCounts) {
    Temp_Folder folder;
    const std::string path = folder.File(Statistics_File_Name);
    auto quiet = [](const std::string&) {};
    Statistics_Keeper a(path, quiet), b(path, quiet);
    auto game = [](Statistics_Keeper& k, long long won) {
        k.Report({.Kind = Game_Event_Kind::Point_Spent, .Spent_On = Spend::Game_Start});
        k.Report({.Kind = Game_Event_Kind::Payment, .Win = Win_Kind::Red, .Points = won});
        k.Report({.Kind = Game_Event_Kind::Game_Over});
    };
    for (int round = 0; round < 3; ++round) {
        a.Report({.Kind = Game_Event_Kind::Points_Inserted, .Points = 100});
        b.Report({.Kind = Game_Event_Kind::Points_Inserted, .Points = 100});
    }
    game(a, 10);
    game(b, 3);
    // a's game is no longer the newest in the file when its late collect comes.
    a.Report({.Kind = Game_Event_Kind::Payment, .Win = Win_Kind::Yellow, .Points = 40});
    const Statistics s = Statistics_Keeper(path, quiet).Data();
    EXPECT_EQ(s.Points_Inserted, 600);
    EXPECT_EQ(s.Games_Played, 2);
    EXPECT_EQ(s.Spent_On[int(Spend::Game_Start)], 2);
    EXPECT_EQ(s.Won_By[int(Win_Kind::Red) - 1], 13);
    EXPECT_EQ(s.Won_By[int(Win_Kind::Yellow) - 1], 40);
    EXPECT_EQ(s.Last_Games, (std::deque<Game_Record>{{1, 50}, {1, 3}}));
    EXPECT_EQ(s.Best, (Game_Record{1, 50}));
    // After a reset the file holds this game's statistics alone.
    b.Reset();
    EXPECT_EQ(Statistics_Keeper(path, quiet).Data(), Statistics{});
}

// Counts at the largest the file may hold stay there: the file the game writes after
// more games is still read back, not set aside.
TEST(StatisticsFile, CountsAtTheBoundStayReadable) {
    Statistics full = Sample();
    for (int64_t* count : {&full.Games_Played, &full.Points_Inserted, &full.Extra_Balls_Asked,
                           &full.Extra_Balls_Won, &full.Star_Games_Played, &full.Star_Games_Won})
        *count = Largest_Count;
    full.Won_By.fill(Largest_Count);
    full.Draws.fill(Largest_Count);
    full.Spent_On.fill(Largest_Count);
    full.Star_Prizes.fill(Largest_Count);
    full.Best = Game_Record{Largest_Count - 1, Largest_Count};
    const Statistics_Read back = Statistics_From_Json(Statistics_To_Json(full));
    ASSERT_TRUE(back.Data.has_value()) << back.Problem;
    EXPECT_EQ(*back.Data, full);

    Temp_Folder folder;
    const std::string path = folder.File(Statistics_File_Name);
    Write_Text(path, Statistics_To_Json(full));
    std::vector<std::string> notes;
    auto note = [&notes](const std::string& n) { notes.push_back(n); };
    {
        Statistics_Keeper keeper(path, note);
        keeper.Report({.Kind = Game_Event_Kind::Points_Inserted, .Points = 100});
        keeper.Report({.Kind = Game_Event_Kind::Point_Spent, .Spent_On = Spend::Game_Start});
        keeper.Report({.Kind = Game_Event_Kind::Payment, .Win = Win_Kind::Main_Bonus, .Points = 5000});
        keeper.Report({.Kind = Game_Event_Kind::Extra_Ball, .Won = true});
        keeper.Report({.Kind = Game_Event_Kind::Game_Over});
    }
    const Statistics after = Statistics_Keeper(path, note).Data();
    EXPECT_TRUE(notes.empty()) << notes.front();
    EXPECT_FALSE(std::filesystem::exists(path + ".damaged-1"));
    EXPECT_EQ(after.Points_Inserted, Largest_Count);
    EXPECT_EQ(after.Games_Played, Largest_Count);
    EXPECT_EQ(after.Won_By[int(Win_Kind::Main_Bonus) - 1], Largest_Count);
    EXPECT_EQ(after.Last_Games.back(), (Game_Record{1, 5000}));
}

}  // namespace
}  // namespace plonk::test
