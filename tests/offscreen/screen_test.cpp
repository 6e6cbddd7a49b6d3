// The game screen: its children painted from the control data, found under the
// mouse with their tooltips, and only what changed repainted during a flight.
#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "machine/face_tips.h"
#include "tools/window_driver/window_harness.h"
#include "window/screen_widget.h"

namespace plonk::test {
namespace {

constexpr int B = Screen_Widget::kBorder;

QPoint Centre(const Control& c) { return QPoint(c.Left + B + c.Width / 2, c.Top + B + c.Height / 2); }

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

TEST(Screen, EveryVisibleChildIsFoundUnderTheMouseWithItsTooltip) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    Screen_Widget* screen = t.W->Screen();
    int found = 0, tips = 0;
    for (const Control* c : t.M().All_Controls()) {
        if (c->Container != "Pic_Scherm" || !c->Visible) continue;
        SCOPED_TRACE(c->Name);
        const Control* hit = screen->Control_At(Centre(*c));
        ASSERT_NE(hit, nullptr);
        if (hit != c) continue;  // lies under a later picture box
        ++found;
        QHelpEvent help(QEvent::ToolTip, Centre(*c), screen->mapToGlobal(Centre(*c)));
        QApplication::sendEvent(screen, &help);
        const std::string tip = c->ToolTipText.empty() ? Face_Tip_Text(c->Name) : c->ToolTipText;
        if (c->Name.rfind("Lites(", 0) == 0) {
            // A lamp's tip begins with the number it shows.
            EXPECT_NE(QToolTip::text().toStdString().find(" on line "), std::string::npos);
            ++tips;
        } else if (tip.empty()) {
            EXPECT_FALSE(help.isAccepted());
        } else {
            EXPECT_EQ(QToolTip::text().toStdString(), tip);
            ++tips;
        }
    }
    EXPECT_GE(found, 50 + 4 + 15);  // at least the lamps, the boards and the counters
    EXPECT_GT(tips, 20);
    // The border and a point outside every child find nothing.
    EXPECT_EQ(screen->Control_At(QPoint(0, 0)), nullptr);
    EXPECT_EQ(screen->Control_At(QPoint(B + 150, B + 20)), nullptr);
}

// The tip under a point of the screen's drawing area, "" for none.
std::string Tip_At(Screen_Widget* screen, QPoint at) {
    at += QPoint(B, B);
    QHelpEvent help(QEvent::ToolTip, at, screen->mapToGlobal(at));
    QApplication::sendEvent(screen, &help);
    return help.isAccepted() ? QToolTip::text().toStdString() : "";
}

TEST(Screen, EveryIndicatorTellsWhatItIsLitOrNot) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    Hoofdvenster& m = t.M();
    // Each indicator (and the printed labels of the counters and the clock).
    const struct {
        const char* Control;
        QPoint At;  // a point of the control (its centre) or of its label
        const char* Says;
    } cases[] = {
        {"Pic_Score(0)", {}, "Yellow score"},
        {"Pic_Score(3)", {}, "Green score"},
        {"Pic_Corners", {}, "red circled"},
        {"Pic_4Stars", {}, "star numbers"},
        {"Pic_3Stars", {}, "3 of the 4 star"},
        {"Pic_2Stars", {}, "2 of the 4 star"},
        {"Pic_Vlag(0)", {}, "4 flags lit"},
        {"Pic_Vlag(3)", {}, "4 flags lit"},
        {"Pic_16Hit", {}, "hole 16 adds a flag"},
        {"Pic_Dubbel", {}, "Green double"},
        {"Pic_Pijl(2)", {}, "Line feature"},
        {"Pic_Letter(4)", {}, "Moveable line"},
        {"Pic_4thBall", {}, "4th ball"},
        {"Pic_5thBall", {}, "5th ball"},
        {"Pix_XtrBall(4)", {}, "Extra ball"},
        {"Pic_Kracht", {}, "start speed"},
        {"Pic_Digit_Main(2)", {}, "Credits"},
        {"Pic_Digit_Main(0)", {545, 378}, "Credits"},
        {"Pic_Digit_Stake(4)", {}, "Inserted"},
        {"Pic_Digit_Stake(0)", {545, 396}, "Inserted"},
        {"Pic_Digit_Saldo(1)", {}, "Saldo"},
        {"Pic_Digit_Saldo(0)", {545, 414}, "Saldo"},
        {"Pic_SaldoSign", {}, "Saldo"},
        {"Pic_RedBonus", {}, "main card bonus"},
        {"Pic_GreenBonus", {}, "extra card bonus"},
        {"Pic_Digit_RedBonus(1)", {}, "Main card bonus"},
        {"Pic_Digit_Uur(0)", {}, "Time"},
        {"Pic_Digit_Uur(3)", {622, 452}, "Time"},
        {"Pic_Ster_Geel", {}, "rolls over"},
    };
    for (const auto& c : cases) {
        Control* control = m.Find_Control(c.Control);
        ASSERT_NE(control, nullptr) << c.Control;
        const QPoint at = c.At.isNull() ? Centre(*control) - QPoint(B, B) : c.At;
        for (const bool lit : {false, true}) {
            control->Visible = lit;
            t.W->Sync();
            EXPECT_NE(Tip_At(t.W->Screen(), at).find(c.Says), std::string::npos)
                << c.Control << " lit " << lit;
        }
    }
    // The empty playfield says nothing.
    EXPECT_EQ(Tip_At(t.W->Screen(), {150, 20}), "");
}

TEST(Screen, ALampsTipNamesItsNumberItsZonesAndWhetherItIsLit) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    Hoofdvenster& m = t.M();
    const struct {
        int lamp, line_a;  // the lamp, and line A's position
        bool lit;
        const char* says;  // after "N on line "
    } cases[] = {
        {0, 1, false, "A of the main card: yellow and red zones; not lit"},
        {0, 1, true, "A of the main card: yellow and red zones; lit"},
        {2, 1, false, "A of the main card: yellow zone; not lit; its cyan ring shows where line A stands"},
        {1, 2, false,
         "A of the main card: yellow and red zones; not lit; its cyan ring shows where line A stands"},
        {17, 1, true,
         "B of the extra card: white and green zones; lit; its cyan ring shows where line B stands"},
        {48, 1, false, "E of the extra card: white and green zones; not lit"},
    };
    for (const auto& c : cases) {
        m.Line_Pos(0) = To_Integer(c.line_a);
        const Control& lamp = m.Lites(c.lamp);
        const int line = c.lamp / 10, number = m.Card_Numbers(m.Line_Pos(line), c.lamp % 10, line);
        for (int hole = 1; hole <= 25; ++hole) m.Hole_State(hole) = hole == number && c.lit ? 1 : 0;
        EXPECT_EQ(Tip_At(t.W->Screen(), Centre(lamp) - QPoint(B, B)),
                  std::to_string(number) + " on line " + c.says)
            << c.lamp;
    }
}

TEST(Screen, HiddenChildrenAreNeitherFoundNorPainted) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    Screen_Widget* screen = t.W->Screen();
    Control& panel = t.M().Calc_Tip;
    ASSERT_FALSE(panel.Visible);
    EXPECT_NE(screen->Control_At(Centre(panel)), &panel);
    const QImage before = screen->grab().toImage();

    panel.Visible = true;
    t.W->Sync();
    EXPECT_EQ(screen->Control_At(Centre(panel)), &panel);
    const QImage after = screen->grab().toImage();
    // The panel is grey inside its border, with its labels' text in black (smoothed).
    EXPECT_EQ(Pixel(after, panel.Left + B + 4, panel.Top + B + 4), 0xC0C0C0u);
    EXPECT_NE(Pixel(before, panel.Left + B + 4, panel.Top + B + 4), 0xC0C0C0u);
    for (const Control* label : {&t.M().Label2, &t.M().Label3}) {
        int dark = 0;
        for (int x = 0; x < label->Width; ++x)
            for (int y = 0; y < label->Height; ++y)
                dark +=
                    qGray(after.pixel(panel.Left + B + label->Left + x, panel.Top + B + label->Top + y)) < 80;
        EXPECT_GT(dark, 20) << label->Name;
    }
}

TEST(Screen, ChildrenShowTheirPictureAndTheLinesDrawnOnThem) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    Screen_Widget* screen = t.W->Screen();
    Hoofdvenster& m = t.M();

    // A child with a picture shows it pixel for pixel at its place.
    QImage pattern(20, 12, QImage::Format_RGB32);
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 12; ++y) pattern.setPixel(x, y, qRgb(x * 12, y * 20, (x + y) % 2 ? 255 : 0));
    ASSERT_TRUE(pattern.save(QString::fromStdString(t.Folder.File("Pattern.bmp"))));
    m.Pic_Score(0).Picture = t.Folder.File("Pattern.bmp");
    m.Pic_Score(0).Lines.clear();
    t.W->Sync();
    const QImage digit(QString::fromStdString(t.Folder.File("Pattern.bmp")));
    ASSERT_FALSE(digit.isNull());
    QImage shot = screen->grab().toImage();
    for (int x = 0; x < digit.width(); ++x)
        for (int y = 0; y < digit.height(); ++y)
            ASSERT_EQ(Pixel(shot, m.Pic_Score(0).Left + B + x, m.Pic_Score(0).Top + B + y),
                      digit.pixel(x, y) & 0xFFFFFF)
                << x << "," << y;

    // Lines: one across the speed indicator, one on the screen itself (under the
    // children), both in their colours and without their end points.
    m.Pic_Kracht.Draw_Line(0, 10, 10, 10, 0xFF0000);
    m.Pic_Scherm.Draw_Line(150, 20, 160, 20, 0x0000FF);
    m.Pic_Scherm.Draw_Line(m.Pic_Kracht.Left, m.Pic_Kracht.Top + 5, m.Pic_Kracht.Left + 5,
                           m.Pic_Kracht.Top + 5, 0x00FF00);
    t.W->Sync();
    shot = screen->grab().toImage();
    const int kx = m.Pic_Kracht.Left + B, ky = m.Pic_Kracht.Top + B;
    for (int x = 0; x < 10; ++x) EXPECT_EQ(Pixel(shot, kx + x, ky + 10), 0xFF0000u) << x;
    EXPECT_NE(Pixel(shot, kx + 10, ky + 10), 0xFF0000u);
    EXPECT_EQ(Pixel(shot, B + 150, B + 20), 0x0000FFu);
    EXPECT_EQ(Pixel(shot, B + 159, B + 20), 0x0000FFu);
    EXPECT_NE(Pixel(shot, B + 160, B + 20), 0x0000FFu);
    EXPECT_NE(Pixel(shot, kx + 2, ky + 5), 0x00FF00u);  // covered by the indicator
}

TEST(Screen, TransparentPartsOfAPictureShowWhatLiesBeneath) {
    Window_Under_Test t;
    // A ball picture: a red dot in the middle of a transparent square (written as
    // PNG: the image library reads transparent GIFs the same way but cannot write them).
    QImage ball(15, 15, QImage::Format_ARGB32);
    ball.fill(Qt::transparent);
    ball.setPixel(7, 7, qRgb(255, 0, 0));
    ASSERT_TRUE(ball.save(QString::fromStdString(t.Folder.File("Ball_Test.png"))));
    ASSERT_EQ(t.Start(), -1);
    Control& b = t.M().Image_Bal(0);
    b.Visible = false;
    t.W->Sync();
    const QImage under = t.W->Screen()->grab().toImage();
    b.Visible = true;
    b.Picture = t.Folder.File("Ball_Test.png");
    t.W->Sync();
    const QImage shot = t.W->Screen()->grab().toImage();
    EXPECT_EQ(Pixel(shot, b.Left + B + 7, b.Top + B + 7), 0xFF0000u);
    for (const QPoint p : {QPoint(0, 0), QPoint(6, 7), QPoint(14, 14)})
        EXPECT_EQ(Pixel(shot, b.Left + B + p.x(), b.Top + B + p.y()),
                  Pixel(under, b.Left + B + p.x(), b.Top + B + p.y()));
}

TEST(Screen, OnlyWhatChangedIsRepaintedDuringAFlight) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    Screen_Widget* screen = t.W->Screen();
    Hoofdvenster& m = t.M();
    screen->Changed_Region();
    EXPECT_TRUE(screen->Changed_Region().isEmpty());

    // A ball moves: its old and new places, nothing else.
    Control& ball = m.Image_Bal(0);
    ball.Visible = true;
    screen->Changed_Region();
    const QRect old_place(ball.Left + B, ball.Top + B, ball.Width, ball.Height);
    ball.Left -= 40;
    ball.Top -= 30;
    const QRegion moved = screen->Changed_Region();
    EXPECT_TRUE(moved.contains(old_place));
    EXPECT_TRUE(moved.contains(QRect(ball.Left + B, ball.Top + B, ball.Width, ball.Height)));
    EXPECT_FALSE(moved.contains(QPoint(Centre(m.Lites(0)))));

    // A lamp changes its picture; a line is drawn on the indicator.
    m.Lites(12).Picture = t.Folder.File("Digit_1.bmp");
    m.Pic_Kracht.Draw_Line(0, 3, 10, 3, 0xFF0000);
    const QRegion lamp = screen->Changed_Region();
    EXPECT_TRUE(lamp.contains(Centre(m.Lites(12))));
    EXPECT_TRUE(lamp.contains(Centre(m.Pic_Kracht)));
    EXPECT_FALSE(lamp.contains(Centre(m.Lites(13))));

    // A hidden child that changes needs no paint; a line on the screen repaints it all.
    m.Calc_Tip.Left += 5;
    EXPECT_TRUE(screen->Changed_Region().isEmpty());
    m.Pic_Scherm.Draw_Line(0, 0, 5, 5, 0);
    EXPECT_EQ(screen->Changed_Region(), QRegion(screen->rect()));

    // The toolkit's flight step paints the change and waits nothing at zero.
    ball.Left += 10;
    t.W->Flight_Step(0, 1000);
    EXPECT_TRUE(screen->Changed_Region().isEmpty());
}

}  // namespace
}  // namespace plonk::test
