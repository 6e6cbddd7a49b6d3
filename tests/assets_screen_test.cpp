// The generated background "Scherm.bmp": its format and colours, the star-game
// frames, the card's colour zones and marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/basic_types.h"
#include "support/machine.h"
#include "support/picture_reader.h"

namespace plonk::test {
namespace {

const std::string kBin = PLONK_BIN_DIR "/";

// ------------------------------------------------------------- the background

// The background's pixels as colour numbers 0..15, read straight from the file:
// 4-bit, bottom-up, 320 bytes a row, the left pixel in the high nibble.
class Screen : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        bytes_ = Read_Bytes(kBin + "Scherm.bmp");
        if (bytes_.size() < 118 + 320 * 480) return;
        colour_.assign(640 * 480, 0);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) {
                const unsigned char pair = bytes_[118 + 320 * (479 - y) + x / 2];
                colour_[y * 640 + x] = x % 2 == 0 ? pair >> 4 : pair & 15;
            }
    }
    static int At(int x, int y) { return colour_[y * 640 + x]; }
    static uint32_t Le(size_t at, int n) {
        uint32_t v = 0;
        for (int i = n - 1; i >= 0; --i) v = (v << 8) | bytes_[at + i];
        return v;
    }

    static std::vector<unsigned char> bytes_;
    static std::vector<int> colour_;
};
std::vector<unsigned char> Screen::bytes_;
std::vector<int> Screen::colour_;

constexpr int kGrey = 8, kLightRed = 12, kCyan = 11;

TEST_F(Screen, IsFourBitWithTheSixteenClassicColoursInOrder) {
    ASSERT_EQ(bytes_.size(), 118u + 320u * 480u);
    EXPECT_EQ(Le(10, 4), 118u);  // pixel data offset
    EXPECT_EQ(Le(18, 4), 640u);
    EXPECT_EQ(Le(22, 4), 480u);
    EXPECT_EQ(Le(28, 2), 4u);  // bits a pixel
    EXPECT_EQ(Le(30, 4), 0u);  // uncompressed
    for (int n = 0; n < 16; ++n) EXPECT_EQ(Le(54 + 4 * n, 3), QBColor(n)) << "palette entry " << n;
}

const int kStripTop[4] = {296, 329, 363, 397};
const int kStripBottom[4] = {324, 358, 392, 426};

struct Box {
    int X0, Y0, X1, Y1;
};
const Box kPanelBoxes[] = {{322, 226, 383, 244}, {322, 249, 383, 267}, {566, 207, 633, 221},
                           {499, 207, 566, 221}, {409, 207, 427, 221}, {427, 207, 445, 221},
                           {445, 207, 463, 221}, {463, 207, 481, 221}, {481, 207, 499, 221}};

TEST_F(Screen, StarGamePanelFramesLieUnderTheFrames) {
    ASSERT_FALSE(colour_.empty());
    for (int s = 0; s < 4; ++s) {
        for (int y : {kStripTop[s], kStripBottom[s]})
            for (int x = 322; x <= 538; ++x) {
                // The yellow strip's top right pixel is also on the right edge of its
                // level-9 cell, which the star game leaves light cyan.
                const bool cell_boundary = (x - 322) % 24 == 0 && !(x == 538 && y == 296);
                EXPECT_EQ(At(x, y), cell_boundary ? kGrey : kCyan) << x << "," << y;
            }
        for (int y = kStripTop[s] + 1; y < kStripBottom[s]; ++y) EXPECT_EQ(At(538, y), kCyan) << "538," << y;
    }
    for (const Box& b : kPanelBoxes) {
        for (int x = b.X0; x <= b.X1; ++x)
            for (int y : {b.Y0, b.Y1})
                EXPECT_EQ(At(x, y), x == b.X0 || x == b.X1 ? kGrey : kCyan) << x << "," << y;
        for (int y = b.Y0 + 1; y < b.Y1; ++y)
            for (int x : {b.X0, b.X1}) EXPECT_EQ(At(x, y), kCyan) << x << "," << y;
    }
}

// The star game's frames for a red level, drawn in light red and then erased, as
// the machine draws them: lines up to but not including their last point, boxes
// with all four edges.
class Panel_Drawing {
public:
    explicit Panel_Drawing(std::vector<int> pixels) : px_(std::move(pixels)) {}
    const std::vector<int>& Pixels() const { return px_; }

    void Frames(int red, bool erase) {
        const int levels[4] = {std::min(red + 2, 9), red, std::min(red + 1, 9), red};
        for (int s = 0; s < 4; ++s) {
            const int v = levels[s], x0 = 322 + 24 * (v - 1), x1 = 323 + 24 * v;
            for (int y : {kStripTop[s], kStripBottom[s]}) {
                if (erase) {
                    Line(x0, y, x1, y, kGrey);
                    Line(x0 + 1, y, x1 - 1, y, kCyan);
                } else {
                    Line(x0, y, x1, y, kLightRed);
                }
            }
        }
        // The right edges of level-9 cells lie on the background.
        const int right_top[4] = {296, 330, 364, 398};
        for (int s = 0; s < 4; ++s)
            if (levels[s] == 9) Line(538, right_top[s], 538, kStripBottom[s], erase ? kCyan : kLightRed);
        const int line_level = red == 1 ? 5 : red <= 3 ? 7 : red <= 5 ? 8 : red <= 8 ? 9 : 10;
        std::vector<Box> boxes = {red % 2 ? kPanelBoxes[0] : kPanelBoxes[1],
                                  red > 5 ? kPanelBoxes[2] : kPanelBoxes[3]};
        for (int k = 0; k <= line_level - 6; ++k) boxes.push_back({409 + 18 * k, 207, 427 + 18 * k, 221});
        for (const Box& b : boxes) {
            Rect(b, erase ? kCyan : kLightRed);
            if (erase)
                for (int x : {b.X0, b.X1})
                    for (int y : {b.Y0, b.Y1}) px_[y * 640 + x] = kGrey;
        }
    }

private:
    void Line(int x1, int y1, int x2, int y2, int c) {
        if (y1 == y2)
            for (int x = x1; x < x2; ++x) px_[y1 * 640 + x] = c;
        else
            for (int y = y1; y < y2; ++y) px_[y * 640 + x1] = c;
    }
    void Rect(const Box& b, int c) {
        for (int x = b.X0; x <= b.X1; ++x) px_[b.Y0 * 640 + x] = px_[b.Y1 * 640 + x] = c;
        for (int y = b.Y0; y <= b.Y1; ++y) px_[y * 640 + b.X0] = px_[y * 640 + b.X1] = c;
    }
    std::vector<int> px_;
};

TEST_F(Screen, ErasingTheStarGameFramesRestoresThePanelAtEveryRedLevel) {
    ASSERT_FALSE(colour_.empty());
    for (int red = 1; red <= 9; ++red) {
        Panel_Drawing d(colour_);
        d.Frames(red, false);
        EXPECT_NE(d.Pixels(), colour_) << "red level " << red << " drew nothing";
        d.Frames(red, true);
        const auto diff = std::mismatch(d.Pixels().begin(), d.Pixels().end(), colour_.begin());
        if (diff.first != d.Pixels().end()) {
            const long i = diff.first - d.Pixels().begin();
            ADD_FAILURE() << "red level " << red << ": pixel (" << i % 640 << "," << i / 640 << ") is "
                          << *diff.first << " after erasing, " << *diff.second << " before";
        }
    }
}

// A lamp's place on the card.
int Lamp_Left(int col) { return 327 + 30 * col + (col >= 5 ? 10 : 0); }
int Lamp_Top(int line) { return 34 + 30 * line; }

// The colour of the zone band of a straight track: rows and columns alternate
// between the card's two colours, the first one on rows A, C, E and on the
// card's first, middle and last column.
int Zone_Colour(int col_in_card_or_line, bool extra) {
    constexpr int kYellow = 14, kRed = 12, kWhite = 15, kGreen = 10;
    const bool first = col_in_card_or_line % 2 == 0;
    return extra ? (first ? kWhite : kGreen) : (first ? kYellow : kRed);
}

TEST_F(Screen, ZoneBandsRunBetweenTheLamps) {
    ASSERT_FALSE(colour_.empty());
    for (int line = 0; line <= 4; ++line)
        for (int col = 0; col <= 9; ++col) {
            const bool extra = col >= 5;
            if (col % 5 != 4) {  // between this lamp and the next one of its row
                EXPECT_EQ(At(Lamp_Left(col) + 25, Lamp_Top(line) + 10), Zone_Colour(line, extra))
                    << "row " << line << " after column " << col;
            }
            if (line < 4) {  // between this lamp and the one below, where a star cell's
                             // top point reaches up
                const bool star_below =
                    (line + 1 == 2 && (col == 5 || col == 9)) || (line + 1 == 4 && col == 7);
                EXPECT_EQ(At(Lamp_Left(col) + 10, Lamp_Top(line) + 25),
                          star_below ? 14 : Zone_Colour(col % 5, extra))
                    << "column " << col << " below line " << line;
            }
        }
}

TEST_F(Screen, BonusCornerAndStarCellsAreMarked) {
    ASSERT_FALSE(colour_.empty());
    constexpr int kMagenta = 13, kRed = 12, kYellow = 14;
    const std::set<std::pair<int, int>> bonus = {{0, 2}, {2, 0}, {2, 2}, {2, 4}, {4, 2},
                                                 {0, 5}, {0, 9}, {2, 7}, {4, 5}, {4, 9}};
    const std::set<std::pair<int, int>> corners = {{0, 0}, {0, 4}, {4, 0}, {4, 4}};
    const std::set<std::pair<int, int>> stars = {{0, 7}, {2, 5}, {2, 9}, {4, 7}};
    for (int line = 0; line <= 4; ++line)
        for (int col = 0; col <= 9; ++col) {
            // Two pixels above the lamp's top centre: on the mark's ring or point,
            // or else on the column's band.
            const std::pair<int, int> cell{line, col};
            const int expected = bonus.count(cell)     ? kMagenta
                                 : corners.count(cell) ? kRed
                                 : stars.count(cell)   ? kYellow
                                                       : Zone_Colour(col % 5, col >= 5);
            EXPECT_EQ(At(Lamp_Left(col) + 10, Lamp_Top(line) - 2), expected) << "cell " << line << "," << col;
        }
}

}  // namespace
}  // namespace plonk::test
