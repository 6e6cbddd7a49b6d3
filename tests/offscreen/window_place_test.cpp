// Where the window appears at start, and the icon it shows.
#include "window/window_place.h"

#include <gtest/gtest.h>

#include <QGridLayout>
#include <QScreen>
#include <QVBoxLayout>
#include <fstream>
#include <set>

#include "app/game_options.h"
#include "support/machine.h"
#include "tools/window_driver/window_harness.h"
#include "window/window_icon.h"

namespace plonk::test {
namespace {

TEST(WindowPlace, KeptPlacesAreClampedToTheirScreen) {
    const QRect left(0, 0, 800, 600), right(1920, 0, 1280, 1024);
    const struct {
        QPoint saved;
        QSize size;
        QRect area;
        QPoint at;
    } cases[] = {
        {{37, 52}, {300, 200}, left, {37, 52}},        {{700, 500}, {300, 200}, left, {500, 400}},
        {{-50, -20}, {300, 200}, left, {0, 0}},        {{100, 100}, {1000, 700}, left, {0, 0}},
        {{3100, 900}, {300, 200}, right, {2900, 824}}, {{37, 52}, {300, 200}, right, {1920, 52}},
    };
    for (const auto& c : cases) EXPECT_EQ(Clamped_Place(c.saved, c.size, c.area), c.at) << c.saved.x();
}

TEST(WindowPlace, RestoredOnItsScreenOrCentredOnThePrimary) {
    App();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const std::string primary = QGuiApplication::primaryScreen()->name().toStdString();
    const struct {
        std::string ini;
        QPoint at;
    } cases[] = {
        {"Window_X=37\nWindow_Y=52\nScreen=" + primary, {37, 52}},
        {"Window_X=99999\nWindow_Y=-5\nScreen=" + primary, {area.right() + 1 - 200, area.top()}},
        {"Window_X=37\nWindow_Y=52\nScreen=gone", Centred_Place({200, 100}, area)},
        {"Window_X=37\nScreen=" + primary, {3, 4}},  // no place kept: left alone
    };
    for (const auto& c : cases) {
        Temp_Folder folder;
        std::ofstream(folder.File("Plonk.ini")) << "[Options]\n" << c.ini << "\n";
        QWidget window;
        window.setFixedSize(200, 100);
        window.move(3, 4);
        Restore_Place(window, Game_Options(folder.File("Plonk.ini")));
        EXPECT_EQ(window.pos(), c.at) << c.ini;
    }
    // What is kept is found again.
    Temp_Folder folder;
    const Game_Options options(folder.File("Plonk.ini"));
    QWidget kept, next;
    kept.move(61, 47);
    std::string error;
    ASSERT_TRUE(options.Put(Place_Values(kept, kept.pos()), &error)) << error;
    Restore_Place(next, options);
    EXPECT_EQ(next.pos(), QPoint(61, 47));
}

TEST(WindowPlace, TheOuterSizeOfAHiddenWindowFollowsAPartsNewSize) {
    App();
    // A window whose part sits in a holder of its own, as the face does in the frame.
    QWidget window;
    auto* outer = new QVBoxLayout(&window);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* holder = new QWidget(&window);
    auto* inner = new QGridLayout(holder);
    auto* part = new QWidget(holder);
    part->setFixedSize(100, 50);
    inner->addWidget(part, 0, 0);
    outer->addWidget(holder);
    const QSize before = Outer_Size(window);
    part->setFixedSize(200, 100);
    EXPECT_EQ(Outer_Size(window), before + QSize(100, 50));
}

TEST(WindowIcon, FoundBesideTheGamesData) {
    App();
    // Every size the theme holds up to 128 pixels, taken from the folders' names.
    std::set<std::pair<int, int>> sizes;
    for (const QSize& size : Game_Icon(PLONK_BIN_DIR).availableSizes())
        sizes.insert({size.width(), size.height()});
    EXPECT_EQ(sizes,
              (std::set<std::pair<int, int>>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
    Temp_Folder empty;
    EXPECT_TRUE(Game_Icon(empty.Path()).isNull());
}

// The image plugins this process has loaded, as their library files.
std::set<std::string> Image_Plugins() {
    std::set<std::string> found;
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.find("/imageformats/") != std::string::npos) found.insert(line.substr(line.find('/')));
    return found;
}

TEST(WindowIcon, DrawnWithoutLoadingTheImagePlugins) {
    App();
    const std::set<std::string> before = Image_Plugins();
    const QPixmap drawn = Game_Icon(PLONK_BIN_DIR).pixmap(QSize(32, 32));
    EXPECT_EQ(drawn.size(), QSize(32, 32));
    EXPECT_EQ(Image_Plugins(), before);
}

}  // namespace
}  // namespace plonk::test
