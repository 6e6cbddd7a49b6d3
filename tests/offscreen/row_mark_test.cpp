// The paid row is framed on the card while it is counted up, and only then.
#include <gtest/gtest.h>

#include "offscreen/window_harness.h"
#include "window/screen_widget.h"

namespace plonk::test {
namespace {

// The screen as painted now.
QImage Screen_Now(Main_Window& w) {
    return w.Screen()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(RowMark, ThePaidCellsAreFramedDuringTheCountUpAndTheCardLooksAsBeforeAfterIt) {
    Window_Under_Test w;
    w.Start();
    Hoofdvenster& m = w.M();
    w.W->Run_Event("Knop_P", Event_Kind::Click);
    w.W->Run("Invest_Points", [&m] { m.Invest_Points(); });
    // A yellow row of three on line A at rest, and one lit hole beside it.
    m.Balls_Played = 4;
    for (int hole : {5, 14, 8, 2}) m.Hole_State(hole) = 1;
    w.W->Run("Set_Lites", [&m] { m.Set_Lites(); });
    const QImage before = Screen_Now(*w.W);

    // Each lamp's frame at the payment, and after its count-up, on its outer ring
    // (white) and its inner ring (black); every pixel of the card outside the frames
    // as it was.
    uint64_t marked = 0;
    int payments = 0;
    w.W->Listen([&](const Game_Event& e) {
        const QImage now = Screen_Now(*w.W);
        if (e.Kind == Game_Event_Kind::Payment) {
            ++payments;
            marked = e.Cells;
            EXPECT_EQ(w.W->Screen()->Mark().Cells(), e.Cells);
        }
        for (int i = 0; i < 50; ++i) {
            const Control& lamp = m.Lites(i);
            const int grow = Row_Mark::kGap + Row_Mark::kWidth;
            const QPoint outer(lamp.Left - grow + Screen_Widget::kBorder, lamp.Top + Screen_Widget::kBorder);
            const bool framed = e.Kind == Game_Event_Kind::Payment && (marked >> i & 1);
            SCOPED_TRACE(testing::Message() << "lamp " << i << " event " << static_cast<int>(e.Kind));
            EXPECT_EQ(
                now.pixel(outer) == qRgb(255, 255, 255) && now.pixel(outer + QPoint(1, 0)) == qRgb(0, 0, 0),
                framed);
            if (!framed) {
                EXPECT_EQ(now.pixel(outer), before.pixel(outer));
            }
        }
    });
    w.W->Run("Knop_S_Click", [&m] { m.Knop_S_Click(); });
    EXPECT_EQ(payments, 1);
    EXPECT_EQ(marked, 0b111u);  // A0, A1, A2: holes 5, 14 and 8
    EXPECT_EQ(w.W->Screen()->Mark().Cells(), 0u);
}

}  // namespace
}  // namespace plonk::test
