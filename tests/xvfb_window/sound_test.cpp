// Sounds in the real window are heard while the machine works: the shot and the
// rebounds of a ball are in the recording while that ball is still in flight and
// the event thread is blocked inside it.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "offscreen/flight_watch.h"

namespace plonk::test {
namespace {

// The loudest sample recorded so far (16-bit samples as the device was opened).
int Peak_So_Far(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int peak = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const int16_t s =
            static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8));
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    return peak;
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
        int before_shot = -1, mid_flight = -1;
        long steps_then = 0;
        g.W->At_Step[1] = [&] { before_shot = Peak_So_Far(recording); };
        g.W->At_Step[1200] = [&] {
            mid_flight = Peak_So_Far(recording);
            steps_then = g.W->Steps;
        };
        g.M().Rng.Fix_Seed(3);
        g.Shoot();
        ASSERT_EQ(steps_then, 1200) << "the flight lasted long enough to listen in";
        EXPECT_GT(g.W->Steps, 1200);
        // The shot (sound 10) was asked for at the first step; about half a second
        // later, with the ball still flying, it has been played.
        EXPECT_GT(mid_flight, 8000) << "peak before the shot: " << before_shot;
        EXPECT_LT(before_shot, mid_flight);
    }
    ::unsetenv("SDL_AUDIODRIVER");
    ::unsetenv("SDL_DISKAUDIOFILE");
}

}  // namespace
}  // namespace plonk::test
