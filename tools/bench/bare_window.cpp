// A bare Qt window: an application and one shown widget of the game face's size,
// nothing else. plonk_startup_bench starts it beside the game, as the floor that
// the game's start-up and memory are measured against.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare Qt window");
    window.resize(663, 534);
    window.show();
    return app.exec();
}
