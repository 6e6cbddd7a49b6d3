// Sounds in the real window are heard while the machine works: the shot and the
// rebounds of a ball are in the recording while that ball is still in flight and
// the event thread is blocked inside it.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "tools/window_driver/flight_watch.h"

namespace plonk::test {
namespace {

// The recording so far (16-bit samples as the device was opened), and the loudest
// sample of it from byte `from` on.
std::vector<char> Recorded(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Peak_From(const std::vector<char>& bytes, size_t from) {
    int peak = 0;
    for (size_t i = from & ~size_t{1}; i + 1 < bytes.size(); i += 2) {
        const int16_t s =
            static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8));
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    return peak;
}

// The sounds asked for so far have been played out: the recording has gone quiet
// for its last 4096 bytes.
bool Gone_Quiet(const std::string& path) {
    const std::vector<char> bytes = Recorded(path);
    return bytes.size() > 8192 && Peak_From(bytes, bytes.size() - 4096) < 100;
}

TEST(WindowSound, TheShotIsHeardWhileTheBallIsStillInFlight) {
    QTemporaryDir dir;
    const std::string recording = dir.path().toStdString() + "/heard.raw";
    // SDL's disk driver plays in real time into a file: what is in the file has been
    // played.
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", recording.c_str(), 1);
    {
        Watched_Game g("[Speed]\nValue=50\n[Speed_Offset]\nValue=1\n");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(g.W.get()));
        ASSERT_TRUE(g.M().Option1.Enabled) << "the disk driver counts as sound output";
        g.New_Game();
        // The sounds of inserting and investing are heard out before the shot.
        ASSERT_TRUE(QTest::qWaitFor([&] { return Gone_Quiet(recording); }, 10000));
        const std::vector<char> before = Recorded(recording);
        const size_t shot_from = before.size();
        const int before_shot = Peak_From(before, shot_from - 4096);
        int mid_flight = -1;
        long steps_then = 0;
        g.W->At_Step[1200] = [&] {
            mid_flight = Peak_From(Recorded(recording), shot_from);
            steps_then = g.W->Steps;
        };
        g.M().Rng.Fix_Seed(3);
        g.Shoot();
        ASSERT_EQ(steps_then, 1200) << "the flight lasted long enough to listen in";
        EXPECT_GT(g.W->Steps, 1200);
        // The shot (sound 10) is asked for as the flight starts; 1200 steps (about
        // half a second) later, with the ball still flying, it has been played.
        EXPECT_GT(mid_flight, 8000) << "peak before the shot: " << before_shot;
        EXPECT_LT(before_shot, mid_flight);
    }
    ::unsetenv("SDL_AUDIODRIVER");
    ::unsetenv("SDL_DISKAUDIOFILE");
}

}  // namespace
}  // namespace plonk::test
