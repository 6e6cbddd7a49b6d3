// The page's game screen as drawing commands: what changed is painted, in the
// window's order, with the paid row's frames over the card.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/machine.h"
#include "web/screen_scene.h"

namespace plonk::test {
namespace {

struct Command {
    int32_t Op;
    std::vector<int32_t> Numbers;
};

// The commands one by one, with the numbers each takes.
std::vector<Command> Commands(const std::vector<int32_t>& ops) {
    std::vector<Command> out;
    for (size_t i = 0; i < ops.size();) {
        const int32_t op = ops[i++];
        size_t n = 0;
        switch (op) {
            case Op_Clip:
                n = 1 + 4 * static_cast<size_t>(ops[i]);
                break;
            case Op_Fill:
            case Op_Panel:
            case Op_Text:
                n = 5;
                break;
            case Op_Picture:
                n = 3;
                break;
            case Op_Push:
                n = 4;
                break;
            case Op_Pop:
                n = 0;
                break;
            default:
                ADD_FAILURE() << "unknown command " << op;
                return out;
        }
        out.push_back({op, std::vector<int32_t>(ops.begin() + static_cast<long>(i),
                                                ops.begin() + static_cast<long>(i + n))});
        i += n;
    }
    return out;
}

// The boxes the commands paint in.
std::vector<Box> Clip_Of(const std::vector<Command>& commands) {
    for (const Command& c : commands) {
        if (c.Op != Op_Clip) continue;
        std::vector<Box> boxes;
        for (int k = 0; k < c.Numbers[0]; ++k)
            boxes.push_back(
                {c.Numbers[1 + 4 * k], c.Numbers[2 + 4 * k], c.Numbers[3 + 4 * k], c.Numbers[4 + 4 * k]});
        return boxes;
    }
    return {};
}

bool Paints_Picture(Screen_Scene& s, const std::vector<Command>& commands, const std::string& path, int x,
                    int y) {
    return std::any_of(commands.begin(), commands.end(), [&](const Command& c) {
        return c.Op == Op_Picture && s.Name(c.Numbers[2]) == path && c.Numbers[0] == x && c.Numbers[1] == y;
    });
}

struct Scene_Test : ::testing::Test {
    Machine M;
    Screen_Scene Scene{*M.M};
    Scene_Test() {
        M.Tk.Check_Pictures = false;
        M.Load();
    }
};

TEST_F(Scene_Test, FirstPaintsTheWholeScreenThenOnlyWhatChanged) {
    const auto first = Commands(Scene.Changes());
    ASSERT_EQ(Clip_Of(first), (std::vector<Box>{{0, 0, 644, 484}}));
    EXPECT_TRUE(Paints_Picture(Scene, first, M->App_Folder + M->Pic_Scherm.Face, 2, 2));
    EXPECT_EQ(std::count_if(first.begin(), first.end(), [](const Command& c) { return c.Op == Op_Panel; }),
              1);
    EXPECT_TRUE(Scene.Changes().empty());

    // A lamp lit: its own box (old and new place), with the lamp's new picture at it.
    Control& lamp = M->Lites(12);
    M->Load_Picture(lamp, "12-on.gif");
    const auto lit = Commands(Scene.Changes());
    const Box place{lamp.Left + 2, lamp.Top + 2, lamp.Width, lamp.Height};
    EXPECT_EQ(Clip_Of(lit), (std::vector<Box>{place, place}));
    EXPECT_TRUE(Paints_Picture(Scene, lit, lamp.Picture, place.Left, place.Top));
    // The screen's border, which never changes, is not painted again.
    EXPECT_TRUE(std::none_of(lit.begin(), lit.end(), [](const Command& c) { return c.Op == Op_Panel; }));
    // Pictures that lie elsewhere are left out.
    EXPECT_FALSE(Paints_Picture(Scene, lit, M->Lites(0).Picture, M->Lites(0).Left + 2, M->Lites(0).Top + 2));
}

TEST_F(Scene_Test, APaymentFramesItsCellsUntilThePlayerActs) {
    Scene.Changes();
    ASSERT_TRUE(Scene.Follow({.Kind = Game_Event_Kind::Payment, .Cells = 1}));
    const auto framed = Commands(Scene.Changes());
    const Control& lamp = M->Lites(0);
    const Box frame{lamp.Left + 2 - 3, lamp.Top + 2 - 3, lamp.Width + 6, lamp.Height + 6};
    EXPECT_EQ(Clip_Of(framed), (std::vector<Box>{frame}));
    // Rings from the outside in: light, light, dark, each as four strips.
    std::vector<int32_t> ring_colours;
    for (const Command& c : framed)
        if (c.Op == Op_Fill && c.Numbers[0] >= frame.Left && c.Numbers[0] < frame.Left + 3 &&
            c.Numbers[3] > 1)
            ring_colours.push_back(c.Numbers[4]);
    EXPECT_EQ(ring_colours, (std::vector<int32_t>{0xFFFFFF, 0xFFFFFF, 0x000000}));
    // The count-up's end keeps the frame readable; the player's next action ends it.
    EXPECT_FALSE(Scene.Follow({.Kind = Game_Event_Kind::Payment_Counted}));
    ASSERT_TRUE(Scene.End_Marks());
    EXPECT_EQ(Clip_Of(Commands(Scene.Changes())), (std::vector<Box>{frame}));
    EXPECT_FALSE(Scene.End_Marks());
}

TEST_F(Scene_Test, LinesArePaintedAsRunsOfTheirPixels) {
    Scene.Changes();
    Control& bar = M->Pic_Kracht;
    bar.Lines.clear();
    bar.Draw_Line(0, 4, 10, 4, 0x123456);
    bar.Draw_Line(3, 0, 3, 3, 0x654321);
    std::vector<std::vector<int32_t>> fills;
    for (const Command& c : Commands(Scene.Changes()))
        if (c.Op == Op_Fill && (c.Numbers[4] == 0x123456 || c.Numbers[4] == 0x654321))
            fills.push_back(c.Numbers);
    const int x = bar.Left + 2, y = bar.Top + 2;
    EXPECT_EQ(fills, (std::vector<std::vector<int32_t>>{{x, y + 4, 10, 1, 0x123456},
                                                        {x + 3, y, 1, 1, 0x654321},
                                                        {x + 3, y + 1, 1, 1, 0x654321},
                                                        {x + 3, y + 2, 1, 1, 0x654321}}));
}

}  // namespace
}  // namespace plonk::test
