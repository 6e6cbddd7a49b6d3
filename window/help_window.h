// The help window: how to play and the keys, with the game's own pictures. One of
// it at a time, beside the game (it never blocks the game); Esc closes it.
#pragma once

#include <QImage>
#include <QTextBrowser>
#include <string>
#include <vector>

namespace plonk {

class Main_Window;

// The window's own keys in the help: its menus' shortcuts and the help's Esc.
std::vector<std::vector<std::string>> Window_Keys();

class Help_Window : public QTextBrowser {
public:
    // Shows the help window of the face's frame, made on first use, at `anchor`
    // ("" for the top).
    static Help_Window* Show(Main_Window& face, const QString& anchor);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The card with its zones is made here; every other picture comes from the
    // program folder.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    Help_Window(Main_Window& face, QWidget* parent);

    QImage card_;
};

}  // namespace plonk
