#include "window/row_mark.h"

#include <QPainter>

namespace plonk {

namespace {
QRect Rect_Of(const Frame_Box& f) { return QRect(f.Left, f.Top, f.Width, f.Height); }
}  // namespace

QRegion Row_Mark::Region(const Hoofdvenster& m) const {
    QRegion region;
    for (const Frame_Box& f : Frames(m)) region += Rect_Of(f);
    return region;
}

void Row_Mark::Paint(QPainter& p, const Hoofdvenster& m) const {
    p.save();
    p.setBrush(Qt::NoBrush);
    for (const Frame_Box& f : Frames(m)) {
        const QRect frame = Rect_Of(f);
        for (int ring = 0; ring < kWidth; ++ring) {
            p.setPen(QPen(QColor(static_cast<QRgb>(0xFF000000u | Ring_Color(ring))), 1));
            p.drawRect(frame.adjusted(ring, ring, -ring - 1, -ring - 1));
        }
    }
    p.restore();
}

}  // namespace plonk
