// The look of the face's Qt controls: every size the style measures (tick box,
// slider handle, frame widths, margins) grows with the zoom, as their places and
// captions do; and a control that has the keyboard focus wears a dotted frame, so
// that Tab shows where it went. A control can do without the frame (the focus
// keeper that holds the focus between actions) by its property kNo_Focus_Mark.
#pragma once

#include <QProxyStyle>

namespace plonk {

class Zoom_Style : public QProxyStyle {
public:
    static constexpr const char* kNo_Focus_Mark = "no_focus_mark";

    explicit Zoom_Style(int zoom) : zoom_(zoom) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

private:
    int zoom_;
};

}  // namespace plonk
