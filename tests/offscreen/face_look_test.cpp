// How the face shows itself on the desktop: the keyboard focus is seen, the window
// manager is told the window's size is fixed, only the zooms that fit a screen are
// offered, and the full screen shows the face as large as it fits, centred on black.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOption>
#include <QTest>
#include <QWindow>

#include "tools/window_driver/window_harness.h"
#include "window/game_frame.h"
#include "window/lazy_icons_style.h"
#include "window/zoom_fit.h"

namespace plonk::test {
namespace {

// The widget as it paints itself now.
QImage Painted(QWidget* w) { return w->grab().toImage(); }

TEST(FaceLook, TheControlWithTheKeyboardFocusWearsAMarkButTheFocusKeeperDoesNot) {
    const struct {
        const char* control;
        bool marked;
    } cases[] = {
        {"Option1", true}, {"Check1", true}, {"Check2", true}, {"Knop_Sluiten", true}, {"Command2", false},
    };
    for (const int zoom : {1, 2}) {
        Window_Under_Test t;
        ASSERT_EQ(t.Start(), -1);
        t.W->Set_Zoom(zoom);
        t.W->activateWindow();
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.control) + " at zoom " + std::to_string(zoom));
            QWidget* w = t.W->Widget_For(c.control);
            if (!w->isEnabled()) continue;  // "Sound" without an audio device
            QWidget* elsewhere = t.W->Widget_For(c.control == std::string("Check1") ? "Check2" : "Check1");
            elsewhere->setFocus(Qt::TabFocusReason);
            const QImage without = Painted(w);
            w->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(w->hasFocus());
            EXPECT_EQ(Painted(w) != without, c.marked);
        }
        // Tab from the focus keeper: the control it reaches shows it has the focus.
        QWidget* keeper = t.W->Widget_For("Command2");
        keeper->setFocus(Qt::OtherFocusReason);
        QWidget* next = keeper->nextInFocusChain();
        while (!next->isEnabled() || !next->isVisible() || next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        const QImage unmarked = Painted(next);
        QTest::keyClick(keeper, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
        EXPECT_NE(Painted(next), unmarked) << next->objectName().toStdString();
    }
}

TEST(FaceLook, OnlyTheZoomsThatFitAreOfferedAndTheFullScreenUsesTheLargestWholeFactor) {
    const QSize face(663, 534);
    const struct {
        QSize room;
        int window_zoom;  // with 60 pixels of bars and frame around the face
        Full_Screen_Look full;
    } cases[] = {
        {{1366, 768}, 1, {1, true}},  {{1920, 1080}, 1, {2, false}}, {{1920, 1200}, 2, {2, true}},
        {{2560, 1440}, 2, {2, true}}, {{3840, 2160}, 3, {4, false}}, {{640, 480}, 1, {1, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.room.width()) + "x" + std::to_string(c.room.height()));
        EXPECT_EQ(Largest_Zoom(face, QSize(0, 60), c.room, 3), c.window_zoom);
        EXPECT_EQ(Full_Screen_Look_For(face, 45, c.room, 8), c.full);
    }
}

struct Frame_Under_Test {
    Program_Folder Folder;
    QTemporaryDir Config;
    std::unique_ptr<Game_Frame> F;

    explicit Frame_Under_Test(const std::string& options = "") {
        App();
        if (!options.empty()) std::ofstream(Ini()) << "[Options]\n" << options;
        Window_Options o;
        o.Settings_Path = Ini();
        o.Program_Folder = Folder.Path();
        o.Ask = [](const std::string&, const std::string&) { return Answer::No; };
        F = std::make_unique<Game_Frame>(std::move(o));
    }
    std::string Ini() const { return Config.path().toStdString() + "/Plonk.ini"; }
    QAction* Item(const char* name) { return F->View_Menu()->findChild<QAction*>(name); }
};

TEST(FaceLook, TheWindowManagerIsToldTheSizeIsFixedAtEveryZoom) {
    Frame_Under_Test t;
    ASSERT_EQ(t.F->Start(), -1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(t.F.get()));
    for (const char* item : {"Menu_Zoom_2", "Menu_Zoom_1"}) {
        SCOPED_TRACE(item);
        QWindow* window = t.F->windowHandle();
        ASSERT_NE(window, nullptr);
        if (!t.Item(item)->isVisible()) continue;  // a zoom that does not fit this screen
        t.Item(item)->trigger();
        EXPECT_EQ(window->minimumSize(), t.F->size());
        EXPECT_EQ(window->maximumSize(), t.F->size());
        EXPECT_FALSE(window->flags() & Qt::WindowMaximizeButtonHint);
    }
}

TEST(FaceLook, TheFrameIsShownAtItsFullSizeAndItsFaceFilledInBeforeItsFirstPaint) {
    Frame_Under_Test t;
    // Built, not yet shown: the face holds its place but has no controls yet.
    EXPECT_EQ(t.F->Face().Widget_For("Knop_Sluiten"), nullptr);
    EXPECT_EQ(t.F->Face().size(), QSize(663, 534));
    // As the frame goes on the screen, the face has no window of its own yet: that is
    // made, with its holder's, right after.
    struct Face_Window_At_Show : QObject {
        QWidget* Face;
        bool Seen = false, Native = false;
        explicit Face_Window_At_Show(QWidget* face) : Face(face) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Show) {
                Seen = true;
                Native = Face->internalWinId() != 0;
            }
            return false;
        }
    } at_show(&t.F->Face());
    t.F->installEventFilter(&at_show);
    bool started = false;
    t.F->Show_Then_Start([&](int status) {
        EXPECT_EQ(status, -1);
        started = true;
    });
    // Filled in at once after the show, before the event loop runs and paints.
    const QSize shown = t.F->size();
    QWidget* close = t.F->Face().Widget_For("Knop_Sluiten");
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(close->isVisible());
    EXPECT_TRUE(at_show.Seen);
    EXPECT_FALSE(at_show.Native);
    EXPECT_NE(t.F->Face().internalWinId(), 0u);
    QTRY_VERIFY(started);
    // The window is not resized once it is on the screen.
    EXPECT_EQ(t.F->size(), shown);
    EXPECT_EQ(close->geometry(), Main_Window::Face_Place(t.F->Face().Machine().Knop_Sluiten));
}

TEST(FaceLook, TheBarsMoreButtonShowsTheStylesOwnArrowButReadsItOnlyWhenDrawn) {
    // The desktop's style, counting the icons it is asked for.
    struct Counting_Style : QProxyStyle {
        mutable int asked = 0;
        QIcon standardIcon(StandardPixmap which, const QStyleOption* o, const QWidget* w) const override {
            ++asked;
            return QProxyStyle::standardIcon(which, o, w);
        }
    };
    App();
    auto* counting = new Counting_Style;
    Lazy_Icons_Style lazy(counting);
    // Each icon with the number of times the desktop's style is asked before it is drawn.
    const std::pair<QStyle::StandardPixmap, int> cases[] = {
        {QStyle::SP_ToolBarHorizontalExtensionButton, 0},
        {QStyle::SP_ToolBarVerticalExtensionButton, 0},
        {QStyle::SP_MessageBoxQuestion, 1},
    };
    for (const auto& [which, asked_when_made] : cases)
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            SCOPED_TRACE(std::to_string(which) +
                         (direction == Qt::LeftToRight ? " left to right" : " right to left"));
            QStyleOption option;
            option.direction = direction;
            counting->asked = 0;
            const QIcon later = lazy.standardIcon(which, &option, nullptr);
            EXPECT_EQ(counting->asked, asked_when_made);
            const QIcon own = counting->baseStyle()->standardIcon(which, &option, nullptr);
            EXPECT_EQ(later.pixmap(16).toImage(), own.pixmap(16).toImage());
            EXPECT_EQ(counting->asked, 1);
        }
}

TEST(FaceLook, TheFullScreenCentresTheFaceOnBlackAndGivesTheWindowBack) {
    Frame_Under_Test t;
    ASSERT_EQ(t.F->Start(), -1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(t.F.get()));
    const QSize screen = t.F->screen()->geometry().size();
    const QSize window = t.F->size();
    QAction* full = t.Item("Menu_Full_Screen");
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->shortcut(), QKeySequence(Qt::Key_F11));
    full->trigger();
    EXPECT_TRUE(t.F->Full_Screen());
    const Full_Screen_Look look = Full_Screen_Look_For(QSize(663, 534), 0, screen, 8);
    EXPECT_EQ(t.F->Face().Zoom(), look.Zoom);
    // The face in the middle of the screen; around it black.
    QTRY_COMPARE(t.F->size(), screen);
    const QRect face(t.F->Face().mapTo(t.F.get(), QPoint(0, 0)), t.F->Face().size());
    EXPECT_LE(std::abs(face.center().x() - screen.width() / 2), 1);
    const QImage shown = t.F->grab().toImage();
    if (face.left() > 0) {
        EXPECT_EQ(shown.pixel(face.left() / 2, face.center().y()) & 0xFFFFFF, 0u);
    }
    // Zooms are not chosen meanwhile; F11 again gives the window back as it was.
    emit t.F->View_Menu()->aboutToShow();
    EXPECT_FALSE(t.Item("Menu_Zoom_1")->isEnabled());
    full->trigger();
    EXPECT_FALSE(t.F->Full_Screen());
    EXPECT_EQ(t.F->Face().Zoom(), 1);
    QTRY_COMPARE(t.F->size(), window);
}

}  // namespace
}  // namespace plonk::test
