// Presses made while a ball flies, by the real keyboard and mouse of an X display:
// they are dropped, not kept and fired once the ball has landed, so one press (or
// one held key, or a double click) flies one ball.
#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>

#include "tools/window_driver/flight_watch.h"

namespace plonk::test {
namespace {

// Runs xdotool with these arguments; true when it did what it was asked.
bool Xdotool(const std::string& args) { return std::system(("xdotool " + args).c_str()) == 0; }

// Counts the flights (each ends in a hole or the drain) and the presses of a key.
struct Haste_Game : Watched_Game {
    int Flights = 0;
    int Presses = 0;

    Haste_Game() : Watched_Game("[Speed]\nValue=50\n[Speed_Offset]\nValue=1\n") {
        W->Listen([this](const Game_Event& e) {
            Flights += e.Kind == Game_Event_Kind::Ball_Landed || e.Kind == Game_Event_Kind::Ball_Drained;
        });
        W->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(W.get()));
        New_Game();
        W->Reset_Watch();
        events_.clear();
        W->Watch_Runs([this](const std::string& event, bool done) {
            if (!done) events_.push_back(event);
        });
    }
    // The events run so far, for a message.
    std::string Events() const {
        std::string all;
        for (const std::string& e : events_) all += " " + e;
        return all;
    }
    int Count(const std::string& event) const {
        return static_cast<int>(std::count(events_.begin(), events_.end(), event));
    }
    // Everything typed before this has been handled once "+" typed now is.
    bool Settled() {
        const int before = Count("Form_KeyPress(43)");
        if (!Xdotool("key plus")) return false;
        return QTest::qWaitFor([&] { return Count("Form_KeyPress(43)") > before; }, 30000);
    }

private:
    std::vector<std::string> events_;
};

TEST(WindowHaste, ThreeOPressesWithinOneFlightFlyOneBall) {
    Haste_Game g;
    // The second and the third press come while the ball flies, from inside its steps.
    for (const long step : {200L, 600L}) g.W->At_Step[step] = [] { Xdotool("key o"); };
    ASSERT_TRUE(Xdotool("key o"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.Flights >= 1; }, 20000));
    EXPECT_GT(g.W->Steps, 600) << "the presses came after the flight";
    ASSERT_TRUE(g.Settled()) << g.Events();
    EXPECT_EQ(g.Flights, 1);
    EXPECT_EQ(g.Count("Form_KeyPress(111)"), 1);
}

TEST(WindowHaste, HoldingOForTwoSecondsFliesOneBall) {
    Haste_Game g;
    // The presses of O the display sends while it is held, its own repeats among them
    // (each is seen by the window and by the widget with the focus).
    struct Press_Counter : QObject {
        int& presses;
        explicit Press_Counter(int& n) : presses(n) {}
        bool eventFilter(QObject* watched, QEvent* e) override {
            if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_O &&
                watched == QApplication::focusWidget())
                ++presses;
            return false;
        }
    } counter(g.Presses);
    QCoreApplication::instance()->installEventFilter(&counter);
    const auto held = std::chrono::steady_clock::now();
    ASSERT_TRUE(Xdotool("keydown o"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.Flights >= 1; }, 20000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return std::chrono::steady_clock::now() - held >= std::chrono::seconds(2); }, 5000));
    ASSERT_TRUE(Xdotool("keyup o"));
    ASSERT_TRUE(g.Settled()) << g.Events();
    QCoreApplication::instance()->removeEventFilter(&counter);
    std::printf("O held for 2 s: %d presses of the key seen, %d flights\n", g.Presses, g.Flights);
    EXPECT_EQ(g.Flights, 1);
    EXPECT_EQ(g.Count("Form_KeyPress(111)"), 1);
}

TEST(WindowHaste, TwoQuickClicksOnTheBallButtonFlyOneBall) {
    Haste_Game g;
    QWidget* ball = g.W->Widget_For("Knop_Bal");
    const QPoint at = ball->mapToGlobal(ball->rect().center());
    ASSERT_TRUE(Xdotool("mousemove " + std::to_string(at.x()) + " " + std::to_string(at.y()) +
                        " click --repeat 2 --delay 120 1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.Flights >= 1; }, 20000));
    ASSERT_TRUE(g.Settled()) << g.Events();
    EXPECT_EQ(g.Flights, 1);
    EXPECT_EQ(g.Count("Knop_Bal_Click"), 1);
}

}  // namespace
}  // namespace plonk::test
