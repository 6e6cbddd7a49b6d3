// The win on the card: while a payment is counted up, the lamps of the paid row (or
// of a card bonus's pattern) wear a frame; when the count-up is over the card looks
// as before. It follows the machine's reports only and never touches its controls;
// every front end draws the same frames.
#pragma once

#include <cstdint>
#include <vector>

#include "app/game_events.h"

namespace plonk {

class Hoofdvenster;

// A frame's outer box, in the screen's drawing-area pixels.
struct Frame_Box {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

class Paid_Row {
public:
    // A payment marks its cells; anything reported after it ends the mark. True when
    // the marked cells changed.
    bool Follow(const Game_Event& e);
    // The marked cells, bit line * 10 + column.
    uint64_t Cells() const { return cells_; }
    // The frames of the marked lamps.
    std::vector<Frame_Box> Frames(const Hoofdvenster& m) const;

    // The frame's width and its distance from the lamp, in pixels: rings of one pixel
    // each, light (`kOuter`) in all but the last, which is dark (`kInner`), so that
    // the frame shows on every colour of the card. Colours are 0xRRGGBB.
    static constexpr int kWidth = 3;
    static constexpr int kGap = 0;
    static constexpr uint32_t kOuter = 0xFFFFFF;
    static constexpr uint32_t kInner = 0x000000;
    // The colour of ring `ring`, counted from the outside.
    static constexpr uint32_t Ring_Color(int ring) { return ring < kWidth - 1 ? kOuter : kInner; }

private:
    uint64_t cells_ = 0;
};

}  // namespace plonk
