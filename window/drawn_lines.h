// The lines the machine draws on its picture boxes, as pixels.
#pragma once

#include "app/controls.h"

class QPainter;

namespace plonk {

// Paint these lines with the painter's origin at the picture box's top left.
void Paint_Lines(QPainter& painter, const std::vector<Drawn_Line>& lines);

}  // namespace plonk
