#include "card/card_table.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

#include "support/machine.h"

namespace plonk::test {
namespace {

struct Card_Table : ::testing::Test {
    Machine m;
    void SetUp() override { m->Init_Lites(); }
    int Number(int line, int column, int position) { return m->Card_Numbers(position, column, line); }
};

TEST_F(Card_Table, EveryNumberStandsTwiceOnTheCardInEverySetting) {
    for (int code = 0; code < card::Line_Set_Count; ++code) {
        const card::Line_Positions pos = card::Line_Set_Targets(code);
        std::map<int, int> count;
        for (int line = 0; line <= 4; ++line)
            for (int c = 0; c <= 9; ++c) ++count[Number(line, c, pos[line])];
        ASSERT_EQ(count.size(), 25u) << "code " << code;
        for (auto [n, times] : count) {
            ASSERT_GE(n, 1);
            ASSERT_LE(n, 25);
            ASSERT_EQ(times, 2) << "number " << n << " code " << code;
        }
    }
}

TEST_F(Card_Table, AtRestEachCardHoldsEveryNumberOnce) {
    for (int first : {0, 5}) {
        std::map<int, int> count;
        for (int line = 0; line <= 4; ++line)
            for (int c = first; c < first + 5; ++c) ++count[Number(line, c, 1)];
        EXPECT_EQ(count.size(), 25u) << "card from column " << first;
    }
}

TEST_F(Card_Table, AtRestTheCardReadsAsPrinted) {
    const int rest[5][10] = {
        {5, 14, 8, 6, 25, 6, 8, 10, 11, 2},     {2, 19, 1, 20, 13, 14, 19, 23, 22, 7},
        {23, 9, 17, 12, 3, 15, 18, 16, 17, 25}, {16, 22, 18, 21, 7, 1, 20, 12, 21, 3},
        {15, 4, 10, 11, 24, 24, 13, 9, 5, 4},
    };
    for (int line = 0; line <= 4; ++line)
        for (int c = 0; c <= 9; ++c) EXPECT_EQ(Number(line, c, 1), rest[line][c]) << line << "," << c;
}

TEST_F(Card_Table, PositionsShiftTheRingAndTheStorageRunsPositionFastest) {
    // Line A at 2: column 0 shows 14 and column 9 shows 5.
    EXPECT_EQ(Number(0, 0, 2), 14);
    EXPECT_EQ(Number(0, 9, 2), 5);
    // Position 0 shows the ring as it is: A is 2, 5, 14, ...
    EXPECT_EQ(Number(0, 0, 0), 2);
    EXPECT_EQ(Number(0, 9, 0), 11);
    // Element index = position + 3 * column + 30 * line.
    EXPECT_EQ(m->Card_Numbers.v[1 + 3 * 0 + 30 * 0], 5);
    EXPECT_EQ(m->Card_Numbers.v[2 + 3 * 4 + 30 * 3], 1);  // D4 at position 2: ring element 6
    EXPECT_EQ(m->Card_Numbers.v[0 + 3 * 9 + 30 * 4], 5);  // E9 at position 0: ring element 9
}

TEST(Line_Set_Code, DecodesAndEncodes) {
    struct Case {
        int code;
        card::Line_Positions pos;
    } cases[] = {
        {0, {0, 0, 0, 0, 0}}, {242, {2, 2, 2, 2, 2}}, {121, {1, 1, 1, 1, 1}}, {1, {1, 0, 0, 0, 0}},
        {3, {0, 1, 0, 0, 0}}, {81, {0, 0, 0, 0, 1}},  {200, {2, 0, 1, 1, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(card::Line_Set_Targets(c.code), c.pos) << c.code;
        EXPECT_EQ(card::Line_Set_Code(c.pos), c.code);
    }
    for (int code = 0; code < card::Line_Set_Count; ++code)
        EXPECT_EQ(card::Line_Set_Code(card::Line_Set_Targets(code)), code);
}

}  // namespace
}  // namespace plonk::test
