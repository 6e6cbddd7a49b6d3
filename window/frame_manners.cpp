#include "window/frame_manners.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "window/game_frame.h"
#include "window/game_options.h"
#include "window/screen_widget.h"
#include "window/window_icon.h"
#include "window/window_place.h"

namespace plonk {

namespace {

// 1x, 2x and 3x in the View menu, one of them ticked; Ctrl+1, Ctrl+2 and Ctrl+3,
// which no key of the game uses. A choice shows at once and is kept.
void Add_Zoom(Game_Frame& frame, const Game_Options& options) {
    constexpr int kMost_Zoom = Main_Window::kMost_Zoom;
    const int kept = options.Number(option_key::Zoom, 1, kMost_Zoom).value_or(1);
    auto* group = new QActionGroup(&frame);
    group->setExclusive(true);
    for (int zoom = 1; zoom <= kMost_Zoom; ++zoom) {
        QAction* item = frame.View_Menu()->addAction(QString("Zoom &%1x").arg(zoom));
        item->setObjectName(QString("Menu_Zoom_%1").arg(zoom));
        item->setCheckable(true);
        item->setChecked(zoom == kept);
        item->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + zoom)));
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, &frame, [&frame, options, zoom] {
            frame.Face().Set_Zoom(zoom);
            Keep_On_Screen(frame);
            std::string error;
            options.Put({{option_key::Zoom, Game_Options::Of(zoom)}}, &error);
        });
    }
    frame.Face().Set_Zoom(kept);
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
        options.Put({{option_key::Show_Odds, Game_Options::Of(on)}}, &error);
    });
}

}  // namespace

void Add_Desktop_Manners(Game_Frame& frame, const std::string& settings_path) {
    const Game_Options options(settings_path);
    frame.setWindowIcon(Game_Icon(frame.Face().Program_Folder()));
    Add_Zoom(frame, options);
    frame.View_Menu()->addSeparator();
    Add_Show_Odds(frame, options);
    Restore_Place(frame, options);
    // The place is kept once the game has ended, however it ended (its close box,
    // its "&Close" button, its menu).
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &frame,
                     [&frame, options] { Remember_Place(frame, options); });
}

}  // namespace plonk
