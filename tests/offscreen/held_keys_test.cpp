// F1 and F2 hold their buttons down as the mouse does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "tools/window_driver/window_harness.h"

namespace plonk::test {
namespace {

struct Key {
    int Code;
    bool Press;
    bool Repeat = false;
};

// The events the held buttons heard, in order.
std::vector<std::string> Held_Events(const std::vector<std::string>& events) {
    std::vector<std::string> held;
    for (const std::string& e : events)
        if (e.rfind("Knop_F", 0) == 0) held.push_back(e);
    return held;
}

TEST(HeldKeys, PressHoldsReleaseLetsGoAndTheKeysOwnRepeatIsIgnored) {
    const Key f1{Qt::Key_F1, true}, f1_up{Qt::Key_F1, false};
    const Key f2{Qt::Key_F2, true}, f2_up{Qt::Key_F2, false};
    const struct {
        const char* what;
        std::vector<Key> keys;
        std::vector<std::string> heard;
        bool timer_on;
    } cases[] = {
        {"F1 pressed", {f1}, {"Knop_F1_MouseDown"}, true},
        {"F1 pressed and let go", {f1, f1_up}, {"Knop_F1_MouseDown", "Knop_F1_MouseUp"}, false},
        {"F1's own repeat",
         {f1, {Qt::Key_F1, false, true}, {Qt::Key_F1, true, true}, f1_up},
         {"Knop_F1_MouseDown", "Knop_F1_MouseUp"},
         false},
        {"F1 pressed twice", {f1, f1}, {"Knop_F1_MouseDown"}, true},
        {"a release without a press", {f1_up}, {}, false},
        {"F2 while its button is disabled", {f2, f2_up}, {}, false},
    };
    for (const auto& c : cases) {
        Window_Under_Test w;
        w.Start();
        w.W->Run_Event("Knop_P", Event_Kind::Click);
        w.Events.clear();
        for (const Key& k : c.keys) {
            QKeyEvent e(k.Press ? QEvent::KeyPress : QEvent::KeyRelease, k.Code, Qt::NoModifier, QString(),
                        k.Repeat);
            QApplication::sendEvent(w.W->focusWidget() ? w.W->focusWidget() : w.W.get(), &e);
        }
        EXPECT_EQ(Held_Events(w.Events), c.heard) << c.what;
        EXPECT_EQ(w.M().Timer2.Enabled, c.timer_on) << c.what;
        EXPECT_EQ(w.M().F1_Held, c.timer_on) << c.what;
    }
}

}  // namespace
}  // namespace plonk::test
