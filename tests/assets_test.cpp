// The generated pictures: names and sizes, and the look rules of counters, boards
// and lamps (the background has its own file). Also that the generator is
// repeatable and reports files it cannot write.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
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

Picture Load(const std::string& name) {
    Picture p;
    std::string error;
    EXPECT_TRUE(Read_Picture(kBin + name, p, error)) << error;
    return p;
}

std::string Two_Digits(int n) { return std::to_string(n + 100).substr(1); }

// ------------------------------------------------------------ names and sizes

struct Expected_Size {
    std::string Name;
    int Width, Height;
};

std::vector<Expected_Size> Every_Picture() {
    std::vector<Expected_Size> all = {
        {"Scherm.bmp", 640, 480},
        {"Kracht.bmp", 10, 31},
        {"Min.bmp", 5, 5},
        {"Plus.bmp", 5, 5},
        {"Bal.gif", 15, 15},
        {"Tip.gif", 15, 15},
        {"Ster_Geel.bmp", 13, 13},
        {"Ster_Rood.bmp", 13, 13},
        {"RedBonus.bmp", 40, 11},
        {"GreenBonus.bmp", 40, 11},
        {"Pijl.bmp", 16, 13},
        {"4thBall.bmp", 66, 13},
        {"5thBall.bmp", 66, 13},
        {"Corners.bmp", 60, 17},
        {"4Stars.bmp", 60, 17},
        {"3Stars.bmp", 59, 17},
        {"2Stars.bmp", 59, 17},
        {"Vlag.bmp", 44, 45},
        {"16Hit.bmp", 310, 17},
        {"Dubbel.bmp", 89, 50},
        {"XtrBall.bmp", 35, 15},
        {"Knop_KrachtOmlaag.bmp", 12, 13},
        {"Knop_KrachtOmhoog.bmp", 12, 13},
        {"Knop_Bal.bmp", 12, 13},
        {"Knop_P.bmp", 12, 13},
        {"Knop_S.bmp", 12, 13},
        {"Knop_2.bmp", 19, 13},
        {"Knop_F1.bmp", 12, 13},
        {"Knop_F2.bmp", 12, 13},
    };
    for (char l = 'A'; l <= 'E'; ++l) {
        all.push_back({std::string("Letter_") + l + ".bmp", 17, 13});
        all.push_back({std::string("Knop_") + l + ".bmp", 12, 13});
    }
    for (int d = 0; d <= 9; ++d) all.push_back({"Digit_" + std::to_string(d) + ".bmp", 7, 13});
    for (const char* board : {"GeleScore_", "RodeScore_", "WitteScore_", "GroeneScore_"})
        for (int level = 0; level <= 9; ++level)
            all.push_back({board + std::to_string(level) + ".bmp", 215, 28});
    for (int n = 1; n <= 25; ++n)
        for (const char* kind : {"-on.gif", "-off.gif", "-on-mid.gif", "-off-mid.gif"})
            all.push_back({Two_Digits(n) + kind, 21, 21});
    return all;
}

TEST(AssetFiles, EveryPictureExistsWithItsSize) {
    for (const Expected_Size& e : Every_Picture()) {
        Picture p;
        std::string error;
        ASSERT_TRUE(Read_Picture(kBin + e.Name, p, error)) << error;
        EXPECT_EQ(p.Width, e.Width) << e.Name;
        EXPECT_EQ(p.Height, e.Height) << e.Name;
    }
}

TEST(AssetFiles, EveryFaceOfTheWindowIsThere) {
    Machine m;
    int faces = 0;
    for (const Control* c : m->All_Controls()) {
        if (c->Face.empty()) continue;
        ++faces;
        Picture p;
        std::string error;
        EXPECT_TRUE(Read_Picture(kBin + c->Face, p, error)) << c->Name << ": " << error;
    }
    EXPECT_GT(faces, 30);
}

// ---------------------------------------------------------- counters and lamps

TEST(CounterPictures, StartSpeedColumnShowsSeventy) {
    const Picture p = Load("Kracht.bmp");
    ASSERT_EQ(p.Pixels.size(), 310u);
    for (int r = 0; r <= 30; ++r)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(p.Rgb(x, r), r >= 15 ? 0xFF0000u : 0x0000FFu) << x << "," << r;
}

int Bright_Pixels(const Picture& p) {
    return static_cast<int>(std::count_if(p.Pixels.begin(), p.Pixels.end(),
                                          [](uint32_t c) { return Brightness(c & 0xFFFFFF) > 60; }));
}

TEST(CounterPictures, DigitsDifferAndLightAsSevenSegments) {
    std::vector<Picture> digits;
    for (int d = 0; d <= 9; ++d) digits.push_back(Load("Digit_" + std::to_string(d) + ".bmp"));
    for (int a = 0; a <= 9; ++a) {
        for (int b = a + 1; b <= 9; ++b) EXPECT_NE(digits[a].Pixels, digits[b].Pixels) << a << " and " << b;
        if (a != 8) {
            EXPECT_LT(Bright_Pixels(digits[a]), Bright_Pixels(digits[8])) << a;
        }
        if (a != 1) {
            EXPECT_GT(Bright_Pixels(digits[a]), Bright_Pixels(digits[1])) << a;
        }
    }
    EXPECT_GT(Bright_Pixels(Load("Plus.bmp")), Bright_Pixels(Load("Min.bmp")));
}

TEST(CounterPictures, ScoreBoardsLightTheirLevelCellOnly) {
    const char* boards[] = {"GeleScore_", "RodeScore_", "WitteScore_", "GroeneScore_"};
    std::vector<std::vector<uint32_t>> unlit;
    for (const char* board : boards) {
        const Picture none = Load(std::string(board) + "0.bmp");
        ASSERT_EQ(none.Width, 215);
        unlit.push_back(none.Pixels);
        for (int level = 0; level <= 9; ++level) {
            const Picture p = Load(board + std::to_string(level) + ".bmp");
            ASSERT_EQ(p.Pixels.size(), none.Pixels.size());
            for (int y = 0; y < 28; ++y)
                for (int v = 1; v <= 8; ++v) EXPECT_EQ(p.Rgb(24 * v - 1, y), 0x00FFFFu) << board << level;
            for (int v = 1; v <= 9; ++v) {
                double lit = 0, dark = 0;
                bool same = true;
                for (int y = 0; y < 28; ++y)
                    for (int x = 24 * (v - 1); x <= 24 * v - 2; ++x) {
                        same &= p.At(x, y) == none.At(x, y);
                        lit += Brightness(p.Rgb(x, y));
                        dark += Brightness(none.Rgb(x, y));
                    }
                EXPECT_EQ(same, v != level) << board << level << " cell " << v;
                if (v == level) {
                    EXPECT_GT(lit, 2 * dark) << board << level;
                }
            }
        }
    }
    for (size_t a = 0; a < unlit.size(); ++a)
        for (size_t b = a + 1; b < unlit.size(); ++b) EXPECT_NE(unlit[a], unlit[b]) << boards[a] << boards[b];
}

// A lamp's body: the pixels within 7 of its centre, where the digits stand.
std::vector<uint32_t> Lamp_Body(const Picture& p) {
    std::vector<uint32_t> body;
    for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x)
            if ((x - 10) * (x - 10) + (y - 10) * (y - 10) <= 49) body.push_back(p.Rgb(x, y));
    return body;
}

// The brightness of the body's own colour (its most common one).
double Body_Brightness(const Picture& p) {
    std::map<uint32_t, int> count;
    for (uint32_t c : Lamp_Body(p)) ++count[c];
    auto most = std::max_element(count.begin(), count.end(),
                                 [](const auto& a, const auto& b) { return a.second < b.second; });
    return Brightness(most->first);
}

// How many body pixels stand out from the body's colour: the digits.
int Digit_Pixels(const Picture& p) {
    const double body = Body_Brightness(p);
    int n = 0;
    for (uint32_t c : Lamp_Body(p)) n += std::abs(Brightness(c) - body) > 100;
    return n;
}

TEST(LampPictures, LitAndUnlitDifferAtAGlanceAndEveryNumberIsItsOwn) {
    const char* kinds[] = {"-on.gif", "-off.gif", "-on-mid.gif", "-off-mid.gif"};
    std::vector<std::vector<uint32_t>> by_kind[4];
    for (int n = 1; n <= 25; ++n) {
        Picture p[4];
        for (int k = 0; k < 4; ++k) {
            p[k] = Load(Two_Digits(n) + kinds[k]);
            by_kind[k].push_back(p[k].Pixels);
        }
        EXPECT_GT(Body_Brightness(p[0]), Body_Brightness(p[1]) + 120) << n;
        EXPECT_GT(Body_Brightness(p[2]), Body_Brightness(p[3]) + 120) << n;
        for (int k = 0; k < 4; ++k) EXPECT_GE(Digit_Pixels(p[k]), 20) << n << kinds[k];
        EXPECT_NE(p[0].Pixels, p[2].Pixels) << n << ": the mid lamp is not marked";
        EXPECT_NE(p[1].Pixels, p[3].Pixels) << n << ": the mid lamp is not marked";
    }
    for (int k = 0; k < 4; ++k)
        for (int a = 0; a < 25; ++a)
            for (int b = a + 1; b < 25; ++b)
                EXPECT_NE(by_kind[k][a], by_kind[k][b]) << kinds[k] << a + 1 << b + 1;
}

TEST(IndicatorPictures, BallAndTipAreSeeThroughWhereTheyShouldBe) {
    const Picture ball = Load("Bal.gif");
    const Picture tip = Load("Tip.gif");
    for (const Picture* p : {&ball, &tip})
        for (int x : {0, 14})
            for (int y : {0, 14}) EXPECT_TRUE(p->Clear(x, y));
    EXPECT_FALSE(ball.Clear(7, 7));
    EXPECT_TRUE(tip.Clear(7, 7)) << "the hole under the marker must show";
    EXPECT_FALSE(tip.Clear(7, 1));
}

// -------------------------------------------------------------- the generator

int Run_Generator(const std::string& arguments) {
    const int status =
        std::system((std::string("\"") + PLONK_ASSETS + "\" " + arguments + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::map<std::string, std::vector<unsigned char>> Files_In(const std::string& folder) {
    std::map<std::string, std::vector<unsigned char>> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(folder).string()] = Read_Bytes(entry.path().string());
    return files;
}

TEST(Generator, WritesTheSameBytesEveryTime) {
    Temp_Folder first, second;
    ASSERT_EQ(Run_Generator("\"" + first.Path() + "\""), 0);
    ASSERT_EQ(Run_Generator("\"" + second.Path() + "\""), 0);
    const auto a = Files_In(first.Path()), b = Files_In(second.Path());
    EXPECT_GE(a.size(), Every_Picture().size());
    EXPECT_TRUE(a == b);
    for (const Expected_Size& e : Every_Picture())
        EXPECT_EQ(a.at(e.Name), Read_Bytes(kBin + e.Name)) << e.Name;
}

TEST(Generator, ReportsAFolderItCannotWrite) {
    Temp_Folder folder;
    std::ofstream(folder.File("plain-file")) << "x";
    EXPECT_EQ(Run_Generator("\"" + folder.File("plain-file") + "/assets\""), 1);
    EXPECT_EQ(Run_Generator(""), 2);
}

}  // namespace
}  // namespace plonk::test
