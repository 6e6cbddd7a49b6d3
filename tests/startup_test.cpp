#include <gtest/gtest.h>

#include "support/machine.h"

namespace plonk::test {
namespace {

TEST(Startup, OddsTableHoldsTheFixedPoints) {
    Machine m;
    m->Init_Punten();
    EXPECT_EQ(m->Odds_Table(5, 4), 100);
    EXPECT_EQ(m->Odds_Table(5, 5), 200);
}

}  // namespace
}  // namespace plonk::test
