// The toolkit without a window: a space bar pressed and released at random.
#include "app/headless_toolkit.h"

#include <gtest/gtest.h>

namespace plonk::test {
namespace {

TEST(HeadlessToolkit, SpaceBarAtRandomChangesAtFlightStepsOnly) {
    const struct {
        double p;
        int fewest, most;  // changes over 1000 steps
    } cases[] = {{0, 0, 0}, {1, 1000, 1000}, {0.02, 5, 40}, {0.5, 400, 600}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.p);
        Headless_Toolkit tk, again;
        tk.Space_At_Random(c.p, 9);
        again.Space_At_Random(c.p, 9);
        int changes = 0;
        for (int step = 0; step < 1000; ++step) {
            const bool before = tk.Space_Down();
            EXPECT_EQ(tk.Space_Down(), before);  // reading it changes nothing
            tk.Flight_Step(1, 10);
            again.Flight_Step(1, 10);
            changes += tk.Space != before;
            ASSERT_EQ(tk.Space, again.Space) << "the same seed, the same presses";
        }
        EXPECT_GE(changes, c.fewest);
        EXPECT_LE(changes, c.most);
    }
}

}  // namespace
}  // namespace plonk::test
