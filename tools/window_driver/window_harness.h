// The real window driven by a program of ours (the tests, the window benchmark) on the
// offscreen platform or a display, with a program folder of its own,
// scripted message boxes and a record of every event handed to the machine.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "machine/headless_toolkit.h"
#include "machine/hoofdvenster.h"
#include "window/display_setup.h"
#include "window/main_window.h"

namespace plonk::test {

// One application for the whole test run, made on first use.
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "plonk_window_tests";
    static char* argv[] = {name, nullptr};
    if (!qApp) {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // On X, the window shows itself as the game does.
        Copy_Window_Parts();
        new QApplication(argc, argv);
    }
    return *static_cast<QApplication*>(qApp);
}

// A linked copy of the built program folder's pictures and sounds. A face picture the
// asset generator does not make yet is stood in for by a plain picture of the
// control's size, so the window can be tested on its own.
class Program_Folder {
public:
    Program_Folder() {
        QDir bin(PLONK_BIN_DIR);
        for (const QString& f : bin.entryList({"*.bmp", "*.gif", "*.wav"}, QDir::Files))
            QFile::link(bin.filePath(f), dir_.filePath(f));
        Headless_Toolkit tk;
        Hoofdvenster faces(tk, "");
        for (const Control* c : faces.All_Controls()) {
            if (c->Face.empty() || QFile::exists(dir_.filePath(QString::fromStdString(c->Face)))) continue;
            const int w = c->Container.empty() ? 10 : c->Width, h = c->Container.empty() ? 11 : c->Height;
            QImage face(w, h, QImage::Format_RGB32);
            face.fill(QColor(0x40, 0x80, 0xC0));
            face.save(dir_.filePath(QString::fromStdString(c->Face)));
        }
    }
    std::string Path() const { return dir_.path().toStdString() + "/"; }
    std::string File(const std::string& name) const { return Path() + name; }
    void Remove(const std::string& name) { QFile::remove(dir_.filePath(QString::fromStdString(name))); }

private:
    QTemporaryDir dir_;
};

struct Window_Under_Test {
    Program_Folder Folder;
    QTemporaryDir Config;
    std::vector<std::string> Events;  // handed to the machine, in order
    std::vector<std::string> Asked;   // "title|text" of every Yes/No question
    std::vector<std::string> Told;    // "title|text" of every message
    std::deque<Answer> Answers;       // the next answers; Yes when empty
    std::unique_ptr<Main_Window> W;

    Window_Under_Test() { App(); }

    // Build the window (after the folder is prepared) and start it.
    int Start() {
        Window_Options o;
        o.Settings_Path = Ini();
        o.Program_Folder = Folder.Path();
        o.Ask = [this](const std::string& text, const std::string& title) {
            Asked.push_back(title + "|" + text);
            if (Answers.empty()) return Answer::Yes;
            const Answer a = Answers.front();
            Answers.pop_front();
            return a;
        };
        o.Tell = [this](const std::string& text, const std::string& title) {
            Told.push_back(title + "|" + text);
        };
        o.On_Event = [this](const std::string& e) { Events.push_back(e); };
        W = std::make_unique<Main_Window>(std::move(o));
        return W->Start();
    }

    std::string Ini() const { return Config.path().toStdString() + "/Plonk.ini"; }
    std::string Ini_Text() const {
        std::ifstream in(Ini());
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    Hoofdvenster& M() { return W->Machine(); }
    int Count(const std::string& event) const {
        int n = 0;
        for (const auto& e : Events) n += e == event;
        return n;
    }
};

}  // namespace plonk::test
