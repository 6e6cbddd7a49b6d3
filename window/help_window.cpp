#include "window/help_window.h"

#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>

#include "machine/help_text.h"
#include "window/main_window.h"

namespace plonk {

std::vector<std::vector<std::string>> Window_Keys() {
    return {{"<b>Ctrl+Q</b>", "Close (Game menu)", "while no game runs"},
            {"<b>Ctrl+T</b>", "Statistics (Game menu)", "any time"},
            {"<b>Ctrl+1</b>, <b>Ctrl+2</b>, <b>Ctrl+3</b>", "Zoom 1x, 2x, 3x (View menu)", "any time"},
            {"<b>Esc</b>", "closes this help", "in this window"}};
}

Help_Window::Help_Window(Main_Window& face, QWidget* parent) : QTextBrowser(parent) {
    setObjectName("Help_Window");
    setWindowFlag(Qt::Window);
    setWindowTitle("Plonk - How to play");
    setOpenExternalLinks(false);
    resize(720, 600);
    // The pictures come from the program folder; the card with its zones is cut
    // from the game screen's background.
    const QString folder = QString::fromStdString(face.Program_Folder());
    setSearchPaths({folder});
    const Hoofdvenster& m = face.Machine();
    const Screen_Area card = Card_Area(m);
    // The folder is named with or without its closing slash.
    const QImage screen(QDir(folder).filePath(QString::fromStdString(m.Pic_Scherm.Face)));
    card_ = screen.copy(card.Left, card.Top, card.Width, card.Height);
    setHtml(QString::fromStdString(Help_Html(m, Window_Keys())));
}

QVariant Help_Window::loadResource(int type, const QUrl& name) {
    // A resource added to the document beforehand would be lost: setting the text
    // clears the document's resources.
    if (type == QTextDocument::ImageResource && name == QUrl(Card_Picture_Name)) return card_;
    return QTextBrowser::loadResource(type, name);
}

void Help_Window::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QTextBrowser::keyPressEvent(event);
}

Help_Window* Help_Window::Show(Main_Window& face, const QString& anchor) {
    QWidget* frame = face.window();
    auto* help = frame->findChild<Help_Window*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) help = new Help_Window(face, frame);
    if (anchor.isEmpty())
        help->verticalScrollBar()->setValue(0);
    else
        help->scrollToAnchor(anchor);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

}  // namespace plonk
