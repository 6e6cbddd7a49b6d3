#include "window/face_button.h"

#include <QtWidgets/qdrawutil.h>

#include <QPainter>

namespace plonk {

Face_Button::Face_Button(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(false);
}

void Face_Button::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool down = isDown();
    qDrawWinButton(&p, rect(), palette(), down, &palette().brush(QPalette::Button));
    const QPixmap face = icon().pixmap(iconSize(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
    if (face.isNull()) return;
    const QSize size = face.deviceIndependentSize().toSize();
    QPoint at((width() - size.width()) / 2, (height() - size.height()) / 2);
    if (down) at += QPoint(1, 1);
    p.setClipRect(rect().adjusted(2, 2, -2, -2));
    p.drawPixmap(at, face);
}

}  // namespace plonk
