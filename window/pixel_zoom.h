// The face shown larger: every one of its own pixels becomes a square block of
// `zoom` x `zoom` widget pixels, never smoothed. Pictures are painted at the face's
// own size into an image, which is then shown enlarged.
#pragma once

#include <QImage>
#include <QRegion>

class QPainter;

namespace plonk {

// The smallest part of the face that covers this part of the widget.
QRect Face_Part(const QRect& widget_part, int zoom);
QRegion Face_Part(const QRegion& widget_part, int zoom);
// The part of the widget that shows this part of the face.
QRect Widget_Part(const QRect& face_part, int zoom);
QRegion Widget_Part(const QRegion& face_part, int zoom);

// Show `area` of the face (in face pixels) enlarged `zoom` times, with nearest-
// neighbour scaling, through a painter whose device may have its own pixel ratio.
// `picture` holds the face from its pixel `origin` on.
void Show_Enlarged(QPainter& painter, const QImage& picture, const QRegion& area, int zoom,
                   QPoint origin = QPoint(0, 0));

}  // namespace plonk
