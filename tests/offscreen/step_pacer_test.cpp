// The flight's pace in the window: on a clock of the test's own, a paced flight ends
// on the same hole after the same steps and when the per-step waits say, works no
// step out more than a frame before its time, wakes up and paints at most once a
// frame and shows every step within a frame.
#include "app/step_pacer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>

#include "machine/headless_toolkit.h"
#include "machine/hoofdvenster.h"
#include "tools/window_driver/flight_watch.h"

namespace plonk::test {
namespace {

using us = std::chrono::microseconds;
using Time = Step_Pacer::Time;

// Flight steps go through a pacer; only working a step out, painting and sleeping
// move its clock.
struct Paced_Toolkit : Headless_Toolkit {
    Paced_Toolkit(us frame, us step_cost, us paint_cost)
        : Step_Cost(step_cost),
          Paint_Cost(paint_cost),
          Pacer({[this] { return Now; }, [this](Time t) { Sleep_Until(t); }, [this] { Paint(); }}, frame) {}
    void Flight_Step(int rounds, long iterations) override {
        Headless_Toolkit::Flight_Step(rounds, iterations);
        Now += Step_Cost;
        if (Ran.empty()) Due.push_back(Now);
        Ran.push_back(Now);
        const std::chrono::nanoseconds wait(Step_Wait_Nanoseconds(rounds, iterations));
        Due.push_back(Due.back() + wait);
        Pacer.Step(wait);
    }
    void Refresh() override {
        Pacer.Finish();
        Headless_Toolkit::Refresh();
    }
    void Sleep_Until(Time t) {
        if (t > Now) Wakes.push_back(t);
        Now = std::max(Now, t);
    }
    void Paint() {
        for (size_t i = Shown; i < Ran.size(); ++i) Longest_Unseen = std::max(Longest_Unseen, Now - Ran[i]);
        Shown = Ran.size();
        Paints.push_back(Now);
        Now += Paint_Cost;
    }
    us Step_Cost, Paint_Cost;
    Step_Pacer Pacer;
    Time Now{};
    std::vector<Time> Ran, Due, Paints;  // when each step ran and was due by the waits, each paint
    std::vector<Time> Wakes;             // the end of every sleep
    size_t Shown = 0;
    std::chrono::nanoseconds Longest_Unseen{0};
};

// The first ball of a new game at that speed and offset: its hole and its steps.
std::pair<int, long> Fly(Headless_Toolkit& tk, int speed, int offset, uint64_t seed) {
    QTemporaryDir config;
    tk.Folder = PLONK_BIN_DIR "/";
    Hoofdvenster m(tk, config.filePath("Plonk.ini").toStdString());
    m.Form_Load();
    m.Knop_P_Click();
    m.Invest_Points();
    m.Ball_Speed = static_cast<Integer>(speed);
    m.Ball_Speed_Offset = static_cast<Integer>(offset);
    m.Rng.Fix_Seed(seed);
    m.Knop_Bal_Click();
    int hole = 0;
    for (int n = 1; n <= 25; ++n) hole = m.Hole_State(n) == 1 ? n : hole;
    return {hole, tk.Flight_Steps};
}

TEST(StepPacer, AFlightKeepsItsHoleStepsAndLengthAndPaintsOnceAFrame) {
    struct Case {
        int speed, offset;
        us frame, step_cost, paint_cost;
        bool busy = false;  // working a step out takes half its wait
    };
    const Case cases[] = {
        {50, 1, us(16'667), us(2), us(20)},       // the default speed at 60 Hz
        {50, 1, us(16'667), us(2), us(3000)},     // a slow display
        {0, 10, us(16'667), us(2), us(20)},       // waits of about half a frame
        {99, 1, us(6'944), us(5), us(20), true},  // the fastest at 144 Hz
        {25, 3, us(33'333), us(20), us(500)},
    };
    for (const Case& c : cases) {
        for (uint64_t seed : {3, 11}) {
            SCOPED_TRACE(testing::Message() << "speed " << c.speed << " offset " << c.offset << " seed "
                                            << seed << " paint " << c.paint_cost.count());
            Headless_Toolkit plain;
            Paced_Toolkit paced(c.frame, c.step_cost, c.paint_cost);
            const auto before = Fly(plain, c.speed, c.offset, seed);
            ASSERT_GT(before.second, 100);
            EXPECT_EQ(Fly(paced, c.speed, c.offset, seed), before);
            // The flight lasts what its per-step waits add up to, within 5 %; no step
            // runs (nor reads the space bar) a frame or more before it is due, nor two
            // frames after.
            const auto planned = static_cast<double>((paced.Due.back() - paced.Due.front()).count());
            EXPECT_NEAR(static_cast<double>((paced.Now - paced.Ran.front()).count()), planned,
                        0.05 * planned);
            for (size_t k = 0; k < paced.Ran.size(); ++k) {
                ASSERT_GT(paced.Ran[k], paced.Due[k] - c.frame) << "step " << k;
                ASSERT_LE(paced.Ran[k], paced.Due[k] + 2 * c.frame) << "step " << k;
            }
            for (size_t i = 1; i < paced.Paints.size(); ++i)
                ASSERT_GE(paced.Paints[i] - paced.Paints[i - 1], c.frame);
            EXPECT_LE(paced.Longest_Unseen, c.frame + c.step_cost);
            // The pacer wakes up once a frame at most, unless working the steps out
            // takes about as long as waiting for them.
            if (!c.busy) {
                EXPECT_LE(static_cast<double>(paced.Wakes.size()), planned / 1000.0 / c.frame.count() + 1);
            }
        }
    }
}

TEST(StepPacer, TheWindowReadsTheSpaceBarOnceAFrameForAllTheSteps) {
    // Held down all along, at the fastest speed: some thousand steps a frame, of which
    // every one that is not kicked yet asks.
    int reads = 0;
    Watched_Game g("[Speed]\nValue=99\n[Speed_Offset]\nValue=1\n", [&reads] { return ++reads > 0; });
    g.New_Game();
    g.Shoot();
    ASSERT_GT(g.W->Steps, 1000);
    EXPECT_GT(reads, 0);
    EXPECT_LT(reads * 50, g.W->Steps);
    // Every step that asked saw the reading of its frame: down more often than read.
    EXPECT_GT(g.W->Space_Seen, reads);
}

}  // namespace
}  // namespace plonk::test
