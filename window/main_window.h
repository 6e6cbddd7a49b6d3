// The game's window: shows every control of the machine as a widget, feeds the
// machine the window's events, and is the machine's toolkit.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/step_pacer.h"
#include "app/toolkit.h"
#include "machine/hoofdvenster.h"
#include "machine/procedures.h"
#include "window/picture_cache.h"
#include "window/sound_output.h"

class QMenu;
class QAction;
class QScreen;
class QKeyEvent;
class QStyle;

namespace plonk {

// One frame of the screen's display; a 60th of a second when it tells no rate.
Step_Pacer::Duration Display_Frame(const QScreen* screen);

class Screen_Widget;

struct Window_Options {
    std::string Settings_Path;
    // The folder with the pictures and sounds; when empty, the executable's folder or
    // the data folder the game was installed with (Data_Folder).
    std::string Program_Folder;
    // The message boxes; real ones when empty.
    std::function<Answer(const std::string& text, const std::string& title)> Ask;
    std::function<void(const std::string& text, const std::string& title)> Tell;
    // Told the name of every event handed to the machine ("Knop_Bal_Click",
    // "Form_KeyPress(43)"), as it is handed over.
    std::function<void(const std::string& event)> On_Event;
    // The sound back end; the program's own when empty.
    std::unique_ptr<Sound_Output> Sound;
    // Whether the space bar is down now; read from the keyboard when empty.
    std::function<bool()> Space_Key;
};

class Main_Window : public QWidget, public role::All_Roles {
public:
    static constexpr int kTwips_Per_Pixel = 15;
    // The face's own size and caption font, at zoom 1.
    static constexpr int kWidth = 663, kHeight = 534, kFont_Pixels = 11;
    // The zooms of the window's menu, and the most the full screen may use.
    static constexpr int kMost_Zoom = 3;
    static constexpr int kMost_Full_Screen_Zoom = 8;

    // When the machine and the widgets of its controls are made: with the window, or
    // later by Make_Controls (at the latest by Start), so that a frame can be on the
    // screen before its face is filled in.
    enum class Controls { With_Window, Later };
    explicit Main_Window(Window_Options options, QWidget* parent = nullptr,
                         Controls made = Controls::With_Window);
    ~Main_Window() override;

    // Make the machine and the widgets of its controls, at the zoom set, if they are
    // not made yet.
    void Make_Controls();
    // Check the window's own pictures, show the window and run the machine's
    // start-up. The exit status when the program already ended, else -1.
    int Start();

    // The machine, once it is made (see Make_Controls).
    Hoofdvenster& Machine() { return *m_; }
    bool Ended() const { return ended_; }
    int Exit_Status() const { return status_; }
    // Where a control of the window lies on the face at its own size, in pixels.
    static QRect Face_Place(const Control& c);
    // The widget showing a control on the window, or nullptr.
    QWidget* Widget_For(const std::string& name) const;
    Screen_Widget* Screen() const { return screen_; }
    QMenu* Speed_Menu() const { return menu_; }
    QTimer& Timer(int n) { return n == 1 ? timer1_ : timer2_; }

    // Run one event of the machine: hand it over, then show what it changed and move
    // the focus where the machine wants it. An event that arrives while another is
    // still running (behind a message box) is dropped. False when it did not run.
    // An exception inside the event is told in a message box and ends the program.
    bool Run(const std::string& event, const std::function<void()>& call);
    // Run the event of that control from the machine's table of events.
    bool Run_Event(const std::string& control, Event_Kind kind, Event_Args& args);
    bool Run_Event(const std::string& control, Event_Kind kind);
    // Bring every widget up to date with the control data.
    void Sync();
    // Show the face this many times as large (1 to kMost_Full_Screen_Zoom): its pictures
    // enlarged pixel by pixel, its controls and their captions grown with them.
    void Set_Zoom(int zoom);
    int Zoom() const { return zoom_; }
    // The window is asked to close (its close box): the machine decides. True when it
    // may close.
    bool Close_Asked();
    // Called with everything the machine reports, in the order given.
    void Listen(std::function<void(const Game_Event&)> listener) {
        listeners_.push_back(std::move(listener));
    }
    // Called as every event of the machine starts (`done` false) and once it is over
    // and the window shows its end (`done` true), with the event's name.
    void Watch_Runs(std::function<void(const std::string& event, bool done)> watcher) {
        run_watchers_.push_back(std::move(watcher));
    }
    // The event is one the player asked for: any but the timers'.
    static bool Players_Action(const std::string& event);
    // Values of the window's own for the settings file, asked for when a regular close
    // writes it, and written with the machine's in that one write.
    void Keep_At_Close(std::function<std::vector<Profile_Entry>()> values) {
        closing_values_.push_back(std::move(values));
    }

    // A Yes/No question in a box of its own: `informative` under the question, the
    // button `default_button` (QMessageBox::Yes or No) taken by Return. Escape and the
    // box's close button dismiss it (Cancel). Scripted by the options' Ask when set.
    Answer Ask(const std::string& text, const std::string& title, const std::string& informative,
               int default_button);

    // The machine's roles.
    void Refresh() override;
    void Sleep(int ms) override;
    void Flight_Step(int rounds, long iterations) override;
    void Sound_Owner() override;
    bool Sound_Ready() override;
    int32_t Sound_Load(const std::string& path) override;
    void Sound_Play(int32_t handle) override;
    Answer Ask_Yes_No(const std::string& text, const std::string& title) override;
    void Message(const std::string& text, const std::string& title) override;
    bool Space_Down() override;
    std::string Time_Text() override;
    uint64_t Clock_Seed() override;
    std::string Picture_Problem(const std::string& path) override;
    void Popup_Menu(const std::string& menu) override;
    std::string Program_Folder() override;
    std::vector<Profile_Entry> Closing_Settings() override;
    void End(int status) override;
    void Report(const Game_Event& e) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Paint what the flight's steps changed on the game screen.
    virtual void Show_Steps();

private:
    void Build_Widgets();
    QWidget* Make_Widget(Control& c);
    void Connect_Events();
    void Sync_Widget(const Control& c, QWidget* w);
    // Where a control's widget lies on the face, zoomed.
    QRect Place(const Control& c) const;
    void Fit_Captions();
    void Sync_Timer(QTimer& timer, const Control& c);
    void Apply_Focus();
    // The widget is the first to receive a key: the one with the focus.
    bool First_Receiver(QObject* watched) const;
    bool Preview_Key(const QKeyEvent& key, bool repeat);
    bool Held_Key(const QKeyEvent& key);
    // Presses that arrived while an event ran are dropped (busy_input.cpp).
    void Drop_Presses_Made_Meanwhile();
    bool Dropped_Press(QObject* watched, QEvent* event);
    // A key pressed while it is down already repeats itself; noted as keys go down and
    // up. A game key's own repeat is dropped.
    bool Key_Already_Down(const QKeyEvent& key);
    bool Repeat_Dropped(const QKeyEvent& key) const;
    bool Mouse_On_Control(QObject* watched, QEvent* event);
    void Stop_On_Failure(const std::string& event, const std::string& what);

    Window_Options options_;
    std::string folder_;  // the program folder, ending in "/"
    std::unique_ptr<Sound_Output> sound_;
    Picture_Cache pictures_;
    std::unique_ptr<Hoofdvenster> m_;
    Screen_Widget* screen_ = nullptr;
    QMenu* menu_ = nullptr;
    std::map<std::string, QAction*> menu_items_;
    std::map<std::string, QWidget*> widgets_;
    std::map<QWidget*, std::string> shown_pictures_;  // picture buttons: the file on show
    std::map<QObject*, std::string> widget_names_;    // the control each widget shows
    QTimer timer1_, timer2_;
    Step_Pacer pacer_;
    uint64_t space_frame_ = 0;  // the flight's frame of the last reading of the space bar
    bool space_down_ = false;
    int zoom_ = 1;
    std::unique_ptr<QStyle> zoom_style_;  // the Qt controls' look when zoomed
    bool busy_ = false;
    int dropping_ = 0;           // presses are being dropped
    bool showed_steps_ = false;  // the event under way paints or paces its steps
    bool syncing_ = false;
    bool controls_made_ = false;
    bool ended_ = false;
    int status_ = 0;
    std::map<QObject*, bool> mouse_down_;  // controls acting on the press: a press was seen
    std::set<std::string> held_;           // those whose press the machine heard, until released
    std::set<std::string> keys_held_;      // those held down by their key (F1, F2)
    std::set<int> keys_down_;              // the keys down now, as the window saw them
    std::vector<std::function<void(const Game_Event&)>> listeners_;
    std::vector<std::function<void(const std::string&, bool)>> run_watchers_;
    std::vector<std::function<std::vector<Profile_Entry>()>> closing_values_;
};

}  // namespace plonk
