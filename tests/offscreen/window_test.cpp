// The window: its controls in their places, its events reaching the machine, the
// keyboard preview, the close question and the fatal missing picture.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "tools/window_driver/window_harness.h"
#include "window/screen_widget.h"

namespace plonk::test {
namespace {

bool Has_Widget(const Control& c) {
    switch (c.Kind) {
        case Control_Kind::Timer:
        case Control_Kind::Menu:
        case Control_Kind::Menu_Item:
        case Control_Kind::Sound:
            return false;
        default:
            return c.Container.empty();
    }
}

TEST(Window, HasItsCaptionAndAFixedClientArea) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    EXPECT_EQ(t.W->windowTitle().toStdString(), "Plonk for Windows");
    EXPECT_EQ(t.W->size(), QSize(663, 534));
    EXPECT_EQ(t.W->minimumSize(), t.W->maximumSize());
    EXPECT_TRUE(t.W->isVisible());
    EXPECT_EQ(t.Events.front(), "Form_Load");
}

TEST(Window, EveryControlOnTheWindowIsAWidgetInItsPlaceWithItsText) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    int widgets = 0;
    for (const Control* c : t.M().All_Controls()) {
        if (!Has_Widget(*c)) continue;
        SCOPED_TRACE(c->Name);
        QWidget* w = t.W->findChild<QWidget*>(QString::fromStdString(c->Name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w, t.W->Widget_For(c->Name));
        EXPECT_EQ(w->geometry(), Main_Window::Face_Place(*c));
        EXPECT_EQ(w->toolTip().toStdString(), c->ToolTipText);
        switch (c->Kind) {
            case Control_Kind::Picture_Button: {
                auto* b = qobject_cast<QToolButton*>(w);
                ASSERT_NE(b, nullptr);
                EXPECT_FALSE(b->icon().isNull());
                EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
                EXPECT_TRUE(b->text().isEmpty());
                break;
            }
            case Control_Kind::Button:
                ASSERT_NE(qobject_cast<QPushButton*>(w), nullptr);
                EXPECT_EQ(qobject_cast<QPushButton*>(w)->text().toStdString(), c->Caption);
                EXPECT_NE(w->focusPolicy() & Qt::TabFocus, 0);
                break;
            case Control_Kind::Check_Box:
                ASSERT_NE(qobject_cast<QCheckBox*>(w), nullptr);
                EXPECT_EQ(qobject_cast<QCheckBox*>(w)->text().toStdString(), c->Caption);
                EXPECT_EQ(qobject_cast<QCheckBox*>(w)->isChecked(), c->Value != 0);
                break;
            case Control_Kind::Label:
                ASSERT_NE(qobject_cast<QLabel*>(w), nullptr);
                EXPECT_EQ(qobject_cast<QLabel*>(w)->text().toStdString(), c->Caption);
                break;
            case Control_Kind::Slider: {
                auto* s = qobject_cast<QSlider*>(w);
                ASSERT_NE(s, nullptr);
                EXPECT_EQ(s->minimum(), 0);
                EXPECT_EQ(s->maximum(), 99);
                EXPECT_EQ(s->singleStep(), 1);
                EXPECT_EQ(s->pageStep(), 5);
                EXPECT_EQ(s->tickInterval(), 5);
                EXPECT_EQ(s->value(), t.M().Ball_Speed);
                break;
            }
            case Control_Kind::Picture_Box:
                EXPECT_EQ(w, t.W->Screen());
                EXPECT_EQ(w->geometry(), QRect(8, 8, 644, 484));
                break;
            default:
                ADD_FAILURE() << "unexpected kind";
        }
        ++widgets;
    }
    EXPECT_EQ(widgets, 22);
    // The checked captions as the player reads them.
    EXPECT_EQ(t.W->Widget_For("Command1")->property("text").toString(), "Set &Lines");
    EXPECT_EQ(t.W->Widget_For("Knop_Sluiten")->property("text").toString(), "&Close");
    EXPECT_EQ(t.W->Widget_For("Knop_Bal")->toolTip(), "Play next ball");
}

TEST(Window, TheCaptionlessButtonTakesTheFocusAfterStartUp) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    EXPECT_EQ(t.W->focusWidget(), t.W->Widget_For("Command2"));
    // It lies under "&Close", which it overlaps.
    const auto& kids = t.W->children();
    EXPECT_LT(kids.indexOf(t.W->Widget_For("Command2")), kids.indexOf(t.W->Widget_For("Knop_Sluiten")));
}

TEST(Window, TimersAndTheSpeedMenuFollowTheirControls) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    EXPECT_TRUE(t.W->Timer(1).isActive());
    EXPECT_EQ(t.W->Timer(1).interval(), 1000);
    EXPECT_FALSE(t.W->Timer(2).isActive());

    t.M().Timer2.Enabled = true;
    t.M().Timer1.Enabled = false;
    t.W->Sync();
    EXPECT_TRUE(t.W->Timer(2).isActive());
    EXPECT_EQ(t.W->Timer(2).interval(), 250);
    EXPECT_FALSE(t.W->Timer(1).isActive());

    QMenu* menu = t.W->Speed_Menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&Ball speed offset");
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "&Increase offset (slower)");
    EXPECT_EQ(menu->actions()[1]->text(), "&Decrease offset (faster)");
    t.M().Mnu_BallSpeedOffsetDec.Enabled = false;
    t.W->Sync();
    EXPECT_TRUE(menu->actions()[0]->isEnabled());
    EXPECT_FALSE(menu->actions()[1]->isEnabled());
}

// ------------------------------------------------------------------ events

TEST(WindowEvents, EveryButtonAndBoxHandsItsClickToTheMachine) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    const char* clicked[] = {"Knop_KrachtOmlaag",
                             "Knop_KrachtOmhoog",
                             "Knop_Bal",
                             "Knop_A",
                             "Knop_B",
                             "Knop_C",
                             "Knop_D",
                             "Knop_E",
                             "Knop_P",
                             "Knop_S",
                             "Knop_2",
                             "Command1"};
    for (const char* name : clicked) {
        SCOPED_TRACE(name);
        t.M().Find_Control(name)->Enabled = true;
        t.W->Sync();
        auto* b = qobject_cast<QAbstractButton*>(t.W->Widget_For(name));
        ASSERT_NE(b, nullptr);
        t.Events.clear();
        // Every click's procedure ends by setting the buttons from the state, which
        // has no extra ball to ask for: a button set otherwise shows that it ran.
        t.M().Knop_F2.Enabled = true;
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(t.Count(std::string(name) + "_Click"), 1);
        EXPECT_FALSE(t.M().Knop_F2.Enabled);
        ASSERT_FALSE(t.W->Ended());
    }
    // A disabled button hands nothing over.
    t.M().Knop_S.Enabled = false;
    t.W->Sync();
    t.Events.clear();
    QTest::mouseClick(qobject_cast<QAbstractButton*>(t.W->Widget_For("Knop_S")), Qt::LeftButton);
    EXPECT_EQ(t.Count("Knop_S_Click"), 0);
}

TEST(WindowEvents, ACheckBoxSetsItsValueBeforeItsClickRuns) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    for (const char* name : {"Option1", "Check1", "Check2"}) {
        SCOPED_TRACE(name);
        Control& c = *t.M().Find_Control(name);
        c.Enabled = true;
        t.W->Sync();
        const int before = c.Value;
        int seen = -1;
        t.Events.clear();
        auto* box = qobject_cast<QCheckBox*>(t.W->Widget_For(name));
        QObject::connect(box, &QCheckBox::clicked, t.W.get(), [&] { seen = c.Value; });
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(t.Count(std::string(name) + "_Click"), 1);
        EXPECT_EQ(c.Value, 1 - before);
        EXPECT_EQ(seen, 1 - before);
    }
}

TEST(WindowEvents, TheHeldButtonsActOnPressAndStopOnRelease) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    for (const std::string name : {"Knop_F1", "Knop_F2"}) {
        SCOPED_TRACE(name);
        QWidget* b = t.W->Widget_For(name);
        t.M().Find_Control(name)->Enabled = true;
        t.W->Sync();
        t.Events.clear();
        QTest::mousePress(b, Qt::LeftButton);
        EXPECT_EQ(t.Events, std::vector<std::string>{name + "_MouseDown"});
        QTest::mouseRelease(b, Qt::LeftButton);
        EXPECT_EQ(t.Events, (std::vector<std::string>{name + "_MouseDown", name + "_MouseUp"}));
        EXPECT_EQ(t.Count(name + "_Click"), 0);

        t.M().Find_Control(name)->Enabled = false;
        t.W->Sync();
        t.Events.clear();
        QTest::mousePress(b, Qt::LeftButton);
        QTest::mouseRelease(b, Qt::LeftButton);
        EXPECT_TRUE(t.Events.empty());
    }
}

TEST(WindowEvents, TheSliderSetsTheBallSpeedAndOffersItsMenuOnARightRelease) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    auto* slider = qobject_cast<QSlider*>(t.W->Widget_For("Slider1"));
    t.Events.clear();
    slider->setValue(30);
    EXPECT_EQ(t.M().Slider1.Value, 30);
    EXPECT_EQ(t.M().Ball_Speed, 30);
    EXPECT_EQ(t.Count("Slider1_Change"), 1);
    // Showing the machine's own value again is no change.
    t.W->Sync();
    EXPECT_EQ(t.Count("Slider1_Change"), 1);

    // A right release opens the offset menu; at offset 1 only "Increase" can be chosen.
    t.M().Ball_Speed_Offset = 1;
    QTest::mouseRelease(slider, Qt::RightButton, {}, QPoint(20, 5));
    EXPECT_EQ(t.Count("Slider1_MouseUp"), 1);
    EXPECT_EQ(t.M().Ball_Speed, 30);
    QMenu* menu = t.W->Speed_Menu();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->actions()[0]->isEnabled());
    EXPECT_FALSE(menu->actions()[1]->isEnabled());
    menu->hide();

    // Each chosen item reaches its procedure; a disabled one cannot be chosen.
    for (QAction* a : menu->actions()) a->trigger();
    EXPECT_EQ(t.Count("Mnu_BallSpeedOffsetInc_Click"), 1);
    EXPECT_EQ(t.Count("Mnu_BallSpeedOffsetDec_Click"), 0);
    EXPECT_EQ(t.M().Ball_Speed_Offset, 2);
    t.M().Mnu_BallSpeedOffsetDec.Enabled = true;
    t.W->Sync();
    menu->actions()[1]->trigger();
    EXPECT_EQ(t.Count("Mnu_BallSpeedOffsetDec_Click"), 1);
    EXPECT_EQ(t.M().Ball_Speed_Offset, 1);
}

TEST(WindowEvents, TypedKeysReachTheKeyHandlerOnceWhateverHasTheFocus) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    for (const char* name : {"Command2", "Check1", "Slider1", "Knop_Sluiten"}) {
        SCOPED_TRACE(name);
        QWidget* w = t.W->Widget_For(name);
        t.Events.clear();
        for (char key : {'+', 'o'}) {
            w->setFocus();
            ASSERT_EQ(t.W->focusWidget(), w);
            QTest::keyClick(w, key);
        }
        EXPECT_EQ(t.Events, (std::vector<std::string>{"Form_KeyPress(43)", "Form_KeyPress(111)"}));
    }
    // Menu keys with Alt are not typed characters.
    QWidget* keeper = t.W->Widget_For("Command2");
    keeper->setFocus();
    t.Events.clear();
    QTest::keyClick(keeper, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(t.Count("Form_KeyPress(115)"), 0);
}

TEST(WindowEvents, AKeyGoesOnToTheControlAfterThePreview) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    auto* slider = qobject_cast<QSlider*>(t.W->Widget_For("Slider1"));
    slider->setFocus();
    const int before = slider->value();
    t.Events.clear();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(slider->value(), before + 1);
    EXPECT_EQ(t.Count("Slider1_Change"), 1);
    // After the event the focus is where the machine put it.
    EXPECT_EQ(t.W->focusWidget(), t.W->Widget_For(t.M().Focus));
}

TEST(WindowEvents, TheWrapperEndsOnProgramEndAndDropsNestedEvents) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    t.W->Widget_For("Check1")->setFocus();
    EXPECT_TRUE(t.W->Run("nothing", [] {}));
    EXPECT_FALSE(t.W->Ended());
    EXPECT_EQ(t.W->focusWidget(), t.W->Widget_For("Command2"));

    bool nested_ran = true;
    EXPECT_TRUE(t.W->Run("outer", [&] { nested_ran = t.W->Run("inner", [] {}); }));
    EXPECT_FALSE(nested_ran);

    EXPECT_TRUE(t.W->Run("end", [&] { t.W->Machine().End_Program(3); }));
    EXPECT_TRUE(t.W->Ended());
    EXPECT_EQ(t.W->Exit_Status(), 3);
    EXPECT_FALSE(t.W->Run("after", [] {}));
}

TEST(WindowEvents, AFailureInsideAnEventIsToldAndEndsTheProgram) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    EXPECT_TRUE(t.W->Run("Knop_Bal_Click", [] { throw std::runtime_error("broken"); }));
    EXPECT_TRUE(t.W->Ended());
    EXPECT_EQ(t.W->Exit_Status(), 1);
    ASSERT_EQ(t.Told.size(), 1u);
    EXPECT_EQ(t.Told[0], "Plonk for Windows|The game stopped: Knop_Bal_Click failed: broken.");
}

// ------------------------------------------------------------------- closing

TEST(WindowClose, TheCloseBoxAsksToSaveAndEndsTheProgram) {
    struct Case {
        bool yes;
        const char* score_line;
    };
    for (const Case& k : {Case{true, "Main= 1234"}, Case{false, "Main= 0"}}) {
        SCOPED_TRACE(k.yes);
        Window_Under_Test t;
        ASSERT_EQ(t.Start(), -1);
        t.M().Main_Score = 1234;
        t.Answers.push_back(k.yes ? Answer::Yes : Answer::No);
        EXPECT_TRUE(t.W->close());
        EXPECT_EQ(t.Asked, std::vector<std::string>{"Save scores|Save score for next session ?"});
        EXPECT_TRUE(t.W->Ended());
        EXPECT_EQ(t.W->Exit_Status(), 0);
        EXPECT_FALSE(t.W->Timer(1).isActive());
        EXPECT_NE(t.Ini_Text().find(k.score_line), std::string::npos) << t.Ini_Text();
        EXPECT_NE(t.Ini_Text().find("[Bonus]"), std::string::npos);
    }
}

TEST(WindowClose, WhileAGameRunsTheCloseIsRefusedSilently) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    t.M().Balls_In_Game = 5;
    t.M().Balls_Played = 2;
    EXPECT_FALSE(t.W->close());
    QTest::mouseClick(qobject_cast<QAbstractButton*>(t.W->Widget_For("Knop_Sluiten")), Qt::LeftButton);
    EXPECT_TRUE(t.Asked.empty());
    EXPECT_TRUE(t.Told.empty());
    EXPECT_FALSE(t.W->Ended());
    EXPECT_TRUE(t.W->isVisible());
    EXPECT_TRUE(t.Ini_Text().empty());

    // Once the game is over the close button asks and ends.
    t.M().Balls_Played = 5;
    t.Answers.push_back(Answer::No);
    QTest::mouseClick(qobject_cast<QAbstractButton*>(t.W->Widget_For("Knop_Sluiten")), Qt::LeftButton);
    EXPECT_EQ(t.Asked.size(), 1u);
    EXPECT_TRUE(t.W->Ended());
}

// ----------------------------------------------------------- missing pictures

TEST(WindowStart, AMissingPictureStopsTheProgramNamingTheFile) {
    struct Case {
        const char* file;
        bool loads_first;  // start-up runs before the file is needed
    };
    for (const Case& k : {Case{"Knop_Bal.bmp", false}, Case{"Scherm.bmp", false}, Case{"Kracht.bmp", true},
                          Case{"GeleScore_0.bmp", true}}) {
        SCOPED_TRACE(k.file);
        Window_Under_Test t;
        t.Folder.Remove(k.file);
        EXPECT_EQ(t.Start(), 1);
        EXPECT_TRUE(t.W->Ended());
        EXPECT_EQ(t.W->Exit_Status(), 1);
        ASSERT_EQ(t.Told.size(), 1u);
        EXPECT_NE(t.Told[0].find(t.Folder.File(k.file)), std::string::npos) << t.Told[0];
        EXPECT_EQ(!t.Events.empty(), k.loads_first);
        EXPECT_FALSE(t.W->Timer(1).isActive());
    }
}

}  // namespace
}  // namespace plonk::test

// Under the sanitizers: memory the system's font and message-bus libraries keep for
// the life of the process is not the program's leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
