// Flights taken from the table of known flights against the same flights stepped
// through: the same end, record, controls, sounds and random draws, shot for shot.
#include <gtest/gtest.h>

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

struct Pair {
    Machine Stepped, Taken;
    std::unique_ptr<Flight_Table> Table;
    Pair() {
        for (Machine* m : {&Stepped, &Taken}) {
            m->Tk.Check_Pictures = false;
            m->Load();
            m->M->Rng.Fix_Seed(5);
        }
        Table = std::make_unique<Flight_Table>(*Taken.M);
        Taken.Tk.Flights = Table.get();
    }
    void Expect_Same(const char* what) {
        ASSERT_EQ(Numbers(*Stepped.M), Numbers(*Taken.M)) << what;
        ASSERT_EQ(Flight_Controls(*Stepped.M), Flight_Controls(*Taken.M)) << what;
        ASSERT_EQ(Stepped.Tk.Log, Taken.Tk.Log) << what;
        ASSERT_EQ(Stepped.Tk.Events, Taken.Tk.Events) << what;
        ASSERT_EQ(Stepped->Rng.Rnd(), Taken->Rng.Rnd()) << what;
    }
};

TEST(Flight_Table, GivesEveryShotExactlyAsTheStepByStepFlight) {
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
        // Each start twice: flown and kept the first time, taken from the table after.
        for (int shot = 0; shot < 400; ++shot) {
            const uint32_t draws = g();
            for (int again = 0; again < 2; ++again) {
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
                ASSERT_EQ(stepped.Steps, taken.Steps) << shot;
                p.Expect_Same("after a shot");
            }
        }
        EXPECT_LE(p.Table->Kept(), 400) << c.name;
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
    EXPECT_TRUE(p.Table->Fits(*p.Stepped.M));
    p.Stepped->Zone_Map(100, 200) = p.Stepped->Zone_Map(100, 200) == 0 ? 4 : 0;
    EXPECT_FALSE(p.Table->Fits(*p.Stepped.M));
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

}  // namespace
}  // namespace plonk::test
