// The game's main window: the machine's face, exactly as it always was, with a menu
// bar above it and a status line below it that tells in words what just happened.
#pragma once

#include <QMainWindow>
#include <functional>

#include "machine/status_words.h"
#include "window/main_window.h"

class QMenu;
class QLabel;

namespace plonk {

class Game_Frame : public QMainWindow {
public:
    explicit Game_Frame(Window_Options options);

    // The machine's start-up inside the frame, then the player's remembered choices;
    // the exit status when the program already ended, else -1. The menus' items,
    // the statistics and the icon come with the first start.
    int Start();
    // Show the frame with the face as it is before the start-up, and start once it
    // has been painted: `started` is told what Start returned.
    void Show_Then_Start(std::function<void(int status)> started);

    Main_Window& Face() { return *face_; }
    // The menu bar's menus, in this order; each part of the game adds its own items.
    QMenu* Game_Menu() const { return game_menu_; }
    QMenu* View_Menu() const { return view_menu_; }
    QMenu* Help_Menu() const { return help_menu_; }
    // The status line's text now.
    QString Status_Text() const;

    // The face alone on the whole screen, as large as a whole factor allows, centred
    // on black (with the menu and status bars while they cost no size); or back in
    // its window at the zoom and place it had.
    void Set_Full_Screen(bool on);
    bool Full_Screen() const { return full_screen_; }
    // The zoom of the face in its window (also while it fills the screen).
    int Window_Zoom() const { return full_screen_ ? window_zoom_ : face_->Zoom(); }
    // Where the window stands (also while the face fills the screen).
    QPoint Window_Place() const { return full_screen_ ? window_place_ : pos(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill_Game_Menu();
    // The status line's first words, for a new player, unless it says something.
    void Greet();
    // Makes the face a window of its own to the display.
    void Give_Face_Its_Window();
    // What the machine reports, in words on the status line (with the advice for the
    // next ball when the odds are shown).
    void Show_Status(const Game_Event& e);
    // Show this text on the status line; nothing when it is empty.
    void Show_Text(const std::string& text);
    // What the line says as the machine's events start and end.
    void Follow_Run(const std::string& event, bool done);

    Main_Window* face_ = nullptr;
    QWidget* holder_ = nullptr;  // black around the face when it fills the screen
    bool full_screen_ = false;
    int window_zoom_ = 1;
    QPoint window_place_;
    QMenu* game_menu_ = nullptr;
    QMenu* view_menu_ = nullptr;
    QMenu* help_menu_ = nullptr;
    QLabel* status_ = nullptr;
    Status_Words status_words_;
    std::string settings_path_;
    bool fitted_out_ = false;  // the menus' items, the statistics and the icon are there
    std::function<void(int)> started_;
};

}  // namespace plonk
