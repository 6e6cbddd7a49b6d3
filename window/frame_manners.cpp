#include "window/frame_manners.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "window/game_frame.h"
#include "window/game_options.h"
#include "window/window_icon.h"
#include "window/window_place.h"

namespace plonk {

namespace {

// 1x, 2x and 3x in the View menu, the one on show ticked; Ctrl+1, Ctrl+2 and Ctrl+3,
// which no key of the game uses. A choice shows at once and is kept.
void Add_Zoom(Game_Frame& frame, const Game_Options& options) {
    auto* group = new QActionGroup(&frame);
    group->setExclusive(true);
    for (int zoom = 1; zoom <= Main_Window::kMost_Zoom; ++zoom) {
        QAction* item = frame.View_Menu()->addAction(QString("Zoom &%1x").arg(zoom));
        item->setObjectName(QString("Menu_Zoom_%1").arg(zoom));
        item->setCheckable(true);
        item->setChecked(zoom == frame.Face().Zoom());
        item->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + zoom)));
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, &frame, [&frame, options, zoom] {
            frame.Face().Set_Zoom(zoom);
            Keep_On_Screen(frame);
            std::string error;
            options.Put({{option_key::Zoom, Game_Options::Of(zoom)}}, &error);
        });
    }
}

}  // namespace

void Show_Kept_View(Game_Frame& frame, const std::string& settings_path) {
    const Game_Options options(settings_path);
    frame.Face().Set_Zoom(options.Number(option_key::Zoom, 1, Main_Window::kMost_Zoom).value_or(1));
    Restore_Place(frame, options);
}

void Add_Desktop_Manners(Game_Frame& frame, const std::string& settings_path) {
    const Game_Options options(settings_path);
    frame.setWindowIcon(Game_Icon(frame.Face().Program_Folder()));
    Add_Zoom(frame, options);
}

void Keep_Place_At_End(Game_Frame& frame, const std::string& settings_path) {
    // However the game ends (its close box, its "&Close" button, its menu).
    const Game_Options options(settings_path);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &frame,
                     [&frame, options] { Remember_Place(frame, options); });
}

}  // namespace plonk
