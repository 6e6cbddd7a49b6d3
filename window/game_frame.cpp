#include "window/game_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include "window/frame_manners.h"
#include "window/help_menu.h"
#include "window/remembered_choices.h"
#include "window/screen_widget.h"
#include "window/statistics_menu.h"
#include "window/window_place.h"
#include "window/zoom_fit.h"

namespace plonk {

Game_Frame::Game_Frame(Window_Options options) : settings_path_(options.Settings_Path) {
    // The face sits in the middle of a black holder, which is exactly as large as the
    // face in the window and fills the screen in full screen.
    holder_ = new QWidget(this);
    holder_->setObjectName("Face_Holder");
    QPalette black = holder_->palette();
    black.setColor(QPalette::Window, Qt::black);
    holder_->setPalette(black);
    holder_->setAutoFillBackground(true);
    auto* centre = new QGridLayout(holder_);
    centre->setContentsMargins(0, 0, 0, 0);
    // The face's machine and controls are made once the frame is on the screen,
    // before its first paint: the window is there sooner and its first screen is the
    // same.
    face_ = new Main_Window(std::move(options), holder_, Main_Window::Controls::Later);
    centre->addWidget(face_, 0, 0, Qt::AlignCenter);
    setCentralWidget(holder_);
    setWindowTitle(face_->windowTitle());
    setPalette(face_->palette());
    // The frame is as large as the face and its two bars, no larger; the window
    // manager is told so, and offers no Maximize.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    status_ = new QLabel(this);
    status_->setObjectName("Status_Line");
    // A long text is cut at the frame's edge; it never widens the frame.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    face_->Listen([this](const Game_Event& e) { Show_Status(e); });
    face_->Watch_Runs([this](const std::string& event, bool done) { Follow_Run(event, done); });
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
    // The frame goes on the screen at its whole size with its parts still hidden, and
    // they are shown right after, before its first paint. The first widget shown (or
    // given a text) makes the desktop's accessibility bridge, which waits on the
    // session bus; a frame shown with its parts would wait for that before it is on
    // the screen.
    Outer_Size(*this);  // every layout brought up to date
    const QSize whole = size();
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    setFixedSize(whole);
    QWidget* const parts[] = {menuBar(), holder_, statusBar()};
    for (QWidget* part : parts) part->hide();
    show();
    for (QWidget* part : parts) part->show();
    Give_Face_Its_Window();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Greet();
    face_->Make_Controls();
}

void Game_Frame::Give_Face_Its_Window() {
    // The face is a window of its own to the display (a child of the frame), so that
    // what is drawn on it can be found and grabbed by itself. Asked for after the
    // frame's show, that window and its holder's are made once the frame is mapped.
    face_->setAttribute(Qt::WA_NativeWindow);
}

void Game_Frame::Greet() {
    // Until the first event, the line tells a new player where to begin.
    if (status_->text().isEmpty())
        status_->setText("P inserts points; hold F1 down to start a game and invest; O shoots a ball");
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
    Give_Face_Its_Window();
    Greet();
    face_->Make_Controls();
    if (!fitted_out_) {
        fitted_out_ = true;
        Fill_Game_Menu();
        Fill_Help_Menu(help_menu_, *face_);
        Add_Statistics(*this, settings_path_);
        Add_Desktop_Manners(*this, settings_path_);
    }
    const int status = face_->Start();
    if (status >= 0) return status;
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

void Game_Frame::Set_Full_Screen(bool on) {
    if (on == full_screen_) return;
    full_screen_ = on;
    if (on) {
        window_zoom_ = face_->Zoom();
        window_place_ = pos();
        const int bars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
        const QSize room = screen() ? screen()->geometry().size() : size();
        const Full_Screen_Look look = Full_Screen_Look_For(QSize(Main_Window::kWidth, Main_Window::kHeight),
                                                           bars, room, Main_Window::kMost_Full_Screen_Zoom);
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        menuBar()->setVisible(look.Bars);
        statusBar()->setVisible(look.Bars);
        face_->Set_Zoom(look.Zoom);
        showFullScreen();
    } else {
        menuBar()->show();
        statusBar()->show();
        face_->Set_Zoom(window_zoom_);
        showNormal();
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        move(window_place_);
    }
}

void Game_Frame::Show_Status(const Game_Event& e) {
    std::string text = status_words_.After(e);
    if (text.empty()) return;
    // With the odds shown, every ball ends with the advice for the next one.
    Screen_Widget& screen = *face_->Screen();
    if ((e.Kind == Game_Event_Kind::Ball_Landed || e.Kind == Game_Event_Kind::Ball_Drained) &&
        screen.Odds().On())
        if (const Next_Ball* n = screen.Odds().Advice(face_->Machine()))
            text += ". " + Advice_Words(*n, face_->Machine().Start_Speed);
    Show_Text(text);
}

void Game_Frame::Show_Text(const std::string& text) {
    if (text.empty()) return;
    status_->setText(QString::fromStdString(text));
    // The line's tooltip shows what it said last, newest at the bottom.
    QString said;
    for (const std::string& line : status_words_.History())
        said += (said.isEmpty() ? "" : "\n") + QString::fromStdString(line);
    status_->setToolTip(said);
    // Painted at once: the machine may be in the middle of a count-up or a flight.
    status_->repaint();
}

void Game_Frame::Follow_Run(const std::string& event, bool done) {
    if (!done && Main_Window::Players_Action(event)) status_words_.Action();
    // Set Lines moves the lines one step at a time for a few seconds: the line says
    // so while it does, and when they stand.
    if (event == "Command1_Click")
        Show_Text(status_words_.Say(done
                                        ? "Set Lines: the lines stand at the best setting of the tips"
                                        : "Set Lines: moving the lines to the best setting of the tips ..."));
}

void Game_Frame::closeEvent(QCloseEvent* event) {
    if (face_->Close_Asked())
        event->accept();
    else
        event->ignore();
}

}  // namespace plonk
