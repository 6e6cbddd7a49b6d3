// Presses that arrive while the machine shows its steps are dropped; letting go of a
// held button is not, and a game key held down acts once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <functional>

#include "tools/window_driver/window_harness.h"

namespace plonk::test {
namespace {

// Input as the display queues it, for a widget of the window.
void Queue_Key(QWidget* to, QEvent::Type type, int key, const QString& text = {}) {
    QCoreApplication::postEvent(to, new QKeyEvent(type, key, Qt::NoModifier, text));
}
void Queue_Mouse(QWidget* to, QEvent::Type type) {
    const QPointF at = QRectF(to->rect()).center();
    QCoreApplication::postEvent(
        to,
        new QMouseEvent(type, at, to->mapToGlobal(at), Qt::LeftButton,
                        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier));
}

TEST(BusyInput, PressesMadeWhileTheMachineShowsItsStepsAreDroppedButLettingGoIsNot) {
    using Before = std::function<void(Window_Under_Test&)>;
    using During = std::function<void(Window_Under_Test&)>;
    const Before nothing = [](Window_Under_Test&) {};
    const struct {
        const char* what;
        Before before;  // what the player did before the busy event
        During during;  // what the player does while it runs
        const char* heard;
        int times;  // how often the machine heard it afterwards
    } cases[] = {
        {"O typed", nothing,
         [](Window_Under_Test& t) {
             QWidget* to = t.W->focusWidget();
             Queue_Key(to, QEvent::KeyPress, Qt::Key_O, "o");
             Queue_Key(to, QEvent::KeyRelease, Qt::Key_O, "o");
         },
         "Form_KeyPress(111)", 0},
        {"Insert points clicked", nothing,
         [](Window_Under_Test& t) {
             Queue_Mouse(t.W->Widget_For("Knop_P"), QEvent::MouseButtonPress);
             Queue_Mouse(t.W->Widget_For("Knop_P"), QEvent::MouseButtonRelease);
         },
         "Knop_P_Click", 0},
        {"the ball button double-clicked", nothing,
         [](Window_Under_Test& t) {
             QWidget* ball = t.W->Widget_For("Knop_Bal");
             for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                       QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
                 Queue_Mouse(ball, type);
         },
         "Knop_Bal_Click", 0},
        {"F1 let go after the key held it",
         [](Window_Under_Test& t) {
             QKeyEvent down(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
             QApplication::sendEvent(t.W->focusWidget(), &down);
         },
         [](Window_Under_Test& t) { Queue_Key(t.W->focusWidget(), QEvent::KeyRelease, Qt::Key_F1); },
         "Knop_F1_MouseUp", 1},
        {"F1 let go after the mouse held it",
         [](Window_Under_Test& t) { QTest::mousePress(t.W->Widget_For("Knop_F1"), Qt::LeftButton); },
         [](Window_Under_Test& t) { Queue_Mouse(t.W->Widget_For("Knop_F1"), QEvent::MouseButtonRelease); },
         "Knop_F1_MouseUp", 1},
    };
    for (const auto& c : cases) {
        Window_Under_Test t;
        ASSERT_EQ(t.Start(), -1);
        t.W->Run_Event("Knop_P", Event_Kind::Click);
        c.before(t);
        t.Events.clear();
        // A busy event: it paints a step while the player acts.
        t.W->Run("Busy", [&] {
            c.during(t);
            t.W->Refresh();
        });
        QCoreApplication::processEvents();
        EXPECT_EQ(t.Count(c.heard), c.times) << c.what;
    }
}

TEST(BusyInput, WhatComesAfterTheStepsAndAfterAQuickEventIsHeard) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    // During an event that shows no steps, a press waits for its turn.
    t.W->Run("Quick", [&] { Queue_Key(t.W->focusWidget(), QEvent::KeyPress, Qt::Key_Plus, "+"); });
    QCoreApplication::processEvents();
    // After one that does, a press made later is heard.
    t.W->Run("Busy", [&] { t.W->Refresh(); });
    Queue_Key(t.W->focusWidget(), QEvent::KeyRelease, Qt::Key_Plus, "+");
    Queue_Key(t.W->focusWidget(), QEvent::KeyPress, Qt::Key_Minus, "-");
    QCoreApplication::processEvents();
    EXPECT_EQ(t.Count("Form_KeyPress(43)"), 1);
    EXPECT_EQ(t.Count("Form_KeyPress(45)"), 1);
}

TEST(BusyInput, AGameKeyHeldDownActsOnceButTheStartSpeedKeysRepeat) {
    const struct {
        int key;
        const char* text;
        const char* heard;
        int times;
    } cases[] = {
        {Qt::Key_O, "o", "Form_KeyPress(111)", 1},    {Qt::Key_P, "p", "Form_KeyPress(112)", 1},
        {Qt::Key_S, "s", "Form_KeyPress(115)", 1},    {Qt::Key_Plus, "+", "Form_KeyPress(43)", 4},
        {Qt::Key_Minus, "-", "Form_KeyPress(45)", 4},
    };
    for (const auto& c : cases) {
        for (const bool marked : {false, true}) {  // the display marks its repeats, or not
            Window_Under_Test t;
            ASSERT_EQ(t.Start(), -1);
            t.Events.clear();
            for (int press = 0; press < 4; ++press) {
                QKeyEvent down(QEvent::KeyPress, c.key, Qt::NoModifier, c.text, marked && press > 0);
                QApplication::sendEvent(t.W->focusWidget(), &down);
            }
            QKeyEvent up(QEvent::KeyRelease, c.key, Qt::NoModifier, c.text);
            QApplication::sendEvent(t.W->focusWidget(), &up);
            EXPECT_EQ(t.Count(c.heard), c.times) << c.text << (marked ? " marked" : "");
            // Pressed again after letting go, it acts again.
            QKeyEvent again(QEvent::KeyPress, c.key, Qt::NoModifier, c.text);
            QApplication::sendEvent(t.W->focusWidget(), &again);
            EXPECT_EQ(t.Count(c.heard), c.times + 1) << c.text << (marked ? " marked" : "");
        }
    }
}

}  // namespace
}  // namespace plonk::test
