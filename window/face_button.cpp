#include "window/face_button.h"

#include <QtWidgets/qdrawutil.h>

#include <QPainter>

#include "window/pixel_zoom.h"

namespace plonk {

Face_Button::Face_Button(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(false);
}

void Face_Button::Set_Zoom(int zoom) {
    zoom_ = zoom;
    update();
}

void Face_Button::paintEvent(QPaintEvent*) {
    // Painted at the button's own size, then shown enlarged.
    const QRect own(0, 0, width() / zoom_, height() / zoom_);
    QImage face(own.size(), QImage::Format_RGB32);
    face.fill(palette().color(QPalette::Button));
    {
        QPainter p(&face);
        Paint_Face(p, own);
    }
    QPainter p(this);
    Show_Enlarged(p, face, own, zoom_);
}

void Face_Button::Paint_Face(QPainter& p, const QRect& own) {
    const bool down = isDown();
    qDrawWinButton(&p, own, palette(), down, &palette().brush(QPalette::Button));
    const QPixmap face = icon().pixmap(iconSize(), 1.0, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    if (face.isNull()) return;
    const QSize size = face.deviceIndependentSize().toSize();
    QPoint at((own.width() - size.width()) / 2, (own.height() - size.height()) / 2);
    if (down) at += QPoint(1, 1);
    p.setClipRect(own.adjusted(2, 2, -2, -2));
    p.drawPixmap(at, face);
}

}  // namespace plonk
