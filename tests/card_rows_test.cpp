#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <random>
#include <vector>

#include "card/card_evaluate.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

// ---------------------------------------------------------------------------
// The rules written out plainly, cell by cell, as the reference the machine's
// evaluators must agree with.
struct Cell {
    int line, column;
};
using Track = std::array<Cell, 5>;

enum Colour { Yellow, Red, White, Green, Double };

std::vector<Track> Plain_Tracks(Colour colour) {
    const int o = (colour == Yellow || colour == Red) ? 0 : 5;  // first column of the card
    const bool odd = colour == Yellow || colour == White;
    std::vector<Track> tracks;
    for (int line : odd ? std::vector<int>{0, 2, 4} : std::vector<int>{1, 3}) {
        Track t;
        for (int i = 0; i < 5; ++i) t[i] = {line, o + i};
        tracks.push_back(t);
    }
    for (int c : odd ? std::vector<int>{0, 2, 4} : std::vector<int>{1, 3}) {
        Track t;
        for (int i = 0; i < 5; ++i) t[i] = {i, o + c};
        tracks.push_back(t);
    }
    if (!odd) {
        Track down, up;
        for (int i = 0; i < 5; ++i) {
            down[i] = {i, o + i};
            up[i] = {i, o + 4 - i};
        }
        tracks.push_back(down);
        tracks.push_back(up);
    }
    return tracks;
}

std::vector<Cell> Plain_Pattern(Colour colour) {
    if (colour == Red) return {{0, 0}, {0, 4}, {4, 0}, {4, 4}};
    if (colour == Green || colour == Double) return {{0, 7}, {2, 5}, {2, 9}, {4, 7}};
    return {};
}

bool Plain_Lit(const Hoofdvenster& m, Cell cell) {
    const int n = m.Card_Numbers(m.Line_Pos(cell.line), cell.column, cell.line);
    return m.Hole_State(n) == 1;
}

bool Plain_Any_Row(const Hoofdvenster& m, Colour colour, int length) {
    for (const Track& t : Plain_Tracks(colour == Double ? Green : colour)) {
        for (int start = 0; start + length <= 5; ++start) {
            int lit = 0;
            for (int i = start; i < start + length; ++i) lit += Plain_Lit(m, t[i]) ? 1 : 0;
            if (lit == length) return true;
        }
    }
    return false;
}

// Whether `cells` (bit line * 10 + column) are the cells of one row of `length` of
// the colour, or, with `pattern` switched on and a length of 5, its pattern.
bool Plain_Is_Row(Colour colour, bool pattern, uint64_t cells, int length) {
    auto bits = [](const auto& list, int from, int count) {
        uint64_t b = 0;
        for (int i = from; i < from + count; ++i) b |= uint64_t{1} << (10 * list[i].line + list[i].column);
        return b;
    };
    const std::vector<Cell> corners = Plain_Pattern(colour);
    if (pattern && length == 5 && !corners.empty() && cells == bits(corners, 0, 4)) return true;
    for (const Track& t : Plain_Tracks(colour == Double ? Green : colour))
        for (int start = 0; start + length <= 5; ++start)
            if (cells == bits(t, start, length)) return true;
    return false;
}

int Plain_Evaluate(const Hoofdvenster& m, Colour colour) {
    bool got3 = false, got4 = false, got5 = false, pattern = false;
    switch (colour) {
        case Yellow:
            got3 = m.Yellow_Got3, got4 = m.Yellow_Got4, got5 = m.Yellow_Got5;
            break;
        case Red:
            got3 = m.Red_Got3, got4 = m.Red_Got4, got5 = m.Red_Got5, pattern = m.Corners_Feature;
            break;
        case White:
            got3 = m.White_Got3, got4 = m.White_Got4, got5 = m.White_Got5;
            break;
        case Green:
            got3 = m.Green_Got3, got4 = m.Green_Got4, got5 = m.Green_Got5, pattern = m.Four_Stars_Feature;
            break;
        case Double:
            got3 = m.Double_Got3, got4 = m.Double_Got4, got5 = m.Double_Got5, pattern = m.Four_Stars_Feature;
            break;
    }
    if (got5) return 0;
    const std::vector<Cell> cells = Plain_Pattern(colour);
    if (pattern && !cells.empty()) {
        bool all = true;
        for (Cell c : cells) all = all && Plain_Lit(m, c);
        if (all) return 5;
    }
    if (Plain_Any_Row(m, colour, 5)) return 5;
    if (got4) return 0;
    if (Plain_Any_Row(m, colour, 4)) return 4;
    if (got3) return 0;
    if (Plain_Any_Row(m, colour, 3)) return 3;
    return 0;
}

// ---------------------------------------------------------------------------
std::array<int, 5> Evaluate_All(const Hoofdvenster& m) {
    Integer y = -1, r = -1, w = -1, g = -1, d = -1;
    m.Geel_Op_Rij(y);
    m.Rood_Op_Rij(r);
    m.Wit_Op_Rij(w);
    m.Groen_Op_Rij(g);
    m.Groen_Op_Rij_Dubbel(d);
    return {y, r, w, g, d};
}

struct Card_Fixture : ::testing::Test {
    Machine m;
    void SetUp() override {
        m->Init_Lites();
        for (int line = 0; line <= 4; ++line) m->Line_Pos(line) = 1;
    }
    void Balls(std::initializer_list<int> holes) {
        for (int n : holes) m->Hole_State(n) = 1;
    }
};

using Rows = Card_Fixture;

struct Row_Case {
    const char* what;
    std::vector<int> holes;
    std::array<int, 5> positions;
    void (*setup)(Hoofdvenster&);
    std::array<int, 5> expected;  // yellow, red, white, green, green double
};

void Nothing(Hoofdvenster&) {}

TEST_F(Rows, EdgeCases) {
    const std::array<int, 5> rest = {1, 1, 1, 1, 1};
    const Row_Case cases[] = {
        {"empty card", {}, rest, Nothing, {0, 0, 0, 0, 0}},
        {"main line A", {5, 14, 8, 6, 25}, rest, Nothing, {5, 0, 0, 0, 0}},
        {"red diagonal, yellow cells in different tracks", {5, 19, 17}, rest, Nothing, {0, 3, 0, 0, 0}},
        {"corners without the switch", {5, 25, 15, 24}, rest, Nothing, {0, 0, 0, 0, 0}},
        {"corners with the switch",
         {5, 25, 15, 24},
         rest,
         [](Hoofdvenster& h) { h.Corners_Feature = h.Four_Stars_Feature = true; },
         {0, 5, 0, 0, 0}},
        {"yellow three paid",
         {5, 14, 8},
         rest,
         [](Hoofdvenster& h) { h.Yellow_Got3 = true; },
         {0, 0, 0, 0, 0}},
        {"yellow three paid, four lit",
         {5, 14, 8, 6},
         rest,
         [](Hoofdvenster& h) { h.Yellow_Got3 = true; },
         {4, 0, 0, 0, 0}},
        {"yellow four paid, five lit",
         {5, 14, 8, 6, 25},
         rest,
         [](Hoofdvenster& h) { h.Yellow_Got3 = h.Yellow_Got4 = true; },
         {5, 0, 0, 0, 0}},
        {"yellow five paid",
         {5, 14, 8, 6, 25},
         rest,
         [](Hoofdvenster& h) { h.Yellow_Got5 = true; },
         {0, 0, 0, 0, 0}},
        {"green line B: green and double alike", {14, 19, 23, 22, 7}, rest, Nothing, {0, 0, 0, 5, 5}},
        {"green five paid, double not",
         {14, 19, 23, 22, 7},
         rest,
         [](Hoofdvenster& h) { h.Green_Got3 = h.Green_Got4 = h.Green_Got5 = true; },
         {0, 0, 0, 0, 5}},
        {"red line B three", {19, 1, 20}, rest, Nothing, {0, 3, 0, 0, 0}},
        {"red line B four", {19, 1, 20, 2}, rest, Nothing, {0, 4, 0, 0, 0}},
        {"line B moved a step", {19, 1, 20, 2}, {1, 2, 1, 1, 1}, Nothing, {0, 3, 0, 0, 0}},
        {"green stars with the switch",
         {10, 15, 25, 9},
         rest,
         [](Hoofdvenster& h) { h.Four_Stars_Feature = true; },
         {0, 0, 0, 5, 5}},
        {"three in a line across the two cards is no row", {6, 25}, rest, Nothing, {0, 0, 0, 0, 0}},
        {"a ball in a hole that is not 1 does not light",
         {},
         rest,
         [](Hoofdvenster& h) {
             for (int n : {5, 14, 8, 6, 25}) h.Hole_State(n) = 2;
         },
         {0, 0, 0, 0, 0}},
    };
    for (const Row_Case& c : cases) {
        SCOPED_TRACE(c.what);
        Machine fresh;
        Hoofdvenster& h = *fresh.M;
        h.Init_Lites();
        for (int line = 0; line <= 4; ++line) h.Line_Pos(line) = To_Integer(c.positions[line]);
        for (int n : c.holes) h.Hole_State(n) = 1;
        c.setup(h);
        EXPECT_EQ(Evaluate_All(h), c.expected);
        for (int z = Yellow; z <= Double; ++z) EXPECT_EQ(Plain_Evaluate(h, Colour(z)), c.expected[z]);
    }
}

TEST_F(Rows, MovingALineChangesTheAnswerWithTheSameBalls) {
    Balls({19, 1, 20, 2});
    EXPECT_EQ(Evaluate_All(*m.M)[Red], 4);
    m->Line_Pos(1) = 2;
    EXPECT_EQ(Evaluate_All(*m.M)[Red], 3);
    m->Line_Pos(1) = 0;  // B shows 7, 2, 19, 1, 20: the four-row moved to B1..B4
    EXPECT_EQ(Evaluate_All(*m.M)[Red], 4);
    m->Hole_State(2) = 0;
    EXPECT_EQ(Evaluate_All(*m.M)[Red], 3);
}

TEST_F(Rows, EvaluatorsChangeNothing) {
    Balls({5, 14, 8, 6, 25, 19, 1, 20});
    m->Line_Pos(2) = 0;
    const auto holes = m->Hole_State;
    const auto positions = m->Line_Pos;
    const auto first = Evaluate_All(*m.M);
    EXPECT_EQ(Evaluate_All(*m.M), first);
    for (int n = 1; n <= 25; ++n) EXPECT_EQ(m->Hole_State(n), holes(n));
    for (int line = 0; line <= 4; ++line) EXPECT_EQ(m->Line_Pos(line), positions(line));
}

TEST_F(Rows, LitCellsFollowTheCardNumbers) {
    std::mt19937 rng(7);
    for (int round = 0; round < 2000; ++round) {
        const uint32_t holes = static_cast<uint32_t>(rng()) & 0x3FFFFFEu;
        const card::Line_Positions pos = card::Line_Set_Targets(static_cast<int>(rng() % 243));
        for (int n = 1; n <= 25; ++n) m->Hole_State(n) = (holes >> n) & 1u;
        for (int line = 0; line <= 4; ++line) m->Line_Pos(line) = To_Integer(pos[line]);
        uint64_t expected = 0;
        for (int line = 0; line <= 4; ++line)
            for (int c = 0; c <= 9; ++c)
                if (Plain_Lit(*m.M, {line, c})) expected |= card::Cell_Bit(line, c);
        ASSERT_EQ(card::Lit_Cells(holes, pos), expected);
        ASSERT_EQ(card::Lit_Cells(*m.M), expected);
        ASSERT_EQ(card::Hole_Bits(*m.M), holes);
    }
}

// Trying a ball and a line setting on the masks answers what the evaluators answer
// once that ball and setting are really on the card.
TEST_F(Rows, TrialsOnTheMasksMatchTheEvaluatorsOnTheRecord) {
    std::mt19937 rng(99);
    for (int round = 0; round < 300; ++round) {
        for (int n = 1; n <= 25; ++n) m->Hole_State(n) = rng() % 4 == 0 ? 1 : 0;
        m->Red_Got3 = rng() % 2, m->Green_Got3 = rng() % 2, m->Double_Got4 = rng() % 2;
        m->Corners_Feature = rng() % 2, m->Four_Stars_Feature = rng() % 2;
        const int trial = 1 + static_cast<int>(rng() % 25);
        const int code = static_cast<int>(rng() % 243);
        const card::Lit_Rings rings = card::Rings_Of_Holes(card::Hole_Bits(*m.M) | card::Hole_Bit(trial));
        const uint64_t lit = card::Lit_Cells(rings, card::Line_Set_Targets(code));
        std::array<int, 5> tried;
        for (int e = 0; e < 5; ++e) tried[e] = card::Evaluate(*m.M, lit, Win_Kind(e + 1));
        EXPECT_EQ(card::Evaluate_All(*m.M, lit), tried);
        m->Hole_State(trial) = 1;
        const card::Line_Positions pos = card::Line_Set_Targets(code);
        for (int line = 0; line <= 4; ++line) m->Line_Pos(line) = To_Integer(pos[line]);
        ASSERT_EQ(tried, Evaluate_All(*m.M)) << "round " << round;
    }
}

TEST_F(Rows, LinePositionOutsideItsRangeIsRefused) {
    card::Line_Positions pos = {1, 1, 3, 1, 1};
    EXPECT_THROW(card::Lit_Cells(0x3FFFFFEu, pos), Subscript_Out_Of_Range);
    pos[2] = -1;
    EXPECT_THROW(card::Lit_Cells(0x3FFFFFEu, pos), Subscript_Out_Of_Range);
}

// The fast evaluators against the plain rules on many random cards: random holes
// (with varying density), line positions, paid marks and pattern switches.
TEST_F(Rows, AgreeWithThePlainRulesOnRandomCards) {
    std::mt19937 rng(20240607);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int seen[5][6] = {};
    for (int round = 0; round < 100000; ++round) {
        const double density = 0.15 + 0.6 * unit(rng);
        for (int n = 1; n <= 25; ++n) m->Hole_State(n) = unit(rng) < density ? 1 : 0;
        for (int line = 0; line <= 4; ++line) m->Line_Pos(line) = To_Integer(rng() % 3);
        auto mark = [&] { return unit(rng) < 0.2; };
        m->Yellow_Got3 = mark(), m->Yellow_Got4 = mark(), m->Yellow_Got5 = mark();
        m->Red_Got3 = mark(), m->Red_Got4 = mark(), m->Red_Got5 = mark();
        m->White_Got3 = mark(), m->White_Got4 = mark(), m->White_Got5 = mark();
        m->Green_Got3 = mark(), m->Green_Got4 = mark(), m->Green_Got5 = mark();
        m->Double_Got3 = mark(), m->Double_Got4 = mark(), m->Double_Got5 = mark();
        m->Corners_Feature = unit(rng) < 0.5;
        m->Four_Stars_Feature = unit(rng) < 0.5;
        const auto fast = Evaluate_All(*m.M);
        for (int z = Yellow; z <= Double; ++z) {
            const int plain = Plain_Evaluate(*m.M, Colour(z));
            ASSERT_EQ(fast[z], plain) << "round " << round << " zone " << z;
            ++seen[z][plain == 0 ? 0 : plain];
            // The row behind the answer: lit cells forming one row of that length.
            const card::Row_Found row = card::Find_Row(*m.M, Win_Kind(z + 1));
            ASSERT_EQ(row.Count, plain);
            EXPECT_EQ(row.Cells & card::Lit_Cells(*m.M), row.Cells);
            const bool pattern = z == Red ? m->Corners_Feature : z >= Green && m->Four_Stars_Feature;
            EXPECT_TRUE(plain == 0 ? row.Cells == 0 : Plain_Is_Row(Colour(z), pattern, row.Cells, plain))
                << "round " << round << " zone " << z;
        }
    }
    // Every answer occurred for every zone, so the comparison covered them all.
    for (int z = Yellow; z <= Double; ++z)
        for (int answer : {0, 3, 4, 5})
            EXPECT_GT(seen[z][answer], 100) << "zone " << z << " answer " << answer;
}

}  // namespace
}  // namespace plonk::test
