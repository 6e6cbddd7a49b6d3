// The face shown larger: every control and every child of the game screen lies at
// its enlarged place and is found there.
#include <gtest/gtest.h>

#include "tools/window_driver/window_harness.h"
#include "window/screen_widget.h"

namespace plonk::test {
namespace {

TEST(Zoom, EveryControlLiesAndIsFoundAtItsEnlargedPlace) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    Screen_Widget* screen = t.W->Screen();
    std::vector<std::pair<QPoint, const Control*>> plain;  // a point in each child, what lies there
    for (const Control* c : t.M().All_Controls())
        if (c->Container == "Pic_Scherm" && c->Visible) {
            const QPoint p(c->Left + Screen_Widget::kBorder + c->Width / 2,
                           c->Top + Screen_Widget::kBorder + 1);
            plain.emplace_back(p, screen->Control_At(p));
        }
    for (const int zoom : {2, 3, 1}) {
        SCOPED_TRACE(zoom);
        t.W->Set_Zoom(zoom);
        EXPECT_EQ(t.W->size(), QSize(663, 534) * zoom);
        for (const auto& [point, hit] : plain)
            for (const QPoint in_block : {point * zoom, point * zoom + QPoint(zoom - 1, zoom - 1)})
                EXPECT_EQ(screen->Control_At(in_block), hit) << hit->Name;
        for (const Control* c : t.M().All_Controls())
            if (QWidget* w = t.W->Widget_For(c->Name)) {
                const QRect p = Main_Window::Face_Place(*c);
                EXPECT_EQ(w->geometry(), QRect(p.topLeft() * zoom, p.size() * zoom)) << c->Name;
            }
    }
}

}  // namespace
}  // namespace plonk::test
