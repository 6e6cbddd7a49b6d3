// The paid row's frames on the window's game screen (the core's Paid_Row, painted).
#pragma once

#include <QRegion>

#include "machine/paid_row.h"

class QPainter;

namespace plonk {

class Row_Mark : public Paid_Row {
public:
    // Where the frames of the marked lamps lie, in the screen's drawing-area pixels.
    QRegion Region(const Hoofdvenster& m) const;
    // Paint the frames, the painter's origin at the drawing area's top left.
    void Paint(QPainter& p, const Hoofdvenster& m) const;
};

}  // namespace plonk
