#include "window/game_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>

namespace plonk {

Game_Frame::Game_Frame(Window_Options options) {
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
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    face_->Listen([this](const Game_Event& e) { Show_Status(e); });
    Build_Menus();
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
}

QString Game_Frame::Status_Text() const { return status_->text(); }

void Game_Frame::Show_Status(const Game_Event& e) {
    const std::string text = Event_Text(e);
    if (text.empty()) return;
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
