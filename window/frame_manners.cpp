#include "window/frame_manners.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "app/game_options.h"
#include "window/game_frame.h"
#include "window/screen_widget.h"
#include "window/window_icon.h"
#include "window/window_place.h"
#include "window/zoom_fit.h"

namespace plonk {

namespace {

constexpr int kMost_Zoom = Main_Window::kMost_Zoom;

// The largest zoom at which the whole window fits the part of `screen` that windows
// may take; the bars and the window's frame grow with the window, not with the face.
int Largest_Window_Zoom(Game_Frame& frame, const QScreen* screen) {
    if (!screen) return kMost_Zoom;
    const QSize face = frame.Face().size() / frame.Face().Zoom();
    const QSize around = Outer_Size(frame) - frame.Face().size();
    return Largest_Zoom(face, around, screen->availableGeometry().size(), kMost_Zoom);
}

// The screen the window will open on: the kept one while it is there, else the
// primary.
QScreen* Start_Screen(const Game_Options& options) {
    const QString kept = QString::fromStdString(options.Text(option_key::Screen));
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == kept) return screen;
    return QGuiApplication::primaryScreen();
}

// 1x, 2x and 3x in the View menu, one of them ticked; Ctrl+1, Ctrl+2 and Ctrl+3,
// which no key of the game uses. Only the zooms that fit the window's screen are
// offered; a choice shows at once and is kept.
void Add_Zoom(Game_Frame& frame, const Game_Options& options, QActionGroup* group) {
    group->setExclusive(true);
    for (int zoom = 1; zoom <= Main_Window::kMost_Zoom; ++zoom) {
        QAction* item = frame.View_Menu()->addAction(QString("Zoom &%1x").arg(zoom));
        item->setObjectName(QString("Menu_Zoom_%1").arg(zoom));
        item->setCheckable(true);
        item->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + zoom)));
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, &frame, [&frame, options, zoom] {
            if (frame.Full_Screen() || zoom > Largest_Window_Zoom(frame, frame.screen())) return;
            frame.Face().Set_Zoom(zoom);
            Keep_On_Screen(frame);
            std::string error;
            options.Put_If_There({{option_key::Zoom, Game_Options::Of(zoom)}}, &error);
        });
    }
}

// The zoom items as the window's screen allows now: those that fit are shown, the
// face's zoom ticked; none is chosen while the face fills the screen.
void Offer_Zooms(Game_Frame& frame, QActionGroup* group) {
    const int largest = Largest_Window_Zoom(frame, frame.screen());
    for (int zoom = 1; zoom <= kMost_Zoom; ++zoom) {
        QAction* item = group->actions().at(zoom - 1);
        item->setVisible(zoom <= largest);
        item->setEnabled(!frame.Full_Screen());
        item->setChecked(zoom == frame.Window_Zoom());
    }
}

// "Full Screen" (F11, which no key of the game uses), in and out.
void Add_Full_Screen(Game_Frame& frame) {
    frame.View_Menu()->addSeparator();
    QAction* item = frame.View_Menu()->addAction("&Full Screen");
    item->setObjectName("Menu_Full_Screen");
    item->setCheckable(true);
    item->setShortcut(QKeySequence(Qt::Key_F11));
    QObject::connect(item, &QAction::triggered, &frame, [&frame](bool on) { frame.Set_Full_Screen(on); });
}

// View > Show Odds, off unless kept on: the chances of the next ball over the
// playfield, and the best start speed in the status line after every ball.
void Add_Show_Odds(Game_Frame& frame, const Game_Options& options) {
    QAction* item = frame.View_Menu()->addAction("Show &Odds");
    item->setObjectName("Menu_Show_Odds");
    item->setCheckable(true);
    const bool kept = options.Flag(option_key::Show_Odds).value_or(false);
    item->setChecked(kept);
    frame.Face().Screen()->Odds().Set_On(kept);
    QObject::connect(item, &QAction::toggled, &frame, [&frame, options](bool on) {
        frame.Face().Screen()->Odds().Set_On(on);
        frame.Face().Screen()->update();
        std::string error;
        options.Put_If_There({{option_key::Show_Odds, Game_Options::Of(on)}}, &error);
    });
}

}  // namespace

void Show_Kept_View(Game_Frame& frame, const std::string& settings_path) {
    const Game_Options options(settings_path);
    // The kept zoom, or the largest that fits when it no longer does.
    const int kept = options.Number(option_key::Zoom, 1, kMost_Zoom).value_or(1);
    frame.Face().Set_Zoom(std::min(kept, Largest_Window_Zoom(frame, Start_Screen(options))));
    Restore_Place(frame, options);
}

void Add_Desktop_Manners(Game_Frame& frame, const std::string& settings_path) {
    const Game_Options options(settings_path);
    frame.setWindowIcon(Game_Icon(frame.Face().Program_Folder()));
    auto* zooms = new QActionGroup(&frame);
    Add_Zoom(frame, options, zooms);
    Add_Full_Screen(frame);
    Offer_Zooms(frame, zooms);
    QObject::connect(frame.View_Menu(), &QMenu::aboutToShow, &frame,
                     [&frame, zooms] { Offer_Zooms(frame, zooms); });
    frame.View_Menu()->addSeparator();
    Add_Show_Odds(frame, options);
    // The menus' shortcuts also work while the bars are hidden in full screen.
    for (QAction* menu : frame.menuBar()->actions())
        if (menu->menu()) frame.addActions(menu->menu()->actions());
    // The regular close keeps the zoom and the place in its own write of the file;
    // any other end of the program keeps nothing.
    frame.Face().Keep_At_Close([&frame] {
        Game_Options::Values values = Place_Values(frame, frame.Window_Place());
        values.push_back({option_key::Zoom, Game_Options::Of(frame.Window_Zoom())});
        return Game_Options::Entries(values);
    });
}

}  // namespace plonk
