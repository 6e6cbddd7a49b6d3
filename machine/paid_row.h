// The wins on the card: as a payment is counted up, the lamps of the paid row (or of
// a card bonus's pattern) put on a frame, and keep it after the count-up, with the
// frames of the other payments of the same action of the player, until the player
// acts again or a new card is dealt. It follows the machine's reports and the front
// end's word that the player acted, and never touches the machine's controls; every
// front end draws the same frames.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/game_events.h"

namespace plonk {

class Hoofdvenster;

// A frame's outer box, in the screen's drawing-area pixels.
struct Frame_Box {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

// Whether the event (or the control whose event it is) is the player's doing: every
// event but the timer's.
inline bool Players_Action(const std::string& event) { return event.rfind("Timer", 0) != 0; }

class Paid_Row {
public:
    // A payment marks its cells too; a new game's card ends the marks. True when the
    // marked cells changed.
    bool Follow(const Game_Event& e);
    // The player acts: the marks end.
    void Clear() { cells_ = 0; }
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
