// The lines the machine draws on its picture boxes, as pixels.
#pragma once

#include <QPoint>
#include <vector>

#include "app/controls.h"

class QPainter;

namespace plonk {

// The pixels of a line from (X1, Y1) up to but not including (X2, Y2): a line of
// length zero has none.
std::vector<QPoint> Line_Pixels(const Drawn_Line& line);

// Paint these lines with the painter's origin at the picture box's top left.
void Paint_Lines(QPainter& painter, const std::vector<Drawn_Line>& lines);

}  // namespace plonk
