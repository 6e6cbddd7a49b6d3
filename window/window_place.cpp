#include "window/window_place.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "app/game_options.h"

namespace plonk {

namespace {
// Kept places further out than this are no place on any desktop.
constexpr int kFar = 1 << 20;
}  // namespace

QSize Outer_Size(QWidget& window) {
    // The layouts inside first, the deepest first: while the window is hidden, a
    // part's new size reaches the window's own layout only once the layout of the
    // part around it has taken it up (else only when the window is shown, and then
    // the window would change its size on the screen).
    const QList<QWidget*> parts = window.findChildren<QWidget*>();
    for (auto part = parts.rbegin(); part != parts.rend(); ++part)
        if (QLayout* layout = (*part)->layout()) layout->activate();
    if (window.layout()) window.layout()->activate();
    return window.frameGeometry().size();
}

QPoint Clamped_Place(QPoint saved, QSize size, const QRect& area) {
    // Right and bottom edges first, then left and top, so the top left wins.
    const int x = std::max(area.left(), std::min(saved.x(), area.left() + area.width() - size.width()));
    const int y = std::max(area.top(), std::min(saved.y(), area.top() + area.height() - size.height()));
    return QPoint(x, y);
}

QPoint Centred_Place(QSize size, const QRect& area) {
    return QPoint(area.left() + (area.width() - size.width()) / 2,
                  area.top() + (area.height() - size.height()) / 2);
}

void Restore_Place(QWidget& window, const Game_Options& options) {
    // 1. No place kept: the desktop decides.
    const std::optional<int> x = options.Number(option_key::Window_X, -kFar, kFar);
    const std::optional<int> y = options.Number(option_key::Window_Y, -kFar, kFar);
    if (!x || !y) return;
    // 2. The kept screen, if it is still there; else the primary, centred.
    const QString name = QString::fromStdString(options.Text(option_key::Screen));
    const QSize size = Outer_Size(window);
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() != name) continue;
        window.move(Clamped_Place(QPoint(*x, *y), size, screen->availableGeometry()));
        return;
    }
    if (QScreen* primary = QGuiApplication::primaryScreen())
        window.move(Centred_Place(size, primary->availableGeometry()));
}

Game_Options::Values Place_Values(const QWidget& window, QPoint place) {
    const QScreen* screen = window.screen();
    const std::string name = screen ? screen->name().toStdString() : std::string();
    return {{option_key::Window_X, Game_Options::Of(place.x())},
            {option_key::Window_Y, Game_Options::Of(place.y())},
            {option_key::Screen, name}};
}

void Keep_On_Screen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QPoint place = Clamped_Place(window.pos(), Outer_Size(window), screen->availableGeometry());
    if (place != window.pos()) window.move(place);
}

}  // namespace plonk
