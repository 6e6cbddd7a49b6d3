#include "machine/paid_row.h"

#include "machine/hoofdvenster.h"

namespace plonk {

namespace {
constexpr int kCells = 50;
}  // namespace

bool Paid_Row::Follow(const Game_Event& e) {
    uint64_t cells = cells_;
    if (e.Kind == Game_Event_Kind::Payment) cells |= e.Cells;
    if (e.Kind == Game_Event_Kind::Game_Started) cells = 0;
    if (cells == cells_) return false;
    cells_ = cells;
    return true;
}

std::vector<Frame_Box> Paid_Row::Frames(const Hoofdvenster& m) const {
    // The lamp's box grown by the gap and the frame's width.
    constexpr int kGrow = kGap + kWidth;
    std::vector<Frame_Box> frames;
    for (int i = 0; i < kCells; ++i) {
        if (!(cells_ >> i & 1)) continue;
        const Control& lamp = m.Lites(i);
        frames.push_back(
            {lamp.Left - kGrow, lamp.Top - kGrow, lamp.Width + 2 * kGrow, lamp.Height + 2 * kGrow});
    }
    return frames;
}

}  // namespace plonk
