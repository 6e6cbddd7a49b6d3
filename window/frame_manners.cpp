#include "window/frame_manners.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "app/game_options.h"
#include "window/game_frame.h"
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

}  // namespace

void Add_Desktop_Manners(Game_Frame& frame, const std::string& settings_path) {
    const Game_Options options(settings_path);
    frame.setWindowIcon(Game_Icon(frame.Face().Program_Folder()));
    Add_Zoom(frame, options);
    Restore_Place(frame, options);
    // The place is kept once the game has ended, however it ended (its close box,
    // its "&Close" button, its menu).
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &frame,
                     [&frame, options] { Remember_Place(frame, options); });
}

}  // namespace plonk
