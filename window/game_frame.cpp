#include "window/game_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>

#include "window/frame_manners.h"
#include "window/help_menu.h"
#include "window/remembered_choices.h"
#include "window/screen_widget.h"
#include "window/statistics_menu.h"

namespace plonk {

Game_Frame::Game_Frame(Window_Options options) : settings_path_(options.Settings_Path) {
    face_ = new Main_Window(std::move(options), this);
    // The face is a window of its own to the display (a child of the frame), so that
    // what is drawn on it can be found and grabbed by itself.
    face_->setAttribute(Qt::WA_NativeWindow);
    setCentralWidget(face_);
    setWindowTitle(face_->windowTitle());
    setPalette(face_->palette());
    // The frame is as large as the face and its two bars, no larger.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    status_ = new QLabel(this);
    status_->setObjectName("Status_Line");
    // A long text is cut at the frame's edge; it never widens the frame.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    face_->Listen([this](const Game_Event& e) { Show_Status(e); });
    Build_Menus();
    Add_Statistics(*this, settings_path_);
    Add_Desktop_Manners(*this, settings_path_);
}

int Game_Frame::Start() {
    const int status = face_->Start();
    if (status >= 0) return status;
    Remember_Choices(*face_, Game_Options(settings_path_));
    // Until the first event, the line tells a new player where to begin.
    if (status_->text().isEmpty())
        status_->setText("P inserts points; hold F1 down to start a game and invest; O shoots a ball");
    return status;
}

void Game_Frame::Build_Menus() {
    // The game's own keys (letters, digits, F1, F2 and the space bar) stay the game's:
    // the menus use only Ctrl shortcuts and their Alt mnemonics, none of which the
    // window's buttons use.
    game_menu_ = menuBar()->addMenu("&Game");
    QAction* insert = game_menu_->addAction("&Insert points");
    insert->setObjectName("Menu_Insert_Points");
    connect(insert, &QAction::triggered, this, [this] { face_->Run_Event("Knop_P", Event_Kind::Click); });
    game_menu_->addSeparator();
    QAction* close = game_menu_->addAction("&Close");
    close->setObjectName("Menu_Close");
    close->setShortcut(QKeySequence::Quit);
    connect(close, &QAction::triggered, this, &QWidget::close);
    view_menu_ = menuBar()->addMenu("&View");
    help_menu_ = menuBar()->addMenu("&Help");
    Fill_Help_Menu(help_menu_, *face_);
}

QString Game_Frame::Status_Text() const { return status_->text(); }

void Game_Frame::Show_Status(const Game_Event& e) {
    std::string text = status_words_.After(e);
    if (text.empty()) return;
    // With the odds shown, every ball ends with the advice for the next one.
    Screen_Widget& screen = *face_->Screen();
    if ((e.Kind == Game_Event_Kind::Ball_Landed || e.Kind == Game_Event_Kind::Ball_Drained) &&
        screen.Odds().On())
        if (const Next_Ball* n = screen.Odds().Advice(face_->Machine()))
            text += ". " + Advice_Words(*n, face_->Machine().Start_Speed);
    status_->setText(QString::fromStdString(text));
    // Painted at once: the machine may be in the middle of a count-up or a flight.
    status_->repaint();
}

void Game_Frame::closeEvent(QCloseEvent* event) {
    if (face_->Close_Asked())
        event->accept();
    else
        event->ignore();
}

}  // namespace plonk
