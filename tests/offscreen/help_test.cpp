// The help: its figures read from the machine's tables, its pictures from the program
// folder, its keys from the key table; the Help menu's window and About box.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <filesystem>
#include <map>
#include <regex>

#include "features/star_prize.h"
#include "machine/help_text.h"
#include "support/machine.h"
#include "tools/window_driver/window_harness.h"
#include "window/command_line.h"
#include "window/game_frame.h"
#include "window/help_window.h"

namespace plonk::test {
namespace {

// The cells of the rows under the header of the help's table of that class.
std::vector<std::vector<std::string>> Table_Cells(const std::string& html, const std::string& name) {
    const size_t from = html.find("<table class=\"" + name + "\"");
    const std::string table = html.substr(from, html.find("</table>", from) - from);
    std::vector<std::vector<std::string>> rows;
    const std::regex row("<tr>(.*?)</tr>"), cell("<td[^>]*>(.*?)</td>");
    for (auto r = std::sregex_iterator(table.begin(), table.end(), row); r != std::sregex_iterator(); ++r) {
        const std::string text = (*r)[1];
        std::vector<std::string> cells;
        for (auto c = std::sregex_iterator(text.begin(), text.end(), cell); c != std::sregex_iterator(); ++c)
            cells.push_back((*c)[1]);
        if (!cells.empty()) rows.push_back(cells);
    }
    return rows;
}

TEST(Help, OddsLaddersAreReadFromTheOddsTable) {
    Machine m;
    m->Init_Punten();
    m->Odds_Table(5, 4) = 777;  // the help must follow the table, whatever it holds
    const auto rows = Table_Cells(Help_Html(*m.M, Window_Keys()), "odds");
    ASSERT_EQ(rows.size(), 9u);
    for (int level = 1; level <= 9; ++level)
        for (int n = 3; n <= 5; ++n)
            EXPECT_EQ(rows[level - 1][n - 2], std::to_string(m->Odds_Table(level, n))) << level << "," << n;
    EXPECT_EQ(rows[4][2], "777");
}

TEST(Help, ExtraBallOddsAndStarPrizesFollowTheRules) {
    Machine m;
    m->Init_Punten();
    const std::string html = Help_Html(*m.M, Window_Keys());
    const auto extra = Table_Cells(html, "extra-balls");
    const struct {
        int Level, Balls;
        const char* Odds;
    } odds[] = {{1, 5, "1 in 9"}, {9, 5, "1 in 59"}, {1, 6, "1 in 12"}, {9, 9, "1 in 71"}};
    for (const auto& o : odds) EXPECT_EQ(extra.at(o.Level - 1).at(o.Balls - 4), o.Odds) << o.Level;
    const auto prizes = Table_Cells(html, "star-prizes");
    ASSERT_EQ(prizes.size(), 9u);
    // Red 4: yellow 6, red 4, white 5, green 4, lines A to C, no fifth ball, four stars.
    const std::vector<std::string> red4(prizes[3].begin(), prizes[3].begin() + 7);
    EXPECT_EQ(red4, (std::vector<std::string>{"4", "6", "4", "5", "4", "A to C", "no"}));
    EXPECT_NE(prizes[3][7].find(m->Pic_4Stars.Face), std::string::npos);
    EXPECT_EQ(prizes[0][5], "none");
    EXPECT_EQ(prizes[8][5], "A to E");
    EXPECT_EQ(prizes[8][6], "yes");
}

TEST(Help, EveryKeyIsListedAndEveryPictureExists) {
    Machine m;
    m->Init_Punten();
    const std::string html = Help_Html(*m.M, Window_Keys());
    std::set<std::string> keys;
    for (const auto& row : Table_Cells(html, "keys")) keys.insert(row[0]);
    for (const char* key :
         {"I", "X", "2",  "O",  "A",     "B",     "C",     "D",     "E",     "P",     "S",
          "-", "+", "F1", "F2", "Space", "Alt+S", "Alt+T", "Alt+A", "Alt+L", "Alt+C", "Ctrl+Q"})
        EXPECT_TRUE(keys.count(std::string("<b>") + key + "</b>")) << key;
    const std::regex img("<img src=\"([^\"]+)\">");
    int pictures = 0;
    for (auto i = std::sregex_iterator(html.begin(), html.end(), img); i != std::sregex_iterator();
         ++i, ++pictures) {
        if ((*i)[1] == Card_Picture_Name) continue;
        EXPECT_TRUE(std::filesystem::exists(PLONK_BIN_DIR "/" + (*i)[1].str())) << (*i)[1];
    }
    EXPECT_GT(pictures, 20);
}

struct Frame_Under_Test {
    Program_Folder Folder;
    QTemporaryDir Config;
    std::unique_ptr<Game_Frame> F;

    Frame_Under_Test() {
        App();
        Window_Options o;
        o.Settings_Path = Config.path().toStdString() + "/Plonk.ini";
        // Named as the program names its own folder: without the closing slash.
        o.Program_Folder = Folder.Path();
        while (o.Program_Folder.size() > 1 && o.Program_Folder.back() == '/') o.Program_Folder.pop_back();
        o.Ask = [](const std::string&, const std::string&) { return Answer::No; };
        F = std::make_unique<Game_Frame>(std::move(o));
    }
    QAction* Item(const char* name) { return F->Help_Menu()->findChild<QAction*>(name); }
};

TEST(Help, MenuOpensOneHelpWindowThatEscCloses) {
    Frame_Under_Test t;
    ASSERT_EQ(t.F->Start(), -1);
    for (const char* item : {"Menu_How_To_Play", "Menu_Keys", "Menu_How_To_Play"}) {
        ASSERT_NE(t.Item(item), nullptr) << item;
        t.Item(item)->trigger();
        const auto windows = t.F->findChildren<Help_Window*>();
        ASSERT_EQ(windows.size(), 1) << item;
        EXPECT_TRUE(windows[0]->isVisible());
        EXPECT_TRUE(windows[0]->toPlainText().contains("Keys"));
    }
    Help_Window* help = t.F->findChild<Help_Window*>();
    // The card picture was cut from the screen's background.
    const QImage card =
        help->document()->resource(QTextDocument::ImageResource, QUrl(Card_Picture_Name)).value<QImage>();
    EXPECT_EQ(card.width(), Card_Area(t.F->Face().Machine()).Width);
    // What the window draws at the picture's place is the card, not a broken picture:
    // most of the card's pixels are found on the window once it is scrolled there.
    int at = -1;
    for (QTextBlock b = help->document()->begin(); b.isValid() && at < 0; b = b.next())
        for (auto f = b.begin(); !f.atEnd(); ++f)
            if (f.fragment().charFormat().isImageFormat() &&
                f.fragment().charFormat().toImageFormat().name() == Card_Picture_Name)
                at = f.fragment().position();
    ASSERT_GE(at, 0);
    help->resize(900, 900);
    QTextCursor cursor(help->document());
    cursor.setPosition(at);
    help->setTextCursor(cursor);
    help->ensureCursorVisible();
    const QImage shown = help->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> card_colours;
    const QImage card_rgb = card.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < card_rgb.height(); ++y)
        for (int x = 0; x < card_rgb.width(); ++x) ++card_colours[card_rgb.pixel(x, y) & 0xFFFFFF];
    card_colours.erase(shown.pixel(0, 0) & 0xFFFFFF);  // the page's own background
    int found = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            found += card_colours.count(shown.pixel(x, y) & 0xFFFFFF) != 0;
    EXPECT_GE(found, card.width() * card.height() / 2);
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST(Help, AboutShowsTheVersionAndTheLicence) {
    Frame_Under_Test t;
    ASSERT_EQ(t.F->Start(), -1);
    t.Item("Menu_About")->trigger();
    auto* box = t.F->findChild<QMessageBox*>("About_Plonk");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(
        QString::fromStdString(Version_Text()).contains(QRegularExpression("^Plonk \\d+\\.\\d+\\.\\d+$")));
    EXPECT_TRUE(box->text().contains(QString::fromStdString(Version_Text())));
    EXPECT_TRUE(box->text().contains("MIT License"));
    EXPECT_TRUE(box->isVisible());
}

}  // namespace
}  // namespace plonk::test
