// The look of the face's Qt controls when the face is shown larger: every size the
// style measures (tick box, slider handle, frame widths, margins) grows with the
// zoom, as their places and captions do.
#pragma once

#include <QProxyStyle>

namespace plonk {

class Zoom_Style : public QProxyStyle {
public:
    explicit Zoom_Style(int zoom) : zoom_(zoom) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        return QProxyStyle::pixelMetric(metric, option, widget) * zoom_;
    }

private:
    int zoom_;
};

}  // namespace plonk
