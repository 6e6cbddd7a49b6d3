// The card lamps as the X display shows them, with some holes taken and a line moved,
// and a caption changed and a panel shown: each by the machine's refresh, with no event run.
#include <gtest/gtest.h>

#include <QTest>
#include <set>

#include "app/picture_names.h"
#include "card/lamp_picture.h"
#include "tools/window_driver/flight_watch.h"
#include "xvfb_window/screen_shot.h"

namespace plonk::test {
namespace {

TEST(WindowLamps, TheScreenShowsTheTakenHolesLitAfterALineMoved) {
    Watched_Game g;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g.W.get()));
    g.New_Game();
    Hoofdvenster& m = g.M();
    // Room for line A to move, then a move by its button.
    m.Line_Level = 10;
    const Integer before = m.Line_Pos(0);
    g.W->Run("Knop_A_Click", [&m] { m.Knop_A_Click(); });
    ASSERT_NE(m.Line_Pos(0), before);

    const std::set<int> taken = {1, 7, 13, 19, 25};
    for (int n : taken) m.Hole_State(n) = 1;
    g.W->Run("Set_Lites", [&m] { m.Set_Lites(); });
    g.W->Refresh();
    const QImage shot = Grab_Display("lamps_line_a_moved.png");
    ASSERT_FALSE(shot.isNull());

    // Every lamp shows the picture of the number its line puts there, lit exactly when
    // that hole is taken, and not the picture of the other state.
    int lit = 0;
    for (int line = 0; line < 5; ++line) {
        for (int column = 0; column < 10; ++column) {
            const int n = m.Card_Numbers(m.Line_Pos(line), column, line);
            const bool on = taken.count(n) == 1;
            const bool mid = card::Mid_Lamp(column, m.Line_Pos(line));
            const QRect place = On_Display(*g.W, m.Lites(line * 10 + column));
            SCOPED_TRACE(testing::Message() << "line " << line << " column " << column << " number " << n);
            EXPECT_TRUE(Shows_Picture(shot, place, g.Folder.File(Lamp_File(n, on, mid))));
            EXPECT_FALSE(Shows_Picture(shot, place, g.Folder.File(Lamp_File(n, !on, mid))));
            lit += on;
        }
    }
    // Each number stands twice on the card, whatever the lines' positions.
    EXPECT_EQ(lit, 2 * static_cast<int>(taken.size()));
}

TEST(WindowLamps, TheRefreshShowsAChangedCaptionAndAShownPanelAtOnce) {
    Watched_Game g;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g.W.get()));
    Hoofdvenster& m = g.M();
    const QRect place(g.W->mapToGlobal(Main_Window::Face_Place(m.Label1).topLeft()),
                      Main_Window::Face_Place(m.Label1).size());
    // The caption, then none: the refresh alone must take the letters away.
    const QImage with = Grab_Display("caption_shown.png").copy(place);
    m.Label1.Caption = "";
    g.W->Refresh();
    const QImage gone = Grab_Display("caption_gone.png");
    const QImage without = gone.copy(place);
    ASSERT_FALSE(with.isNull());
    ASSERT_FALSE(without.isNull());
    std::set<QRgb> colours_with, colours_without;
    for (int y = 0; y < place.height(); ++y) {
        for (int x = 0; x < place.width(); ++x) {
            colours_with.insert(with.pixel(x, y));
            colours_without.insert(without.pixel(x, y));
        }
    }
    EXPECT_GT(colours_with.size(), 1u);
    EXPECT_EQ(colours_without.size(), 1u);

    // A panel on the screen shown, as the tips show theirs while they are worked out.
    const QRect panel = On_Display(*g.W, m.Calc_Tip);
    m.Calc_Tip.Visible = true;
    g.W->Refresh();
    EXPECT_NE(Grab_Display("panel_shown.png").copy(panel), gone.copy(panel));
}

}  // namespace
}  // namespace plonk::test
