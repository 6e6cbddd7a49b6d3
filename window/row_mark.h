// The win on the card: while a payment is counted up, the lamps of the paid row (or
// of a card bonus's pattern) wear a frame; when the count-up is over the card looks
// as before. It follows the machine's reports only and never touches its controls.
#pragma once

#include <QRegion>
#include <cstdint>

#include "app/game_events.h"

class QPainter;

namespace plonk {

class Hoofdvenster;

class Row_Mark {
public:
    // A payment marks its cells; anything reported after it ends the mark. True when
    // the marked cells changed.
    bool Follow(const Game_Event& e);
    // The marked cells, bit line * 10 + column.
    uint64_t Cells() const { return cells_; }
    // Where the frames of the marked lamps lie, in the screen's drawing-area pixels.
    QRegion Region(const Hoofdvenster& m) const;
    // Paint the frames, the painter's origin at the drawing area's top left.
    void Paint(QPainter& p, const Hoofdvenster& m) const;

    // The frame's width and its distance from the lamp, in pixels: a light ring
    // of all but the last pixel, then a dark one.
    static constexpr int kWidth = 3;
    static constexpr int kGap = 0;

private:
    uint64_t cells_ = 0;
};

}  // namespace plonk
