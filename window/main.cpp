// plonk: the game in its window.
#include <QApplication>
#include <cstdlib>

#include "window/game_frame.h"
#include "window/settings_location.h"

int main(int argc, char** argv) {
    // The space bar is read from the X keyboard state: prefer X11 (also under
    // XWayland) unless a platform was asked for.
    if (!std::getenv("QT_QPA_PLATFORM") && std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);

    plonk::Window_Options options;
    options.Settings_Path = plonk::Settings_File_Path();
    plonk::Game_Frame window(std::move(options));
    const int status = window.Start();
    if (status >= 0) return status;
    return app.exec();
}
