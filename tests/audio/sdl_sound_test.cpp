// The audio back end as a listener hears it: SDL's disk driver records everything the
// device plays, and the recording is taken apart into the sounds that were asked for.
#include "window/sdl_sound.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/sound_table.h"

namespace plonk {
namespace {

namespace fs = std::filesystem;

constexpr int Ballhit = 1, Fall = 4, Return = 7, Scores = 9, Shoot = 10;

std::string Bin(const char* file) { return std::string(PLONK_BIN_DIR "/") + file; }

// The samples of a generated mono wave file, read through SDL itself.
std::vector<double> Wave_Samples(const char* file) {
    SDL_AudioSpec format{};
    Uint8* buf = nullptr;
    Uint32 len = 0;
    std::vector<double> out;
    if (!SDL_LoadWAV(Bin(file).c_str(), &format, &buf, &len)) return out;
    if (format.format == AUDIO_S16SYS && format.channels == 1) {
        const auto* s = reinterpret_cast<const int16_t*>(buf);
        out.assign(s, s + len / 2);
    }
    SDL_FreeWAV(buf);
    return out;
}

// One sound found in the recording.
struct Found {
    long at;      // first frame
    double gain;  // 1 when heard at full level
};

// Matching pursuit: finds `count` copies of `ref` starting in frames [lo, hi) of
// `rec`, one after the other, and subtracts each from the recording as it is found.
// A copy is located where the recording looks most like its first 50 ms, and how
// loud it is there is then measured over its whole length.
std::vector<Found> Take_Out(std::vector<double>& rec, const std::vector<double>& ref, int count, long lo,
                            long hi) {
    const long n = static_cast<long>(ref.size());
    const long probe = std::min(n, 2205L);
    lo = std::max(0L, lo);
    hi = std::min(hi, static_cast<long>(rec.size()) - n);
    // How much of `ref` lies at `at`, over its first `len` frames.
    auto gain = [&](long at, long len) {
        const double* r = rec.data() + at;
        double s = 0, e = 0;
        for (long i = 0; i < len; ++i) {
            s += r[i] * ref[static_cast<size_t>(i)];
            e += ref[static_cast<size_t>(i)] * ref[static_cast<size_t>(i)];
        }
        return s / e;
    };
    // How alike the recording at `at` and the probe are, from -1 to 1.
    auto likeness = [&](long at) {
        const double* r = rec.data() + at;
        double s = 0, e = 0, p = 0;
        for (long i = 0; i < probe; ++i) {
            s += r[i] * ref[static_cast<size_t>(i)];
            e += ref[static_cast<size_t>(i)] * ref[static_cast<size_t>(i)];
            p += r[i] * r[i];
        }
        return p > 0 ? s / std::sqrt(e * p) : 0.0;
    };
    std::vector<double> corr(static_cast<size_t>(std::max(0L, hi - lo)));
    for (long at = lo; at < hi; ++at) corr[static_cast<size_t>(at - lo)] = likeness(at);
    std::vector<Found> found;
    for (int k = 0; k < count && hi > lo; ++k) {
        const long best = lo + (std::max_element(corr.begin(), corr.end()) - corr.begin());
        found.push_back({best, gain(best, n)});
        for (long i = 0; i < n; ++i) rec[static_cast<size_t>(best + i)] -= ref[static_cast<size_t>(i)];
        for (long at = std::max(lo, best - probe + 1); at < std::min(hi, best + n); ++at)
            corr[static_cast<size_t>(at - lo)] = likeness(at);
    }
    return found;
}

double Peak(const std::vector<double>& s, long from, long to) {
    double top = 0;
    for (long i = std::max(0L, from); i < std::min(to, static_cast<long>(s.size())); ++i)
        top = std::max(top, std::fabs(s[static_cast<size_t>(i)]));
    return top;
}

// Writes a wave file of `ms` milliseconds of a sine wave at half level, at `rate`
// frames a second, in 8 (unsigned) or 16-bit samples, on one or two channels.
void Write_Wave(const std::string& path, uint32_t rate, uint32_t bits, uint32_t channels, int ms) {
    std::string data;
    for (uint32_t f = 0; f < rate * static_cast<uint32_t>(ms) / 1000; ++f) {
        const auto s = static_cast<uint16_t>(std::lround(16383 * std::sin(2 * M_PI * 200 * f / rate)));
        for (uint32_t c = 0; c < channels; ++c)
            data += bits == 8 ? std::string(1, static_cast<char>((s >> 8) ^ 0x80))
                              : std::string{char(s), char(s >> 8)};
    }
    const uint32_t block = channels * bits / 8, size = static_cast<uint32_t>(data.size());
    std::ofstream out(path, std::ios::binary);
    // The host is little-endian, as a wave file.
    auto put = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    out << "RIFF";
    put(36 + size);
    out << "WAVEfmt ";
    for (uint32_t v : {16u, 1u | channels << 16, rate, rate * block, block | bits << 16}) put(v);
    out << "data";
    put(size);
    out << data;
}

class Listener : public ::testing::Test {
protected:
    void SetUp() override {
        recording_ =
            (fs::temp_directory_path() / ("plonk-audio-" + std::to_string(::getpid()) + ".raw")).string();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", recording_.c_str(), 1);
    }
    void TearDown() override {
        sound_.Close();
        std::error_code ec;
        fs::remove(recording_, ec);
    }

    // The frames the device has written so far, and so where the next buffer it writes
    // will lie in the recording. What is still in the file's buffer is not counted
    // yet, so a sound asked for now starts there or after.
    long Next_Frame() const {
        std::error_code ec;
        const auto bytes = fs::file_size(recording_, ec);
        return ec ? 0 : static_cast<long>(bytes / 4);
    }

    // The left channel of the recording; the right one must be the same.
    std::vector<double> Recording() const {
        std::ifstream in(recording_, std::ios::binary);
        std::vector<double> left;
        size_t differ = 0;
        int16_t frame[2];
        while (in.read(reinterpret_cast<char*>(frame), sizeof frame)) {
            left.push_back(frame[0]);
            differ += frame[0] != frame[1];
        }
        EXPECT_EQ(differ, 0u);
        return left;
    }

    // A resting device writes nothing.
    bool Silent_For(std::chrono::milliseconds spell) const {
        const long before = Next_Frame();
        std::this_thread::sleep_for(spell);
        return Next_Frame() == before;
    }

    // Waits until the device has written `ms` milliseconds more, so that the requests
    // keep their places in the recording however busy the machine is. False when the
    // device stops.
    bool Play_On(int ms) const {
        const long until = Next_Frame() + static_cast<long>(ms) * Sdl_Sound::Rate / 1000;
        long seen = Next_Frame();
        auto progress = std::chrono::steady_clock::now();
        while (Next_Frame() < until) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (Next_Frame() != seen) {
                seen = Next_Frame();
                progress = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - progress > std::chrono::seconds(10)) {
                return false;
            }
        }
        return true;
    }

    std::string recording_;
    Sdl_Sound sound_{std::chrono::hours(1), std::chrono::hours(1)};  // rests only in the test of resting
};

TEST_F(Listener, LoadsInOrderAndRefusesWhatItCannotPlay) {
    ASSERT_TRUE(sound_.Open());
    EXPECT_TRUE(sound_.Open());  // a second open changes nothing
    for (int n = 0; n < Sound_Count; ++n) EXPECT_EQ(sound_.Load(Bin(Sound_Files[static_cast<size_t>(n)])), n);
    EXPECT_EQ(sound_.Load(Bin("No_Such_Sound.wav")), -1);
    EXPECT_EQ(sound_.Load(Bin("Plonk.ini.does-not-exist")), -1);
    const std::string not_a_wave = recording_ + ".wav";
    std::ofstream(not_a_wave) << "RIFF, but not a wave";
    EXPECT_EQ(sound_.Load(not_a_wave), -1);
    fs::remove(not_a_wave);
    // Unknown handles play nothing and do no harm.
    for (int32_t h : {-1, 12, 1000}) sound_.Play(h);
    sound_.Close();
    EXPECT_FALSE(sound_.Ready());
    EXPECT_EQ(sound_.Load(Bin("Shoot.wav")), -1);
    sound_.Play(0);
}

TEST_F(Listener, WithoutADeviceThereIsNoSound) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(sound_.Open());
    EXPECT_FALSE(sound_.Ready());
    EXPECT_EQ(sound_.Load(Bin("Shoot.wav")), -1);
    sound_.Play(0);
    // The device may come back later: a new open finds it.
    setenv("SDL_AUDIODRIVER", "disk", 1);
    EXPECT_TRUE(sound_.Open());
    EXPECT_EQ(sound_.Load(Bin("Shoot.wav")), 0);
}

TEST_F(Listener, WaveFilesOfOtherFormatsAreHeardAtTheirOwnLength) {
    struct Format {
        uint32_t rate, bits, channels;
    };
    const Format formats[] = {{22050, 8, 1}, {11025, 16, 1}, {48000, 16, 2}, {44100, 16, 2}, {44100, 16, 1}};
    ASSERT_TRUE(sound_.Open());
    std::vector<std::string> files;
    for (const Format& f : formats) {
        files.push_back(recording_ + "." + std::to_string(files.size()) + ".wav");
        Write_Wave(files.back(), f.rate, f.bits, f.channels, 100);
        ASSERT_EQ(sound_.Load(files.back()), static_cast<int32_t>(files.size() - 1));
    }
    // One after the other, 300 ms apart.
    std::vector<long> asked;
    for (size_t n = 0; n < files.size(); ++n) {
        asked.push_back(Next_Frame());
        sound_.Play(static_cast<int32_t>(n));
        ASSERT_TRUE(Play_On(300));
    }
    sound_.Close();
    for (const std::string& file : files) fs::remove(file);
    const std::vector<double> rec = Recording();
    for (size_t n = 0; n < asked.size(); ++n) {
        // The first and last frame heard after the request: 100 ms at the mixer's rate,
        // at half level, whatever the file's format.
        long first = -1, last = -1;
        for (long i = asked[n]; i < std::min(asked[n] + 12000, static_cast<long>(rec.size())); ++i) {
            if (std::fabs(rec[static_cast<size_t>(i)]) < 8000) continue;
            if (first < 0) first = i;
            last = i;
        }
        ASSERT_GE(first, 0) << "format " << n << " is not heard";
        EXPECT_NEAR(last - first, Sdl_Sound::Rate / 10, 100) << "format " << n;
        EXPECT_NEAR(Peak(rec, first, last), 16384, 500) << "format " << n;
    }
}

TEST_F(Listener, SoundsKeepTheSpacingTheyWereAskedWith) {
    ASSERT_TRUE(sound_.Open());
    for (int n = 0; n < Sound_Count; ++n) ASSERT_EQ(sound_.Load(Bin(Sound_Files[static_cast<size_t>(n)])), n);
    // Pairs of ticks asked for 10 ms apart, wherever they fall in the device's periods.
    constexpr int Pairs = 7;
    std::vector<double> asked_ms;
    const long from = Next_Frame();
    for (int k = 0; k < Pairs; ++k) {
        const auto first = std::chrono::steady_clock::now();
        sound_.Play(Scores);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const auto second = std::chrono::steady_clock::now();
        sound_.Play(Scores);
        asked_ms.push_back(std::chrono::duration<double, std::milli>(second - first).count());
        ASSERT_TRUE(Play_On(150 + 17 * k));
    }
    sound_.Close();
    std::vector<double> rec = Recording();
    auto found = Take_Out(rec, Wave_Samples("Scores.wav"), 2 * Pairs, from, static_cast<long>(rec.size()));
    ASSERT_EQ(found.size(), 2u * Pairs);
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.at < b.at; });
    // How far each pair's spacing is from the one asked for; a busy machine may
    // disturb a pair or two, not most of them.
    std::vector<double> error_ms;
    for (int k = 0; k < Pairs; ++k) {
        const long gap = found[2 * k + 1].at - found[2 * k].at;
        error_ms.push_back(std::fabs(gap * 1000.0 / Sdl_Sound::Rate - asked_ms[static_cast<size_t>(k)]));
    }
    std::nth_element(error_ms.begin(), error_ms.begin() + Pairs / 2, error_ms.end());
    EXPECT_LT(error_ms[Pairs / 2], 4.0);
}

TEST_F(Listener, RestsWhenQuietAndTheNextSoundIsHeardInFull) {
    Sdl_Sound sound(std::chrono::milliseconds(100));
    auto rests = [&] {
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!sound.Resting() && std::chrono::steady_clock::now() < give_up)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return sound.Resting() && Silent_For(std::chrono::milliseconds(100));
    };
    ASSERT_TRUE(sound.Open());
    ASSERT_EQ(sound.Load(Bin("Shoot.wav")), 0);
    // 1. Quiet after opening, the device closes; a file loaded then leaves it at rest.
    ASSERT_TRUE(rests());
    EXPECT_EQ(sound.Load(Bin("Scores.wav")), 1);
    EXPECT_TRUE(sound.Resting());
    // 2. A sound opens it at once, is heard in full from the new recording's start,
    //    and the device rests again only after it.
    sound.Play(0);
    EXPECT_FALSE(sound.Resting());
    EXPECT_TRUE(Play_On(1));  // the device writes on
    ASSERT_TRUE(rests());
    std::vector<double> rec = Recording();
    const auto wave = Wave_Samples("Shoot.wav");
    ASSERT_GT(rec.size(), wave.size());
    const auto found = Take_Out(rec, wave, 1, 0, 8192);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_GT(found[0].gain, 0.85);
    EXPECT_LT(Peak(rec, 0, static_cast<long>(rec.size())),
              0.01 * Peak(wave, 0, static_cast<long>(wave.size())));
}

TEST_F(Listener, ShotFallAndOverlappingCountUpAreAllHeard) {
    ASSERT_TRUE(sound_.Open());
    for (int n = 0; n < Sound_Count; ++n) ASSERT_EQ(sound_.Load(Bin(Sound_Files[static_cast<size_t>(n)])), n);

    // The schedule below is counted in what the device has written.
    auto Wait_Ms = [&](int ms) { ASSERT_TRUE(Play_On(ms)) << "the device stopped"; };

    // 1. A quiet lead-in, the shot, the fall, then a count-up of 20 steps whose
    //    ticks follow each other faster than one tick lasts.
    Wait_Ms(150);
    const long shot = Next_Frame();
    sound_.Play(Shoot);
    Wait_Ms(400);
    const long fall = Next_Frame();
    sound_.Play(Fall);
    Wait_Ms(350);
    std::vector<long> ticks;
    for (int k = 0; k < 20; ++k) {
        ticks.push_back(Next_Frame());
        sound_.Play(Scores);
        // The same sound asked for again within the repeat gap counts as one request,
        // so the next tick also waits that long on the clock.
        const auto asked = std::chrono::steady_clock::now();
        Wait_Ms(12);
        std::this_thread::sleep_until(asked + Sdl_Sound::Repeat_Gap);
    }
    // 2. The same tick asked for five times in a moment: one tick, not a louder one.
    Wait_Ms(300);
    const long burst = Next_Frame();
    for (int k = 0; k < 5; ++k) sound_.Play(Scores);
    // 3. Two different sounds asked for at the same moment: a knock as the roll starts.
    Wait_Ms(300);
    const long pair = Next_Frame();
    sound_.Play(Return);
    sound_.Play(Ballhit);
    Wait_Ms(650);
    sound_.Close();

    std::vector<double> rec = Recording();
    const double loudness = Peak(rec, 0, static_cast<long>(rec.size()));
    ASSERT_GT(rec.size(), static_cast<size_t>(Sdl_Sound::Rate));
    ASSERT_GT(loudness, 1000.0) << "the recording is silent";
    // Nothing is heard before the first request.
    EXPECT_LT(Peak(rec, 0, shot), 2.0);

    // 4. Every request is found in full, no earlier than it was made and soon after.
    const long late = 8192;  // file buffering plus two mixing periods, with room to spare
    auto expect_heard = [&](const std::vector<Found>& found, const std::vector<long>& asked,
                            const char* what) {
        ASSERT_EQ(found.size(), asked.size()) << what;
        std::vector<long> at;
        for (const Found& f : found) {
            EXPECT_GT(f.gain, 0.85) << what << " at frame " << f.at;
            at.push_back(f.at);
        }
        std::sort(at.begin(), at.end());
        for (size_t k = 0; k < at.size(); ++k) {
            EXPECT_GE(at[k], asked[k]) << what << " " << k;
            EXPECT_LT(at[k], asked[k] + late) << what << " " << k;
        }
    };
    const auto shoot_wave = Wave_Samples("Shoot.wav");
    const auto fall_wave = Wave_Samples("Fall.wav");
    const auto tick_wave = Wave_Samples("Scores.wav");
    const auto hit_wave = Wave_Samples("Ballhit.wav");
    const auto roll_wave = Wave_Samples("Return.wav");
    expect_heard(Take_Out(rec, shoot_wave, 1, shot, shot + late), {shot}, "shot");
    expect_heard(Take_Out(rec, fall_wave, 1, fall, fall + late), {fall}, "fall");
    expect_heard(Take_Out(rec, tick_wave, 20, ticks.front(), ticks.back() + late), ticks, "tick");
    expect_heard(Take_Out(rec, tick_wave, 1, burst, burst + late), {burst}, "burst");
    expect_heard(Take_Out(rec, hit_wave, 1, pair, pair + late), {pair}, "knock with roll");
    expect_heard(Take_Out(rec, roll_wave, 1, pair, pair + late), {pair}, "roll with knock");

    // 5. With every requested sound taken out, what is left is silence: nothing was
    //    cut short, dropped or added.
    EXPECT_LT(Peak(rec, 0, static_cast<long>(rec.size())), 0.01 * loudness);
}

}  // namespace
}  // namespace plonk
