#include "window/row_mark.h"

#include <QPainter>

#include "machine/hoofdvenster.h"

namespace plonk {

namespace {

constexpr int kCells = 50;
const QColor kOuter(0xFF, 0xFF, 0xFF);  // light on the dark zones
const QColor kInner(0x00, 0x00, 0x00);  // dark on the light ones

// The frame around a lamp: the lamp's box grown by the gap and the frame's width.
QRect Frame_Of(const Control& lamp) {
    const int grow = Row_Mark::kGap + Row_Mark::kWidth;
    return QRect(lamp.Left, lamp.Top, lamp.Width, lamp.Height).adjusted(-grow, -grow, grow, grow);
}

}  // namespace

bool Row_Mark::Follow(const Game_Event& e) {
    uint64_t cells = cells_;
    if (e.Kind == Game_Event_Kind::Payment) cells |= e.Cells;
    if (e.Kind == Game_Event_Kind::Game_Started) cells = 0;
    if (cells == cells_) return false;
    cells_ = cells;
    return true;
}

QRegion Row_Mark::Region(const Hoofdvenster& m) const {
    QRegion region;
    for (int i = 0; i < kCells; ++i)
        if (cells_ >> i & 1) region += Frame_Of(m.Lites(i));
    return region;
}

void Row_Mark::Paint(QPainter& p, const Hoofdvenster& m) const {
    // Rings of one pixel each, light outside and dark inside, so the frame shows on
    // every colour of the card.
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < kCells; ++i) {
        if (!(cells_ >> i & 1)) continue;
        const QRect frame = Frame_Of(m.Lites(i));
        for (int ring = 0; ring < kWidth; ++ring) {
            p.setPen(QPen(ring < kWidth - 1 ? kOuter : kInner, 1));
            p.drawRect(frame.adjusted(ring, ring, -ring - 1, -ring - 1));
        }
    }
    p.restore();
}

}  // namespace plonk
