#include "window/pixel_zoom.h"

#include <QPainter>

namespace plonk {

namespace {
// Floor and ceiling of a division of a coordinate by the zoom.
int Down(int v, int zoom) { return v >= 0 ? v / zoom : -((-v + zoom - 1) / zoom); }
int Up(int v, int zoom) { return -Down(-v, zoom); }
}  // namespace

QRect Face_Part(const QRect& widget_part, int zoom) {
    if (widget_part.isEmpty()) return {};
    const int left = Down(widget_part.left(), zoom), top = Down(widget_part.top(), zoom);
    const int right = Up(widget_part.left() + widget_part.width(), zoom);
    const int bottom = Up(widget_part.top() + widget_part.height(), zoom);
    return QRect(left, top, right - left, bottom - top);
}

QRegion Face_Part(const QRegion& widget_part, int zoom) {
    QRegion face;
    for (const QRect& r : widget_part) face += Face_Part(r, zoom);
    return face;
}

QRect Widget_Part(const QRect& face_part, int zoom) {
    return QRect(face_part.topLeft() * zoom, face_part.size() * zoom);
}

QRegion Widget_Part(const QRegion& face_part, int zoom) {
    QRegion widget;
    for (const QRect& r : face_part) widget += Widget_Part(r, zoom);
    return widget;
}

void Show_Enlarged(QPainter& painter, const QImage& picture, const QRegion& area, int zoom, QPoint origin) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& r : area) painter.drawImage(Widget_Part(r, zoom), picture, r.translated(-origin));
    painter.restore();
}

}  // namespace plonk
