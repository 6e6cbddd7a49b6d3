// Show Odds on the X display: the unlit holes shaded by their chances at the start
// speed now, the shading following the start speed at once, and the best start
// speed's mark following the holes taken.
#include <gtest/gtest.h>

#include <QTest>
#include <array>

#include "tools/window_driver/flight_watch.h"
#include "window/odds_overlay.h"
#include "xvfb_window/screen_shot.h"

namespace plonk::test {
namespace {

constexpr int kHole = 15;  // the shaded box of a hole, as the tips' markers stand over it

// A point of the game screen (its pixel coordinates) on the display.
QPoint On_Screen(Main_Window& w, int x, int y) {
    return w.Screen()->mapToGlobal(QPoint(Screen_Widget::kBorder + x, Screen_Widget::kBorder + y));
}

QRgb Hole_Pixel(const QImage& shot, Main_Window& w, const Hoofdvenster& m, int hole) {
    return shot.pixel(On_Screen(w, m.Hole_X(hole) + kHole / 2, m.Hole_Y(hole) + kHole / 2)) & 0xFFFFFF;
}

// The row of the start-speed indicator the best speed's mark stands at, as painted.
int Mark_Y(const Hoofdvenster& m, int best) {
    return m.Pic_Kracht.Top + 30 - (best - App_Part::Start_Speed_Min) / 2;
}

bool Marked(const QImage& shot, Main_Window& w, const Hoofdvenster& m, int best) {
    return (shot.pixel(On_Screen(w, m.Pic_Kracht.Left - 2, Mark_Y(m, best))) & 0xFFFFFF) == 0xFFFF00;
}

QImage Shown(Watched_Game& g, const std::string& name) {
    g.W->Refresh();
    g.W->Screen()->repaint();
    return Grab_Display(name);
}

TEST(WindowOdds, HolesAreShadedByTheirChanceFollowTheSpeedAndTheMarkFollowsTheHoles) {
    Watched_Game g;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g.W.get()));
    g.New_Game();
    Hoofdvenster& m = g.M();
    Odds_Overlay& odds = g.W->Screen()->Odds();
    const QImage plain = Shown(g, "odds_off.png");
    EXPECT_FALSE(odds.Table_Tried()) << "the odds are off, yet painting read the table of every flight";
    odds.Set_On(true);
    const QImage shaded = Shown(g, "odds_on.png");
    ASSERT_FALSE(plain.isNull());
    ASSERT_FALSE(shaded.isNull());

    // 1. A hole is shaded exactly when the next ball can land in it at this speed.
    const Next_Ball* n = odds.Advice(m);
    ASSERT_NE(n, nullptr);
    const int speed = m.Start_Speed;
    int seen = 0;
    for (int hole = 1; hole <= 25; ++hole) {
        SCOPED_TRACE(hole);
        const double chance = n->At(speed).Hole[hole] / double{Shots_Per_Speed};
        const bool differs = Hole_Pixel(shaded, *g.W, m, hole) != Hole_Pixel(plain, *g.W, m, hole);
        EXPECT_EQ(differs, Odds_Overlay::Alpha_Of(chance) > 0) << chance;
        seen += differs;
    }
    EXPECT_GT(seen, 0);
    EXPECT_TRUE(Marked(shaded, *g.W, m, n->Best_Speed));

    // 2. "+" raises the start speed and the shading follows at once: a hole's look
    //    changes exactly where its shade does.
    std::array<int, 26> alpha_before{};
    for (int hole = 1; hole <= 25; ++hole)
        alpha_before[hole] = Odds_Overlay::Alpha_Of(n->At(speed).Hole[hole] / double{Shots_Per_Speed});
    QTest::keyClick(g.W->focusWidget() ? g.W->focusWidget() : g.W.get(), '+');
    ASSERT_NE(m.Start_Speed, speed);
    // Only what the key's event asked to be painted is painted.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const QImage faster = Grab_Display("odds_faster.png");
    n = odds.Advice(m);
    int changed = 0;
    for (int hole = 1; hole <= 25; ++hole) {
        SCOPED_TRACE(hole);
        const int alpha = Odds_Overlay::Alpha_Of(n->At(m.Start_Speed).Hole[hole] / double{Shots_Per_Speed});
        const bool differs = Hole_Pixel(faster, *g.W, m, hole) != Hole_Pixel(shaded, *g.W, m, hole);
        EXPECT_EQ(differs, alpha != alpha_before[hole]);
        changed += differs;
    }
    EXPECT_GT(changed, 0) << "a step of the start speed moved no hole's chance";

    // 3. Holes taken move the best speed, and its mark with it.
    const int best_before = n->Best_Speed;
    int best_after = best_before;
    for (int hole = 1; hole <= 25 && Mark_Y(m, best_after) == Mark_Y(m, best_before); ++hole) {
        m.Hole_State(hole) = 1;
        best_after = odds.Advice(m)->Best_Speed;
    }
    ASSERT_NE(Mark_Y(m, best_after), Mark_Y(m, best_before)) << "no taken holes moved the best speed";
    const QImage moved = Shown(g, "odds_mark_moved.png");
    EXPECT_TRUE(Marked(moved, *g.W, m, best_after));
    EXPECT_FALSE(Marked(moved, *g.W, m, best_before));
}

}  // namespace
}  // namespace plonk::test
