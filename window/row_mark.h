// The wins on the card: as a payment is counted up, the lamps of the paid row (or of
// a card bonus's pattern) put on a frame, and keep it after the count-up, with the
// frames of the other payments of the same action of the player, until the player
// acts again or a new card is dealt. It follows the machine's reports and the
// window's actions only and never touches the machine's controls.
#pragma once

#include <QRegion>
#include <cstdint>

#include "app/game_events.h"

class QPainter;

namespace plonk {

class Hoofdvenster;

class Row_Mark {
public:
    // A payment marks its cells too; a new game's card ends the marks. True when the
    // marked cells changed.
    bool Follow(const Game_Event& e);
    // The player acts: the marks end.
    void Clear() { cells_ = 0; }
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
