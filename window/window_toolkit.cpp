// The window as the machine's toolkit: painting, waits, sound, message boxes, the
// keyboard, the clock and the end of the program.
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>
#include <algorithm>
#include <chrono>
#include <thread>

#include "app/file_read.h"
#include "app/step_pacer.h"
#include "window/data_folder.h"
#include "window/main_window.h"
#include "window/screen_widget.h"
#include "window/space_key.h"

namespace plonk {

void Main_Window::Refresh() {
    // Painted at once, when a flight's last step was due; the event queue is not run,
    // so no timer or click slips in. Only what changed since the last paint is painted
    // again: the rest of the window already shows the machine as it is.
    if (busy_) showed_steps_ = true;
    pacer_.Finish();
    Sync();
    QEvent paint_now(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window(), &paint_now);
}

void Main_Window::Sleep(int ms) {
    // The pause counts from its start, painting included, and is slept.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(ms, 0));
    Refresh();
    std::this_thread::sleep_until(until);
}

void Main_Window::Flight_Step(int rounds, long iterations) {
    if (busy_) showed_steps_ = true;
    pacer_.Step(std::chrono::nanoseconds(Step_Wait_Nanoseconds(rounds, iterations)));
}

void Main_Window::Show_Steps() { screen_->Repaint_Changes(); }

void Main_Window::Sound_Owner() { sound_->Open(); }
bool Main_Window::Sound_Ready() { return sound_->Ready(); }
int32_t Main_Window::Sound_Load(const std::string& path) { return sound_->Load(path); }
void Main_Window::Sound_Play(int32_t handle) { sound_->Play(handle); }

namespace {

// What the answer No to a question of the machine does, said under the question.
std::string What_No_Does(const std::string& question) {
    if (question == "Save score for next session ?") return "No starts the next session from 0 credits.";
    return "";
}

}  // namespace

Answer Main_Window::Ask_Yes_No(const std::string& text, const std::string& title) {
    return Ask(text, title, What_No_Does(text), QMessageBox::Yes);
}

Answer Main_Window::Ask(const std::string& text, const std::string& title, const std::string& informative,
                        int default_button) {
    if (options_.Ask) return options_.Ask(text, title);
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, isVisible() ? this : nullptr);
    box.setObjectName("Question");
    box.setInformativeText(QString::fromStdString(informative));
    box.setDefaultButton(static_cast<QMessageBox::StandardButton>(default_button));
    // Escape and the box's close button would count as No. They press a Cancel
    // button instead that is never shown: the question is dismissed, not answered.
    QAbstractButton* dismiss = box.addButton(QMessageBox::Cancel);
    dismiss->hide();
    box.setEscapeButton(dismiss);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes)) return Answer::Yes;
    if (box.clickedButton() == box.button(QMessageBox::No)) return Answer::No;
    return Answer::Cancel;
}

void Main_Window::Message(const std::string& text, const std::string& title) {
    if (options_.Tell) {
        options_.Tell(text, title);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, isVisible() ? this : nullptr);
    box.exec();
}

bool Main_Window::Space_Down() {
    // The steps of a flight worked out together in one frame share one reading.
    const uint64_t frame = pacer_.Running() ? pacer_.Frame_Number() : 0;
    if (frame == 0 || frame != space_frame_) {
        space_down_ = options_.Space_Key ? options_.Space_Key() : Space_Key_Down();
        space_frame_ = frame;
    }
    return space_down_;
}

std::string Main_Window::Time_Text() { return QTime::currentTime().toString("hh:mm:ss").toStdString(); }

uint64_t Main_Window::Clock_Seed() {
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

std::string Main_Window::Picture_Problem(const std::string& path) {
    if (pictures_.Loads(path)) return "";
    // The file itself first (missing, not a regular file, unreadable), then what the
    // decoder makes of it.
    const File_Bytes head = Read_Head(path, 1);
    if (head.Status == Read_Status::Missing) return Picture_Missing;
    if (head.Status != Read_Status::Read) return "The file cannot be read: " + Read_Problem(head);
    return "The picture cannot be decoded: " + pictures_.Problem(path);
}

void Main_Window::Popup_Menu(const std::string& menu) {
    // Shown without waiting for a choice: a chosen item arrives as an event of its own.
    if (menu != "dummie01") return;
    Sync();
    menu_->popup(QCursor::pos());
}

std::string Main_Window::Program_Folder() {
    if (!options_.Program_Folder.empty()) return options_.Program_Folder;
    return Data_Folder(QCoreApplication::applicationDirPath().toStdString());
}

std::vector<Profile_Entry> Main_Window::Closing_Settings() {
    std::vector<Profile_Entry> all;
    for (const auto& values : closing_values_)
        for (Profile_Entry& e : values()) all.push_back(std::move(e));
    return all;
}

void Main_Window::Report(const Game_Event& e) {
    for (const auto& listener : listeners_) listener(e);
}

void Main_Window::End(int status) {
    ended_ = true;
    status_ = status;
    timer1_.stop();
    timer2_.stop();
    QCoreApplication::exit(status);
}

}  // namespace plonk
