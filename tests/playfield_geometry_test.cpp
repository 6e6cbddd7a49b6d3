// The playfield's tables and the loading of the zone map file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "playfield/board_layout.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

TEST(Geometry, HolePositionsAgreeWithTheHoleRows) {
    Machine m;
    m->Init_Hole_XY();
    EXPECT_EQ(m->Hole_X(1), 19);
    EXPECT_EQ(m->Hole_Y(1), 68);
    EXPECT_EQ(m->Hole_X(13), 261);
    EXPECT_EQ(m->Hole_X(24), 151);
    EXPECT_EQ(m->Hole_Y(24), 408);
    EXPECT_EQ(m->Hole_Y(23), 418);
    EXPECT_EQ(m->Hole_Y(25), 418);
    // Every hole is where its row puts it: the k-th hole of a row starts one pitch
    // after the one before, and the row's formula for its centre gives it back.
    for (int row = 0; row < 5; ++row) {
        const auto& r = board::Hole_Rows[row];
        for (int k = 0; k < r.Count; ++k) {
            const int n = r.First_Number + k;
            const int cx = m->Hole_X(n) + 7, cy = m->Hole_Y(n) + 7;
            EXPECT_EQ(m->Hole_X(n), r.First_X + k * r.Pitch) << "hole " << n;
            EXPECT_EQ(static_cast<int>(Int((cy - 60) / 85.0)), row) << "hole " << n;
            EXPECT_EQ(Int(static_cast<double>(cx - r.First_X) / r.Pitch) + r.First_Number, n);
            const int top = row == 4 && cx >= 150 && cx <= 166 ? 408 : r.Top_Y;
            EXPECT_EQ(m->Hole_Y(n), top) << "hole " << n;
        }
    }
}

TEST(Geometry, HoleRowBoundaries) {
    // The hole row of a centre pixel, by y.
    const std::pair<int, int> rows[] = {{60, 0}, {144, 0}, {145, 1}, {229, 1}, {230, 2}, {400, 4}, {479, 4}};
    for (const auto& [y, row] : rows)
        EXPECT_EQ(static_cast<int>(Int((y - 60) / 85.0)), row) << "row of y " << y;
}

TEST(Geometry, PinTableHoldsTheRing) {
    Machine m;
    m->Pin_Angle(5, 5) = 77;  // start-up clears every element first
    m->Init_Tap_XY();
    const std::tuple<int, int, int> elements[] = {
        {12, 0, 90},   {9, 0, 100},  {15, 0, 80},   {0, 12, 180}, {24, 12, 0},   {24, 9, 10},
        {12, 24, 270}, {9, 24, 260}, {15, 23, 284}, {1, 16, 198}, {22, 18, 330}, {5, 5, 0},
    };
    for (const auto& [i, j, a] : elements) EXPECT_EQ(m->Pin_Angle(i, j), a) << "(" << i << ", " << j << ")";
    int set = 0;
    for (Integer a : m->Pin_Angle.v) set += a != 0;
    EXPECT_EQ(set, 95);  // 96 ring elements, one of them 0
    // The ring is mirrored left to right: (24 - i, j) holds 180 - (i, j).
    for (int j = 0; j <= 24; ++j)
        for (int i = 0; i <= 24; ++i)
            if (m->Pin_Angle(i, j) != 0 && i != 24 && i != 0) {
                EXPECT_EQ(m->Pin_Angle(24 - i, j), Mod(540 - m->Pin_Angle(i, j), 360)) << i << "," << j;
            }
}

TEST(Geometry, RightSpringMirrorsTheLeftButForTwoElements) {
    Machine m;
    m->Init_Veer_XY();
    int left = 0, right = 0, differ = 0;
    for (int j = 0; j <= 40; ++j)
        for (int i = 0; i <= 40; ++i) {
            left += m->Left_Spring_Angle(i, j) != 0;
            right += m->Right_Spring_Angle(i, j) != 0;
            const int l = m->Left_Spring_Angle(i, j);
            const int want = l == 0 ? 0 : Mod(180 - l + 360, 360);
            if (m->Right_Spring_Angle(40 - i, j) != want) {
                ++differ;
                EXPECT_TRUE((40 - i == 38 && (j == 7 || j == 8))) << "(" << 40 - i << ", " << j << ")";
            }
        }
    EXPECT_EQ(left, 160);
    EXPECT_EQ(right, 160);
    EXPECT_EQ(differ, 2);
    EXPECT_EQ(m->Right_Spring_Angle(38, 7), 29);
    EXPECT_EQ(m->Right_Spring_Angle(38, 8), 26);
    // The flat faces.
    for (int k = 0; k <= 15; ++k) {
        EXPECT_EQ(m->Left_Spring_Angle(4 + k, 21 + k), 225);
        EXPECT_EQ(m->Right_Spring_Angle(36 - k, 21 + k), 315);
    }
}

TEST(Geometry, InitHolesEmptiesEveryHole) {
    Machine m;
    for (int n = 1; n <= 25; ++n) m->Hole_State(n) = 1;
    m->Init_Holes();
    for (int n = 1; n <= 25; ++n) EXPECT_EQ(m->Hole_State(n), 0);
}

// A map file of `size` bytes: pixel data at 118, stored row r filled with the byte
// pattern r, r + 16, r + 32, ... so every byte says where it came from.
std::vector<unsigned char> Map_File(size_t size) {
    std::vector<unsigned char> bytes(size, 0xEE);
    for (size_t at = 118; at < size; ++at) {
        const size_t r = (at - 118) / 160, c = (at - 118) % 160;
        bytes[at] = static_cast<unsigned char>(((r & 15) << 4) | (c & 15));
    }
    return bytes;
}

void Write(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST(Geometry, InitVeldReadsRowsBottomUpHighNibbleFirst) {
    Machine m;
    m->App_Folder = m.Folder.Path() + "/";
    Write(m.Folder.File("Veld.bmp"), Map_File(118 + 160 * 480));
    m->Init_Veld();
    // Stored row 0 is the bottom row; byte c of a row holds pixels 2c and 2c + 1.
    EXPECT_EQ(m->Zone_Map(0, 479), 0);  // row 0, byte 0: 0x00
    EXPECT_EQ(m->Zone_Map(2, 479), 0);  // byte 1: 0x01, high nibble
    EXPECT_EQ(m->Zone_Map(3, 479), 1);  // low nibble
    EXPECT_EQ(m->Zone_Map(6, 479), 0);  // byte 3: 0x03
    EXPECT_EQ(m->Zone_Map(7, 479), 3);
    EXPECT_EQ(m->Zone_Map(0, 478), 1);  // stored row 1: 0x10
    EXPECT_EQ(m->Zone_Map(1, 478), 0);
    EXPECT_EQ(m->Zone_Map(31, 0), 15);   // stored row 479 (& 15 = 15), byte 15: 0xFF
    EXPECT_EQ(m->Zone_Map(319, 0), 15);  // byte 159: 0xFF
    EXPECT_EQ(m->Zone_Map(318, 0), 15);
}

TEST(Geometry, InitVeldToleratesAMissingOrShortFile) {
    {
        Machine m;
        m->App_Folder = m.Folder.Path() + "/";
        m->Zone_Map(5, 5) = 3;
        m->Init_Veld();  // no file at all
        EXPECT_EQ(m->Zone_Map(5, 5), 3);
    }
    {
        // The file ends inside stored row 2, within the pair of bytes 4..5: the
        // pairs before it are loaded, the rest keeps its value.
        Machine m;
        m->App_Folder = m.Folder.Path() + "/";
        for (auto& z : m->Zone_Map.v) z = 9;
        Write(m.Folder.File("Veld.bmp"), Map_File(118 + 160 * 2 + 5));
        m->Init_Veld();
        EXPECT_EQ(m->Zone_Map(0, 479), 0);
        EXPECT_EQ(m->Zone_Map(319, 478), 15);
        EXPECT_EQ(m->Zone_Map(7, 477), 3);  // byte 3 of stored row 2: 0x23
        EXPECT_EQ(m->Zone_Map(6, 477), 2);
        EXPECT_EQ(m->Zone_Map(8, 477), 9);  // its pair was cut short
        EXPECT_EQ(m->Zone_Map(0, 476), 9);
    }
    {
        Machine m;  // shorter than its headers
        m->App_Folder = m.Folder.Path() + "/";
        Write(m.Folder.File("Veld.bmp"), std::vector<unsigned char>(60, 0x11));
        m->Init_Veld();
        EXPECT_EQ(m->Zone_Map(0, 479), 0);
    }
}

TEST(Geometry, InitVeldReadsOnlyAMapFileAndOnlyItsOwnBytes) {
    const struct {
        const char* name;
        std::function<void(const std::string& path)> make;
        int loaded;  // the zone then found at (3, 479): 1 from the map, 9 when it was not read
    } cases[] = {
        {"a folder", [](auto& path) { std::filesystem::create_directory(path); }, 9},
        {"a FIFO", [](auto& path) { ::mkfifo(path.c_str(), 0644); }, 9},
        {"a link to /dev/zero", [](auto& path) { std::filesystem::create_symlink("/dev/zero", path); }, 9},
        {"a link to a folder", [](auto& path) { std::filesystem::create_symlink("/", path); }, 9},
        {"a 200 MB file",
         [](auto& path) {
             Write(path, Map_File(118 + 160 * 480));
             EXPECT_EQ(::truncate(path.c_str(), 200 << 20), 0);
         },
         1},
    };
    for (const auto& c : cases) {
        Machine m;
        m->App_Folder = m.Folder.Path() + "/";
        for (auto& z : m->Zone_Map.v) z = 9;
        c.make(m.Folder.File("Veld.bmp"));
        EXPECT_NO_THROW(m->Init_Veld()) << c.name;
        EXPECT_EQ(m->Zone_Map(3, 479), c.loaded) << c.name;
    }
}

}  // namespace
}  // namespace plonk::test
