#include "window/help_menu.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>

#include "window/command_line.h"
#include "window/help_window.h"
#include "window/main_window.h"

namespace plonk {

namespace {

void Show_About(QWidget* frame) {
    auto* box = new QMessageBox(frame);
    box->setObjectName("About_Plonk");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle("About Plonk");
    box->setTextFormat(Qt::RichText);
    box->setText(QString("<b>%1</b><p>A coin-operated ball-and-card machine on your desktop.</p>"
                         "<p>%2<br>Free software under the MIT License: see the file LICENSE that comes "
                         "with the game.</p>")
                     .arg(QString::fromStdString(Version_Text()).toHtmlEscaped(),
                          QString(PLONK_COPYRIGHT).toHtmlEscaped()));
    box->setStandardButtons(QMessageBox::Ok);
    // Beside the game, not in its way: the game's own message boxes stay the only
    // ones that wait for an answer.
    box->setWindowModality(Qt::NonModal);
    box->show();
}

}  // namespace

void Fill_Help_Menu(QMenu* menu, Main_Window& face) {
    const struct {
        const char* Text;
        const char* Name;
        const char* Anchor;
    } pages[] = {{"&How to play", "Menu_How_To_Play", ""}, {"&Keys", "Menu_Keys", "keys"}};
    for (const auto& page : pages) {
        QAction* a = menu->addAction(page.Text);
        a->setObjectName(page.Name);
        const QString anchor = page.Anchor;
        QObject::connect(a, &QAction::triggered, menu, [&face, anchor] { Help_Window::Show(face, anchor); });
    }
    menu->addSeparator();
    QAction* about = menu->addAction("&About Plonk");
    about->setObjectName("Menu_About");
    about->setMenuRole(QAction::AboutRole);
    QObject::connect(about, &QAction::triggered, menu, [&face] { Show_About(face.window()); });
}

}  // namespace plonk
