#include "app/qt/drawn_lines.h"

#include <QColor>
#include <QPainter>
#include <cstdlib>

namespace plonk {

std::vector<QPoint> Line_Pixels(const Drawn_Line& line) {
    // Bresenham's walk from the first point; the end point itself is left out.
    std::vector<QPoint> pixels;
    int x = line.X1, y = line.Y1;
    const int dx = std::abs(line.X2 - x), dy = -std::abs(line.Y2 - y);
    const int sx = x < line.X2 ? 1 : -1, sy = y < line.Y2 ? 1 : -1;
    int err = dx + dy;
    while (x != line.X2 || y != line.Y2) {
        pixels.emplace_back(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    return pixels;
}

void Paint_Lines(QPainter& painter, const std::vector<Drawn_Line>& lines) {
    for (const Drawn_Line& line : lines) {
        const QColor color(static_cast<QRgb>(0xFF000000u | line.Color));
        for (const QPoint& p : Line_Pixels(line)) painter.fillRect(p.x(), p.y(), 1, 1, color);
    }
}

}  // namespace plonk
