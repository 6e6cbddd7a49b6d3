// The generated wave files: their format, length, level and character, and that
// they come out the same every time.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "app/sound_table.h"
#include "asset_generator/assets.h"
#include "asset_generator/sounds.h"
#include "support/machine.h"

namespace plonk::test {
namespace {

using assets::Sample_Rate;

struct Pcm {
    SF_INFO info{};
    std::vector<int16_t> samples;
};

// Reads a wave file; fails the test when it is not mono 16-bit PCM.
Pcm Read(const std::string& path) {
    Pcm p;
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &p.info);
    EXPECT_NE(f, nullptr) << path << ": " << sf_strerror(nullptr);
    if (!f) return p;
    EXPECT_EQ(p.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16) << path;
    EXPECT_EQ(p.info.channels, 1) << path;
    EXPECT_EQ(p.info.samplerate, Sample_Rate) << path;
    p.samples.resize(static_cast<size_t>(p.info.frames));
    EXPECT_EQ(sf_readf_short(f, p.samples.data(), p.info.frames), p.info.frames);
    sf_close(f);
    return p;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

double Peak(const std::vector<int16_t>& s, size_t from = 0, size_t to = SIZE_MAX) {
    int top = 0;
    for (size_t i = from; i < std::min(to, s.size()); ++i) top = std::max(top, std::abs(int{s[i]}));
    return top / 32768.0;
}

// Sign changes per second over [from, to): a rough measure of pitch.
double Crossings(const std::vector<int16_t>& s, double from, double to) {
    const size_t a = static_cast<size_t>(from * Sample_Rate), b = static_cast<size_t>(to * Sample_Rate);
    int n = 0;
    for (size_t i = a + 1; i < std::min(b, s.size()); ++i) n += (s[i - 1] < 0) != (s[i] < 0);
    return n / (to - from);
}

std::string Bin(const char* file) { return std::string(PLONK_BIN_DIR "/") + file; }

TEST(SoundFiles, EachIsAShortCleanMonoPcmWave) {
    // Longest allowed length (s) and allowed peak range of every sound.
    struct Limit {
        double longest, low_peak, high_peak;
    };
    const Limit limits[Sound_Count] = {
        {0.5, 0.4, 0.9}, {0.08, 0.4, 0.9}, {0.8, 0.4, 0.9}, {0.04, 0.3, 0.9},
        {0.4, 0.4, 0.9}, {0.5, 0.4, 0.9},  {0.4, 0.3, 0.9}, {0.8, 0.3, 0.9},
        {0.3, 0.4, 0.9}, {0.05, 0.2, 0.5}, {0.5, 0.4, 0.9}, {1.0, 0.4, 0.9},
    };
    for (int n = 0; n < Sound_Count; ++n) {
        const char* file = Sound_Files[static_cast<size_t>(n)];
        SCOPED_TRACE(file);
        const Pcm p = Read(Bin(file));
        ASSERT_GT(p.samples.size(), 100u);
        const double seconds = static_cast<double>(p.samples.size()) / Sample_Rate;
        EXPECT_LE(seconds, limits[n].longest);
        const double peak = Peak(p.samples);
        EXPECT_GE(peak, limits[n].low_peak);
        EXPECT_LE(peak, limits[n].high_peak);
        // It starts from silence and fades out to it: no click at either end.
        EXPECT_EQ(p.samples.front(), 0);
        EXPECT_LT(std::abs(p.samples.back()), 100);
    }
}

TEST(SoundFiles, CountUpTickStaysWellUnderSixtyMilliseconds) {
    const Pcm p = Read(Bin("Scores.wav"));
    EXPECT_LT(static_cast<double>(p.samples.size()) / Sample_Rate, 0.04);
    // Most of it is over within 15 ms, so ticks repeated fast do not smear.
    EXPECT_LT(Peak(p.samples, static_cast<size_t>(0.015 * Sample_Rate)), 0.1 * Peak(p.samples));
}

TEST(SoundFiles, SoundsHaveTheirCharacter) {
    // Rising sounds: the pitch at the end is clearly above the pitch at the start.
    for (auto [file, head, tail] :
         {std::tuple{"Bonus.wav", 0.0, 0.24}, std::tuple{"Xtraball.wav", 0.0, 0.27}}) {
        SCOPED_TRACE(file);
        const Pcm p = Read(Bin(file));
        EXPECT_GT(Crossings(p.samples, tail, tail + 0.08), 1.4 * Crossings(p.samples, head, head + 0.08));
    }
    // Low, heavy sounds against light, high ones.
    const double thump = std::max({Crossings(Read(Bin("Fall.wav")).samples, 0, 0.05),
                                   Crossings(Read(Bin("Return.wav")).samples, 0.1, 0.3),
                                   Crossings(Read(Bin("Shoot.wav")).samples, 0.02, 0.1)});
    const double knock = std::min({Crossings(Read(Bin("Ballhit.wav")).samples, 0, 0.02),
                                   Crossings(Read(Bin("Scores.wav")).samples, 0, 0.01),
                                   Crossings(Read(Bin("Rollover.wav")).samples, 0, 0.04)});
    EXPECT_GT(knock, 2 * thump);
}

TEST(SoundFiles, GeneratorWritesTheSameBytesEveryTime) {
    Temp_Folder a, b;
    ASSERT_TRUE(assets::Write_Sounds(a.Path()));
    ASSERT_TRUE(assets::Write_Sounds(b.Path()));
    for (const char* file : Sound_Files) {
        SCOPED_TRACE(file);
        const std::string first = Bytes(a.File(file));
        ASSERT_GT(first.size(), 44u);
        EXPECT_EQ(first, Bytes(b.File(file)));
        EXPECT_EQ(first, Bytes(Bin(file)));
    }
}

TEST(SoundFiles, WritingIntoAMissingFolderFails) {
    Temp_Folder t;
    EXPECT_FALSE(assets::Write_Sounds(t.File("no/such/folder")));
}

TEST(Synth, SineAndExponentialMatchTheLibrary) {
    for (double t = -3.0; t <= 3.0; t += 0.0137)
        EXPECT_NEAR(assets::Sine_Turns(t), std::sin(2 * M_PI * t), 1e-9) << t;
    for (double x : {-700.0, -50.0, -1.0, -1e-5, 0.0, 1e-5, 0.5, 1.0, 10.0, 300.0})
        EXPECT_NEAR(assets::Exp(x) / std::exp(x), 1.0, 1e-13) << x;
    EXPECT_EQ(assets::Exp(-1000.0), 0.0);
}

TEST(Synth, PcmConversionRoundsAndClamps) {
    const std::vector<int16_t> pcm = assets::To_Pcm16({0.0, 0.5, -0.5, 1.0, -1.0, 1.5, -1.5, 1e-5});
    EXPECT_EQ(pcm, (std::vector<int16_t>{0, 16384, -16383, 32767, -32767, 32767, -32768, 0}));
}

}  // namespace
}  // namespace plonk::test
