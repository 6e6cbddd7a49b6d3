// The player's statistics in the real window on an X display: a game played updates
// the statistics file, and after a restart the Statistics window shows the same
// totals and draws the chart of the games.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "app/file_read.h"
#include "stats/statistics_file.h"
#include "stats/statistics_json.h"
#include "stats/statistics_text.h"
#include "tools/window_driver/window_harness.h"
#include "window/game_frame.h"
#include "window/statistics_chart.h"
#include "window/statistics_window.h"
#include "xvfb_window/screen_shot.h"

namespace plonk::test {
namespace {

struct Framed_Game {
    Program_Folder Folder;
    QTemporaryDir Config;
    std::deque<Answer> Answers;  // of the next questions; Yes when empty
    std::unique_ptr<Game_Frame> F;

    Framed_Game() {
        App();
        std::ofstream(Ini()) << "[Speed]\nValue=99\n[Speed_Offset]\nValue=1\n";
    }
    std::string Ini() const { return Config.path().toStdString() + "/Plonk.ini"; }
    // The game started afresh, as a new run of the program.
    void Start() {
        F.reset();
        Window_Options o;
        o.Settings_Path = Ini();
        o.Program_Folder = Folder.Path();
        o.Ask = [this](const std::string&, const std::string&) {
            const Answer a = Answers.empty() ? Answer::Yes : Answers.front();
            if (!Answers.empty()) Answers.pop_front();
            return a;
        };
        o.Tell = [](const std::string&, const std::string&) {};
        F = std::make_unique<Game_Frame>(std::move(o));
        F->Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(F.get()));
    }
    std::optional<Statistics> Saved() const {
        return Statistics_From_Json(Read_Whole(Statistics_Path_Beside(Ini()), 1 << 20).Bytes).Data;
    }
    Statistics_Window* Open_Statistics() {
        F->findChild<QAction*>("Menu_Statistics")->trigger();
        auto* w = F->findChild<Statistics_Window*>("Statistics_Window");
        EXPECT_TRUE(w && QTest::qWaitForWindowExposed(w));
        return w;
    }
    // The value the window shows in its row `i`.
    static std::string Shown(Statistics_Window* w, size_t i) {
        auto* l = w->findChild<QLabel*>(QString("Statistics_Value_%1").arg(i));
        return l ? l->text().toStdString() : "(no row)";
    }
};

// The pixels of the chart on the display that have exactly this colour.
int Pixels_Of(const QImage& shot, const QRect& place, const QColor& colour) {
    int n = 0;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x)
            n += (shot.pixel(x, y) & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF);
    return n;
}

TEST(WindowStatistics, AGamePlayedIsSavedAndShownAgainAfterARestart) {
    Framed_Game g;
    g.Start();
    Main_Window& face = g.F->Face();
    Hoofdvenster& m = face.Machine();
    for (int game = 1; game <= 2; ++game) {
        face.Run("Knop_P_Click", [&m] { m.Knop_P_Click(); });
        for (int invest = 0; invest < 4; ++invest) face.Run("Invest_Points", [&m] { m.Invest_Points(); });
        for (int shot = 0; shot < 60 && !m.Game_Over; ++shot)
            face.Run("Knop_Bal_Click", [&m] { m.Knop_Bal_Click(); });
        ASSERT_TRUE(QTest::qWaitFor([&] { return g.Saved() && g.Saved()->Games_Played == game; }, 5000))
            << "game " << game << " is not in the statistics file";
    }
    const Statistics saved = *g.Saved();
    EXPECT_EQ(saved.Points_Inserted, 200);
    EXPECT_EQ(saved.Spent_On[int(Spend::Game_Start)], 2);
    EXPECT_EQ(saved.Draws_Bought(), 6);
    EXPECT_EQ(saved.Points_Inserted - saved.Spent() + saved.Won(), m.Main_Score);

    g.Start();
    Statistics_Window* w = g.Open_Statistics();
    ASSERT_NE(w, nullptr);
    const std::vector<Statistics_Row> rows = Statistics_Rows(saved);
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(Framed_Game::Shown(w, i), rows[i].Value) << rows[i].Name;
    EXPECT_EQ(Framed_Game::Shown(w, 0), "2");

    // The chart on the screen: a bar for each game and the balance line.
    w->Chart()->repaint();
    const QImage shot = Grab_Display("statistics_chart.png");
    ASSERT_FALSE(shot.isNull());
    const QRect chart(w->Chart()->mapToGlobal(QPoint(0, 0)), w->Chart()->size());
    EXPECT_GT(
        Pixels_Of(shot, chart, Statistics_Chart::kWin) + Pixels_Of(shot, chart, Statistics_Chart::kLoss), 20);
    EXPECT_GT(Pixels_Of(shot, chart, Statistics_Chart::kBalance), 5);

    // "Reset statistics" asks first: No keeps them, Yes forgets them in the file too.
    g.Answers = {Answer::No, Answer::Yes};
    auto* reset = w->findChild<QPushButton*>("Reset_Statistics");
    reset->click();
    EXPECT_EQ(g.Saved()->Games_Played, 2);
    reset->click();
    EXPECT_EQ(*g.Saved(), Statistics{});
    EXPECT_EQ(Framed_Game::Shown(w, 0), "0");
}

}  // namespace
}  // namespace plonk::test
