// The flight's pace in the window: on a clock of the test's own, a paced flight ends
// where and when the per-step waits say, never works a step out before its time,
// paints once a frame and keeps the screen within a frame of the ball.
#include "window/step_pacer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>

#include "app/headless_toolkit.h"
#include "app/hoofdvenster.h"

namespace plonk::test {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;
using Time = Step_Pacer::Time;

// A machine whose flight steps go through a pacer. Only working a step out, painting
// and sleeping move the clock.
struct Paced_Toolkit : Headless_Toolkit {
    Paced_Toolkit(nanoseconds frame, nanoseconds step_cost, nanoseconds paint_cost)
        : Step_Cost(step_cost),
          Paint_Cost(paint_cost),
          Pacer({[this] { return Now; }, [this](Time t) { Now = std::max(Now, t); }, [this] { Paint(); }},
                frame) {}

    void Flight_Step(int rounds, long iterations) override {
        Headless_Toolkit::Flight_Step(rounds, iterations);
        Now += Step_Cost;
        if (Worked_Out.empty()) Planned.push_back(Now);
        Worked_Out.push_back(Now);
        const nanoseconds wait(Step_Wait_Nanoseconds(rounds, iterations));
        Planned.push_back(Planned.back() + wait);
        Pacer.Step(wait);
    }
    void Paint() {
        for (size_t i = Shown; i < Worked_Out.size(); ++i)
            Longest_Unseen = std::max(Longest_Unseen, Now - Worked_Out[i]);
        Shown = Worked_Out.size();
        Paints.push_back(Now);
        Now += Paint_Cost;
    }

    nanoseconds Step_Cost, Paint_Cost;
    Step_Pacer Pacer;
    Time Now{};
    std::vector<Time> Worked_Out;  // when each step was worked out
    std::vector<Time> Planned;     // when each step is due by the per-step waits, and the end
    std::vector<Time> Paints;      // when each paint began
    size_t Shown = 0;              // steps painted so far
    nanoseconds Longest_Unseen{0};
};

struct Flown {
    int Hole = 0;
    long Steps = 0;
};

// The first ball of a new game at that speed and offset, the seed fixed before the shot.
Flown Fly(Headless_Toolkit& tk, int speed, int offset, uint64_t seed) {
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
    Flown f;
    for (int n = 1; n <= 25; ++n)
        if (m.Hole_State(n) == 1) f.Hole = n;
    f.Steps = tk.Flight_Steps;
    return f;
}

TEST(StepPacer, AFlightKeepsItsHoleStepsAndLengthAndPaintsOnceAFrame) {
    struct Case {
        int speed, offset;
        nanoseconds frame, step_cost, paint_cost;
    };
    const Case cases[] = {
        {50, 1, microseconds(16'667), microseconds(2), microseconds(20)},  // the default speed
        {50, 1, microseconds(16'667), microseconds(2), milliseconds(3)},   // a slow display
        {0, 10, microseconds(16'667), microseconds(2), microseconds(20)},  // waits longer than a frame
        {99, 1, microseconds(6'944), microseconds(5), microseconds(20)},   // the fastest, at 144 Hz
        {25, 3, microseconds(33'333), microseconds(20), microseconds(500)},
    };
    for (const Case& c : cases) {
        for (uint64_t seed : {3, 11}) {
            SCOPED_TRACE(testing::Message() << "speed " << c.speed << ", offset " << c.offset << ", seed "
                                            << seed << ", paint " << c.paint_cost.count() << " ns");
            Headless_Toolkit plain;
            const Flown before = Fly(plain, c.speed, c.offset, seed);
            Paced_Toolkit paced(c.frame, c.step_cost, c.paint_cost);
            const Flown after = Fly(paced, c.speed, c.offset, seed);
            ASSERT_GT(before.Steps, 100);
            EXPECT_EQ(after.Hole, before.Hole);
            EXPECT_EQ(after.Steps, before.Steps);

            // The whole flight lasts what its per-step waits add up to, within 5 %.
            const double planned =
                static_cast<double>((paced.Planned.back() - paced.Planned.front()).count());
            const double flown = static_cast<double>((paced.Now - paced.Worked_Out.front()).count());
            EXPECT_NEAR(flown, planned, 0.05 * planned);
            // No step is worked out (nor the space bar read) before its time, nor
            // more than two frames after it.
            for (size_t k = 0; k < paced.Worked_Out.size(); ++k) {
                ASSERT_GE(paced.Worked_Out[k], paced.Planned[k]) << "step " << k;
                ASSERT_LE(paced.Worked_Out[k], paced.Planned[k] + 2 * c.frame) << "step " << k;
            }
            // Painted at most once a frame, and every step shown within a frame.
            for (size_t i = 1; i < paced.Paints.size(); ++i)
                ASSERT_GE(paced.Paints[i] - paced.Paints[i - 1], c.frame);
            EXPECT_LE(paced.Longest_Unseen, c.frame + c.step_cost);
        }
    }
}

}  // namespace
}  // namespace plonk::test
