// The window's real questions, answered by keys as a player would: Return never
// forgets the statistics, and the quit question says what No does.
#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/file_read.h"
#include "stats/statistics_file.h"
#include "stats/statistics_json.h"
#include "support/machine.h"
#include "tools/window_driver/window_harness.h"
#include "window/game_frame.h"
#include "window/statistics_window.h"

namespace plonk::test {
namespace {

// The game in its frame with the window's own message boxes.
struct Asked_Frame {
    Program_Folder Folder;
    QTemporaryDir Config;
    std::unique_ptr<Game_Frame> F;

    Asked_Frame() {
        App();
        Window_Options o;
        o.Settings_Path = Ini();
        o.Program_Folder = Folder.Path();
        F = std::make_unique<Game_Frame>(std::move(o));
    }
    std::string Ini() const { return Config.path().toStdString() + "/Plonk.ini"; }
    std::string Statistics_Text() const { return Read_Whole(Statistics_Path_Beside(Ini()), 1 << 20).Bytes; }
};

// While the returned timer lives, every message box that waits for an answer is
// handed to `answer`, once, and `asked` is set.
std::unique_ptr<QTimer> When_Asked(std::function<void(QMessageBox&)> answer, bool* asked) {
    *asked = false;
    auto poll = std::make_unique<QTimer>();
    poll->setInterval(20);
    QObject::connect(poll.get(), &QTimer::timeout, [answer, asked, seen = QPointer<QMessageBox>()]() mutable {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == seen) return;
        seen = box;
        *asked = true;
        answer(*box);
    });
    poll->start();
    return poll;
}

TEST(Questions, ReturnReturnInTheStatisticsWindowLeavesTheStatisticsAsTheyWere) {
    Asked_Frame t;
    Statistics kept;
    kept.Points_Inserted = 5000;
    Write_File(Statistics_Path_Beside(t.Ini()), Statistics_To_Json(kept));
    ASSERT_EQ(t.F->Start(), -1);
    const std::string before = t.Statistics_Text();
    ASSERT_NE(before.find("\"points_inserted\": 5000"), std::string::npos) << before;
    t.F->findChild<QAction*>("Menu_Statistics")->trigger();
    auto* stats = t.F->findChild<Statistics_Window*>("Statistics_Window");
    ASSERT_NE(stats, nullptr);
    // No button of the window is its default.
    for (QPushButton* b : stats->findChildren<QPushButton*>()) {
        EXPECT_FALSE(b->isDefault()) << b->text().toStdString();
        EXPECT_FALSE(b->autoDefault()) << b->text().toStdString();
    }
    // Return, and Return again in a question if one comes.
    bool asked = false;
    auto answers = When_Asked([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, &asked);
    QWidget* focus = stats->focusWidget() ? stats->focusWidget() : stats;
    QTest::keyClick(focus, Qt::Key_Return);
    QTest::keyClick(stats->focusWidget() ? stats->focusWidget() : stats, Qt::Key_Return);
    EXPECT_EQ(t.Statistics_Text(), before);
    // The reset asks with No as the answer Return gives.
    answers = When_Asked(
        [](QMessageBox& box) {
            EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::No));
            QTest::keyClick(&box, Qt::Key_Return);
        },
        &asked);
    stats->Reset_Asked();
    EXPECT_TRUE(asked);
    EXPECT_EQ(t.Statistics_Text(), before);
}

TEST(Questions, TheQuitQuestionSaysWhatNoDoesAndEscapeStillCancels) {
    Asked_Frame t;
    ASSERT_EQ(t.F->Start(), -1);
    bool asked = false;
    const auto answers = When_Asked(
        [](QMessageBox& box) {
            EXPECT_EQ(box.text(), "Save score for next session ?");
            EXPECT_EQ(box.windowTitle(), "Save scores");
            EXPECT_EQ(box.informativeText(), "No starts the next session from 0 credits.");
            EXPECT_NE(box.button(QMessageBox::Yes), nullptr);
            EXPECT_NE(box.button(QMessageBox::No), nullptr);
            EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
            QTest::keyClick(&box, Qt::Key_Escape);
        },
        &asked);
    EXPECT_FALSE(t.F->close());
    EXPECT_TRUE(asked);
    EXPECT_FALSE(t.F->Face().Ended());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(t.Ini())));
}

TEST(Questions, ACloseDuringAGameIsRefusedWithAWordOnTheStatusLine) {
    const std::string refused = "The machine closes only between games: play this game's balls first";
    const struct {
        const char* how;
        std::function<void(Game_Frame&)> close;
    } ways[] = {
        {"the close box", [](Game_Frame& f) { f.close(); }},
        {"the Close button",
         [](Game_Frame& f) { qobject_cast<QPushButton*>(f.Face().Widget_For("Knop_Sluiten"))->click(); }},
        {"Game, Close", [](Game_Frame& f) { f.findChild<QAction*>("Menu_Close")->trigger(); }},
    };
    for (const auto& way : ways) {
        Asked_Frame t;
        ASSERT_EQ(t.F->Start(), -1);
        Main_Window& face = t.F->Face();
        face.Run_Event("Knop_P", Event_Kind::Click);
        face.Run("Invest_Points", [&face] { face.Machine().Invest_Points(); });
        ASSERT_FALSE(face.Machine().Game_Over);
        bool asked = false;
        const auto answers = When_Asked([](QMessageBox& box) { box.reject(); }, &asked);
        way.close(*t.F);
        EXPECT_FALSE(asked) << way.how;
        EXPECT_FALSE(face.Ended()) << way.how;
        EXPECT_TRUE(t.F->isVisible()) << way.how;
        EXPECT_EQ(t.F->Status_Text().toStdString(), refused) << way.how;
    }
}

}  // namespace
}  // namespace plonk::test
