// Where the game's window appears: where it was when the game was last closed, on the
// screen it was closed on, and always wholly visible there. The place is kept with
// the game's own choices in the settings file.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace plonk {

class Game_Options;

// `saved` (the window's top left corner) moved the least so that a window of `size`
// lies wholly in `area`; a window larger than the area keeps its top left corner in it.
QPoint Clamped_Place(QPoint saved, QSize size, const QRect& area);
// The top left corner of a window of `size` centred in `area`.
QPoint Centred_Place(QSize size, const QRect& area);

// Put the top-level `window` where it was kept:
//   - on the kept screen, at the kept place clamped to that screen;
//   - centred on the primary screen when the kept screen is gone;
//   - where the desktop puts it when no place was kept.
void Restore_Place(QWidget& window, const Game_Options& options);
// The values that keep the top-level `window` at `place` (its top left corner), on
// the screen it is on.
std::vector<std::pair<const char*, std::string>> Place_Values(const QWidget& window, QPoint place);
// The top-level `window`'s size with its frame, its layouts brought up to date.
QSize Outer_Size(QWidget& window);
// After the window changed its size: moved the least so that it stays wholly on its
// screen.
void Keep_On_Screen(QWidget& window);

}  // namespace plonk
