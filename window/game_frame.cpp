#include "window/game_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "window/frame_manners.h"
#include "window/help_menu.h"
#include "window/remembered_choices.h"
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
    // Until the first event, the line tells a new player where to begin.
    status_->setText("P inserts points; hold F1 down to start a game and invest; O shoots a ball");
    face_->Listen([this](const Game_Event& e) { Show_Status(e); });
    // The game's own keys (letters, digits, F1, F2 and the space bar) stay the game's:
    // the menus use only Ctrl shortcuts and their Alt mnemonics, none of which the
    // window's buttons use.
    game_menu_ = menuBar()->addMenu("&Game");
    view_menu_ = menuBar()->addMenu("&View");
    help_menu_ = menuBar()->addMenu("&Help");
    Show_Kept_View(*this, settings_path_);
}

void Game_Frame::Show_Then_Start(std::function<void(int)> started) {
    started_ = std::move(started);
    face_->installEventFilter(this);
    show();
}

bool Game_Frame::eventFilter(QObject* watched, QEvent* event) {
    // The face's first paint: the start-up follows once it is on the screen.
    if (watched == face_ && event->type() == QEvent::Paint && started_) {
        face_->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            const auto started = std::move(started_);
            started_ = nullptr;
            started(Start());
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

int Game_Frame::Start() {
    if (!fitted_out_) {
        fitted_out_ = true;
        Fill_Game_Menu();
        Fill_Help_Menu(help_menu_, *face_);
        Add_Statistics(*this, settings_path_);
        Add_Desktop_Manners(*this, settings_path_);
    }
    const int status = face_->Start();
    if (status >= 0) return status;
    Keep_Place_At_End(*this, settings_path_);
    Remember_Choices(*face_, Game_Options(settings_path_));
    return status;
}

void Game_Frame::Fill_Game_Menu() {
    QAction* insert = game_menu_->addAction("&Insert points");
    insert->setObjectName("Menu_Insert_Points");
    connect(insert, &QAction::triggered, this, [this] { face_->Run_Event("Knop_P", Event_Kind::Click); });
    game_menu_->addSeparator();
    QAction* close = game_menu_->addAction("&Close");
    close->setObjectName("Menu_Close");
    close->setShortcut(QKeySequence::Quit);
    connect(close, &QAction::triggered, this, &QWidget::close);
}

QString Game_Frame::Status_Text() const { return status_->text(); }

void Game_Frame::Show_Status(const Game_Event& e) {
    const std::string text = status_words_.After(e);
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
