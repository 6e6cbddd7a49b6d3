// A game in the real window on the X display: while a win is counted up, the status
// line names it and its row is framed on the card, and both stay after the count-up,
// also when the last ball paid and the game is over. The two screenshots of the whole
// window kept here, "board_fresh.png" and "board_winning_row.png", are the README's.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <chrono>
#include <functional>

#include "tools/window_driver/window_harness.h"
#include "window/game_frame.h"
#include "window/row_mark.h"
#include "xvfb_window/screen_shot.h"

namespace plonk::test {
namespace {

// Plays nothing, but tells of every sound the machine plays.
class Heard_Sound : public Sound_Output {
public:
    explicit Heard_Sound(std::function<void(const std::string&)>& heard) : heard_(heard) {}
    bool Open() override { return true; }
    bool Ready() const override { return true; }
    int32_t Load(const std::string& path) override {
        files_.push_back(path);
        return static_cast<int32_t>(files_.size() - 1);
    }
    void Play(int32_t handle) override {
        if (heard_) heard_(files_.at(static_cast<size_t>(handle)));
    }
    void Close() override {}

private:
    std::function<void(const std::string&)>& heard_;
    std::vector<std::string> files_;
};

// The whole window as the display shows it, kept as `name`.
QImage Grab_Frame(QWidget& frame, const std::string& name) {
    const QImage display = Grab_Display(name);
    const QImage shot = display.copy(QRect(frame.mapToGlobal(QPoint(0, 0)), frame.size()));
    shot.save(QString::fromStdString(Shot_Path(name)));
    return display;
}

// The lamp wears the frame of a paid row on the display: light outside, dark inside.
bool Framed(const QImage& display, Main_Window& face, const Control& lamp) {
    const QPoint ring = On_Display(face, lamp).topLeft() - QPoint(Row_Mark::kGap + Row_Mark::kWidth, 0);
    return (display.pixel(ring) & 0xFFFFFF) == 0xFFFFFF &&
           (display.pixel(ring + QPoint(Row_Mark::kWidth - 1, 0)) & 0xFFFFFF) == 0;
}

TEST(WindowWinOnCard, TheStatusLineNamesAWinWhileItsRowIsFramedOnTheCard) {
    App();
    Program_Folder folder;
    QTemporaryDir config;
    std::function<void(const std::string&)> heard;
    Window_Options o;
    o.Settings_Path = config.path().toStdString() + "/Plonk.ini";
    o.Program_Folder = folder.Path();
    o.Sound = std::make_unique<Heard_Sound>(heard);
    Game_Frame frame(std::move(o));
    ASSERT_LT(frame.Start(), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    Main_Window& face = frame.Face();
    Hoofdvenster& m = face.Machine();
    face.Refresh();
    ASSERT_FALSE(Grab_Frame(frame, "board_fresh.png").isNull());

    // A game with raised odds, four balls played and a yellow row of four lit (line
    // A at rest: holes 5, 14, 8 and 6) among other lit holes.
    face.Run_Event("Knop_P", Event_Kind::Click);
    face.Run("Invest_Points", [&m] { m.Invest_Points(); });
    m.Yellow_Level = 6, m.Red_Level = 4, m.White_Level = 5, m.Green_Level = 3;
    m.Balls_Played = 4;
    for (int i = 0; i < 4; ++i) m.Image_Bal(i).Visible = false;
    for (int hole : {5, 14, 8, 6, 19, 23, 3}) m.Hole_State(hole) = 1;
    face.Run("Set_Lites", [&m] {
        m.Set_Scoreboard();
        m.Set_Lites();
    });

    // At the third step of the first count-up: what the status line says, and the
    // display.
    Game_Event first{};
    int steps = 0;
    QString said;
    QImage shot;
    QImage counted;  // the display once the first count-up is over
    face.Listen([&](const Game_Event& e) {
        if (e.Kind == Game_Event_Kind::Payment && first.Cells == 0) first = e;
        if (e.Kind == Game_Event_Kind::Payment_Counted && counted.isNull())
            counted = Grab_Display("counted.png");
    });
    const QImage before = Grab_Display("before.png");
    heard = [&](const std::string& file) {
        if (file.ends_with("Scores.wav") && ++steps == 3) {
            said = frame.Status_Text();
            shot = Grab_Frame(frame, "board_winning_row.png");
        }
    };
    face.Run("Knop_S_Click", [&m] { m.Knop_S_Click(); });
    ASSERT_FALSE(shot.isNull());

    EXPECT_EQ(first.Win, Win_Kind::Yellow);
    EXPECT_EQ(first.Count, 4);
    EXPECT_EQ(said.toStdString(), "Yellow zone, row of 4: " + std::to_string(first.Points) + " points");
    // During the count-up every lamp of the row wears its frame on the display, light
    // outside and dark inside, and no other lamp does; so when it is over.
    ASSERT_FALSE(counted.isNull());
    for (int i = 0; i < 50; ++i) {
        auto framed = [&](const QImage& display) { return Framed(display, face, m.Lites(i)); };
        EXPECT_EQ(framed(shot), (first.Cells >> i & 1) == 1) << "lamp " << i;
        EXPECT_EQ(framed(counted), (first.Cells >> i & 1) == 1) << "lamp " << i;
    }
    // The status line's words were on the display during the count-up already: they
    // look as they do when it is over, and not as the line did before.
    auto* line = frame.findChild<QLabel*>("Status_Line");
    const QRect words(line->mapToGlobal(QPoint(0, 0)), line->size());
    EXPECT_EQ(shot.copy(words), counted.copy(words));
    EXPECT_NE(shot.copy(words), before.copy(words));
}

TEST(WindowWinOnCard, ASmallRowPaidByTheLastBallStaysFramedAndNamedAfterItsCountUp) {
    App();
    Program_Folder folder;
    QTemporaryDir config;
    Window_Options o;
    o.Settings_Path = config.path().toStdString() + "/Plonk.ini";
    o.Program_Folder = folder.Path();
    Game_Frame frame(std::move(o));
    ASSERT_LT(frame.Start(), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    Main_Window& face = frame.Face();
    Hoofdvenster& m = face.Machine();
    // The fifth ball to play, automatic scanning on, and the yellow row of three on
    // line A lit and not paid yet (line A at rest: holes 5, 14 and 8) at level 1.
    face.Run_Event("Knop_P", Event_Kind::Click);
    face.Run("Invest_Points", [&m] { m.Invest_Points(); });
    m.Balls_Played = 4;
    for (int i = 0; i < 4; ++i) m.Image_Bal(i).Visible = false;
    for (int hole : {5, 14, 8}) m.Hole_State(hole) = 1;
    face.Run("Set_Lites", [&m] { m.Set_Lites(); });

    Game_Event paid{};
    std::chrono::steady_clock::time_point counted;
    face.Listen([&](const Game_Event& e) {
        if (e.Kind == Game_Event_Kind::Payment && paid.Cells == 0) paid = e;
        if (e.Kind == Game_Event_Kind::Payment_Counted) counted = std::chrono::steady_clock::now();
    });
    // The last ball; one that runs into the drain comes back and is shot again.
    for (int shot = 0; shot < 10 && !m.Game_Over; ++shot) face.Run_Event("Knop_Bal", Event_Kind::Click);
    ASSERT_TRUE(m.Game_Over);
    ASSERT_EQ(paid.Win, Win_Kind::Yellow);
    ASSERT_EQ(paid.Points, 4);

    // A second after the count-up ended: the row is framed, and the status line names
    // the payment with the end of the game, as the display shows it.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return std::chrono::steady_clock::now() - counted >= std::chrono::seconds(1); }));
    const QImage shot = Grab_Frame(frame, "last_ball_paid.png");
    for (int i = 0; i < 50; ++i)
        if (paid.Cells >> i & 1) {
            EXPECT_TRUE(Framed(shot, face, m.Lites(i))) << "lamp " << i;
        }
    const std::string said = frame.Status_Text().toStdString();
    EXPECT_NE(said.find("Yellow zone, row of 3: 4 points"), std::string::npos) << said;
    EXPECT_EQ(said.rfind("All 5 balls played: ", 0), 0u) << said;
    // The line on the display is the line as it is painted now, and it holds text.
    auto* line = frame.findChild<QLabel*>("Status_Line");
    const QRect words(line->mapToGlobal(QPoint(0, 0)), line->size());
    line->repaint();
    const QImage again = Grab_Display("last_ball_paid_again.png");
    EXPECT_EQ(shot.copy(words), again.copy(words));
    EXPECT_GT(shot.copy(words).convertToFormat(QImage::Format_Indexed8).colorCount(), 1);
}

}  // namespace
}  // namespace plonk::test
