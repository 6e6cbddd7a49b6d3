// A bare Qt window: an application and one shown widget of the game face's size,
// nothing else. plonk_startup_bench starts it beside the game, as the floor that
// the game's start-up and memory are measured against.
// With --bars, the widget sits in a main window under a menu bar of three menus and
// above a status line with a few words, as the game's face does: the floor of a
// window that shows any text, which needs the fonts before it can take its size.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QWidget>
#include <cstring>
#include <memory>

namespace {

std::unique_ptr<QWidget> Window_With_Bars() {
    auto window = std::make_unique<QMainWindow>();
    auto* face = new QWidget;
    face->setFixedSize(663, 534);
    window->setCentralWidget(face);
    for (const char* menu : {"&Game", "&View", "&Help"}) window->menuBar()->addMenu(menu);
    window->statusBar()->addWidget(new QLabel("P inserts points"), 1);
    return window;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool bars = argc > 1 && std::strcmp(argv[1], "--bars") == 0;
    const std::unique_ptr<QWidget> window = bars ? Window_With_Bars() : std::make_unique<QWidget>();
    window->setWindowTitle("Bare Qt window");
    if (!bars) window->resize(663, 534);
    window->show();
    return app.exec();
}
