#include "window/drawn_lines.h"

#include <QColor>
#include <QPainter>

namespace plonk {

void Paint_Lines(QPainter& painter, const std::vector<Drawn_Line>& lines) {
    for (const Drawn_Line& line : lines) {
        const QColor color(static_cast<QRgb>(0xFF000000u | line.Color));
        for (const Line_Pixel& p : Line_Pixels(line)) painter.fillRect(p.X, p.Y, 1, 1, color);
    }
}

}  // namespace plonk
