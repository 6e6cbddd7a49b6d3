#include "window/zoom_style.h"

#include <QPainter>
#include <QStyleOption>
#include <QWidget>

namespace plonk {

int Zoom_Style::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    return QProxyStyle::pixelMetric(metric, option, widget) * zoom_;
}

void Zoom_Style::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    // The whole check box or button, whatever the style marks of its own.
    if (element != CE_CheckBox && element != CE_PushButton) return;
    if (!(option->state & State_HasFocus) || (widget && widget->property(kNo_Focus_Mark).toBool())) return;
    painter->save();
    QPen dots(option->palette.color(QPalette::WindowText), zoom_, Qt::DotLine);
    painter->setPen(dots);
    painter->setBrush(Qt::NoBrush);
    const int in = zoom_ + zoom_ / 2;
    painter->drawRect(QRectF(option->rect).adjusted(in, in, -in, -in));
    painter->restore();
}

}  // namespace plonk
