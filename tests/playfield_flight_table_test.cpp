// Flights taken from the table of every flight against the same flights stepped
// through: the same end, record, controls, sounds and random draws, flight for
// flight, and whole games alike.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string_view>
#include <type_traits>

#include "machine/record.h"
#include "playfield/flight_table.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

// Every number of the record, in order, but the zone map that no flight changes:
// two machines that agree on these agree on the whole game state (the two texts say
// where the program lies and the time).
std::vector<long long> Numbers(Hoofdvenster& m) {
    std::vector<long long> out;
    Visit_Record(m, [&](const auto& f) {
        using E = typename std::remove_cvref_t<decltype(f)>::Element;
        if constexpr (!std::is_same_v<E, std::string>)
            if (std::string_view(f.Name) != "Zone_Map")
                for (int i = 0; i < f.Size(); ++i) out.push_back(static_cast<long long>(f.At(i)));
    });
    return out;
}

// The controls a flight moves or shows.
std::vector<int> Flight_Controls(Hoofdvenster& m) {
    std::vector<int> out;
    for (int k = 0; k <= 9; ++k) out.insert(out.end(), {m.Image_Bal(k).Left, m.Image_Bal(k).Top});
    for (const Control* c : {&m.Pic_Ster_Geel, &m.Pic_Ster_Rood, &m.Pic_4thBall, &m.Pic_5thBall})
        out.push_back(c->Visible);
    return out;
}

// The table of the board, as the asset generator wrote it beside the program.
const Flight_Table& Board_Table() {
    static const std::unique_ptr<Flight_Table> table = [] {
        Machine m;
        m.Tk.Check_Pictures = false;
        m.Load();
        std::string why;
        auto t = Flight_Table::From_File(Read_File(std::string(PLONK_BIN_DIR) + "/" + Flight_Table_File),
                                         *m.M, &why);
        EXPECT_TRUE(t) << why;
        return t ? std::move(t) : Flight_Table::Make(*m.M, 2);
    }();
    return *table;
}

struct Pair {
    Machine Stepped, Taken;
    Pair() {
        for (Machine* m : {&Stepped, &Taken}) {
            m->Tk.Check_Pictures = false;
            m->Load();
            m->M->Rng.Fix_Seed(5);
        }
        Taken.Tk.Flights = &Board_Table();
    }
    void Expect_Same(const char* what) {
        ASSERT_EQ(Numbers(*Stepped.M), Numbers(*Taken.M)) << what;
        ASSERT_EQ(Flight_Controls(*Stepped.M), Flight_Controls(*Taken.M)) << what;
        ASSERT_EQ(Stepped.Tk.Log, Taken.Tk.Log) << what;
        ASSERT_EQ(Stepped.Tk.Events, Taken.Tk.Events) << what;
        ASSERT_EQ(Stepped->Rng.Rnd(), Taken->Rng.Rnd()) << what;
        for (Machine* m : {&Stepped, &Taken}) {
            m->Tk.Log.clear();
            m->Tk.Events.clear();
        }
    }
};

// Every flight of the table, in slices of the starts that run side by side: each
// flown step by step with the answers that lead to it, the holes it never asks
// about taken at random, and taken from the table on a second machine alike.
class Every_Flight : public testing::TestWithParam<int> {};
constexpr int Slices = 8;

TEST_P(Every_Flight, GoesExactlyAsTheStepByStepFlight) {
    const Flight_Table& table = Board_Table();
    Pair p;
    std::mt19937 g(static_cast<unsigned>(GetParam()));
    long flights = 0;
    for (int start = GetParam(); start < Flight_Table::Starts; start += Slices) {
        for (const Flight_Table::Answers& a : table.Flights_Of(start)) {
            const uint32_t others = static_cast<uint32_t>(g()) & ~a.Asked;
            const bool yellow = g() % 2, red = g() % 2;
            for (Machine* m : {&p.Stepped, &p.Taken}) {
                for (int n = 1; n <= 25; ++n) m->M->Hole_State(n) = ((a.Taken | others) >> n) & 1u;
                m->M->Yellow_Star_Lit = yellow;
                m->M->Red_Star_Lit = red;
                m->M->Balls_Played = static_cast<Integer>(flights % 10);
                m->M->Ball_X = 27500 + start / Flight_Table::Start_Speeds;
                m->M->Ball_Y = 1500;
                m->M->Ball_VX = static_cast<Integer>(start % Flight_Table::Start_Speeds);
                m->M->Ball_VY = 100;
            }
            Flight stepped, taken;
            const Flight_End a_end = Fly(*p.Stepped.M, stepped);
            const Flight_End b_end = Fly_Shot(*p.Taken.M, taken);
            ASSERT_EQ(a_end, b_end) << start;
            ASSERT_EQ(static_cast<int>(a_end), a.Flight->End) << start;
            ASSERT_EQ(stepped.Hole, taken.Hole) << start;
            ASSERT_EQ(stepped.Steps, taken.Steps) << start;
            ASSERT_EQ(stepped.Holes_Asked & ~a.Asked, 0u) << start;
            p.Expect_Same("after a flight");
            ++flights;
        }
    }
    // A slice holds about an eighth of the flights, and every start at least one.
    EXPECT_GT(flights, table.Flights() / Slices / 2);
    EXPECT_GE(flights, Flight_Table::Starts / Slices);
}
INSTANTIATE_TEST_SUITE_P(Flight_Table, Every_Flight, testing::Range(0, Slices));

TEST(Flight_Table, ShotsWithTheirDrawsGoAsStepped) {
    struct Case {
        const char* name;
        int taken_in_100;  // the chance of each hole being taken
        bool stars;        // the rollover stars lit at random
    } cases[] = {
        {"a free board", 0, true},
        {"a few holes taken", 15, true},
        {"most holes taken", 70, false},
    };
    for (const Case& c : cases) {
        Pair p;
        std::mt19937 g(7);
        for (int shot = 0; shot < 200; ++shot) {
            const uint32_t draws = g();
            for (Machine* m : {&p.Stepped, &p.Taken}) {
                std::mt19937 s(draws);
                for (int n = 1; n <= 25; ++n)
                    m->M->Hole_State(n) = static_cast<int>(s() % 100) < c.taken_in_100;
                m->M->Yellow_Star_Lit = c.stars && s() % 2;
                m->M->Red_Star_Lit = c.stars && s() % 2;
                m->M->Balls_Played = static_cast<Integer>(s() % 10);
                m->M->Start_Speed = static_cast<Integer>(38 + s() % 63);
                m->M->Rng.Queue((s() % 101) / 101.0);
                m->M->Rng.Queue((s() % 2) / 2.0);
                Start_Ball(*m->M);
            }
            Flight stepped, taken;
            const Flight_End a = Fly(*p.Stepped.M, stepped);
            const Flight_End b = Fly_Shot(*p.Taken.M, taken);
            SCOPED_TRACE(c.name);
            ASSERT_EQ(a, b) << shot;
            ASSERT_EQ(stepped.Hole, taken.Hole) << shot;
            p.Expect_Same("after a shot");
        }
    }
}

TEST(Flight_Table, WholeGamesGoAsWithTheStepByStepFlight) {
    Pair p;
    for (int game = 0; game < 12; ++game) {
        for (Machine* m : {&p.Stepped, &p.Taken}) {
            Hoofdvenster& h = *m->M;
            if (h.Main_Score < 20) h.Knop_P_Click();
            h.Invest_Points();
            for (int i = 0; i < game % 5; ++i) h.Invest_Points();
            for (int shots = 0; h.Balls_Played < h.Balls_In_Game && shots < 100; ++shots) {
                h.Start_Speed = static_cast<Integer>(38 + (game * 7 + shots * 13) % 63);
                h.Knop_Bal_Click();
            }
        }
        p.Expect_Same("after a game");
    }
}

TEST(Flight_Table, IsOfferedOnlyForItsOwnBoardAndWhileTheSpaceBarIsUp) {
    Pair p;
    EXPECT_TRUE(Board_Table().Fits(*p.Stepped.M));
    p.Stepped->Zone_Map(100, 200) = p.Stepped->Zone_Map(100, 200) == 0 ? 4 : 0;
    EXPECT_FALSE(Board_Table().Fits(*p.Stepped.M));
    struct Case {
        bool space;
        double random_space;
        bool offered;
    } cases[] = {{false, 0, true}, {true, 0, false}, {false, 0.01, false}};
    for (const Case& c : cases) {
        p.Taken.Tk.Space = c.space;
        p.Taken.Tk.Space_At_Random(c.random_space, 1);
        EXPECT_EQ(p.Taken.Tk.Known_Flights() != nullptr, c.offered) << c.space << c.random_space;
    }
}

TEST(Flight_Table, FileIsTakenOnlyWholeAndForItsOwnBoard) {
    Machine m;
    m.Tk.Check_Pictures = false;
    m.Load();
    const std::string whole = Board_Table().File_Bytes();
    constexpr size_t Header = 40, First_Root = Header;
    struct Case {
        const char* name;
        std::function<void(std::string&)> damage;
        bool taken;
    } cases[] = {
        {"whole", [](std::string&) {}, true},
        {"one byte short", [](std::string& b) { b.pop_back(); }, false},
        {"one byte more", [](std::string& b) { b.push_back(0); }, false},
        {"not a table", [](std::string& b) { b[0] = 'X'; }, false},
        {"a root past the nodes", [](std::string& b) { b[First_Root + 3] = '\x7f'; }, false},
        {"an event no sound", [](std::string& b) { b.back() = '\xc8'; }, false},
        {"empty", [](std::string& b) { b.clear(); }, false},
    };
    for (const Case& c : cases) {
        std::string bytes = whole;
        c.damage(bytes);
        std::string why;
        EXPECT_EQ(Flight_Table::From_File(bytes, *m.M, &why) != nullptr, c.taken) << c.name;
        EXPECT_EQ(why.empty(), c.taken) << c.name << ": " << why;
    }
    // Another board: the same bytes are refused.
    m->Zone_Map(100, 200) = m->Zone_Map(100, 200) == 0 ? 4 : 0;
    std::string why;
    EXPECT_EQ(Flight_Table::From_File(whole, *m.M, &why), nullptr);
    EXPECT_EQ(why, "it was made for another board");
}

}  // namespace
}  // namespace plonk::test
