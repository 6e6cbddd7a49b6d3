// plonk: the game in its window.
#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <iostream>
#include <optional>
#include <thread>

#include "window/command_line.h"
#include "window/display_setup.h"
#include "window/game_frame.h"
#include "window/global_menu.h"
#include "window/lazy_icons_style.h"
#include "window/settings_location.h"

int main(int argc, char** argv) {
    // --help and --version answer without a window, also where there is no display.
    if (const int status = plonk::Answer_Command_Line(argc, argv, std::cout); status >= 0) return status;
    plonk::Prefer_X11();
    plonk::Copy_Window_Parts();
    // Only the face is a window of its own to the display, not the bars beside it.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    // Reading the fonts' configuration and asking the session bus whether the desktop
    // has a global menu are a good part of the start-up: they run on a thread of their
    // own beside the platform's start, and are done before any caption is measured or
    // the menu bar is made.
    std::optional<bool> global_menu;
    std::thread ahead([&global_menu] {
        FcInit();
        global_menu = plonk::Global_Menu_Registered();
    });
    QApplication app(argc, argv);
    // The desktop's style, with the icons nobody sees at first read when drawn.
    QApplication::setStyle(new plonk::Lazy_Icons_Style);
    ahead.join();
    // Without a global menu the menus stay in the window's own bar, and the toolkit
    // need not ask the bus again before the window is on the screen.
    if (global_menu == false) QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);

    plonk::Window_Options options;
    options.Settings_Path = plonk::Settings_File_Path();
    plonk::Game_Frame window(std::move(options));
    // The face is on the screen first; the rest of the start-up follows its first
    // paint, and a start-up that ended the program ends the event loop with it.
    window.Show_Then_Start([](int status) {
        if (status >= 0) QCoreApplication::exit(status);
    });
    return app.exec();
}
