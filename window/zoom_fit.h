// How large the face can be shown on a screen: the whole factors that fit, for the
// window with its bars and frame, and for the full screen.
#pragma once

#include <QSize>

namespace plonk {

// The largest whole zoom, 1 to `most`, at which a face of `face` pixels with
// `around` more pixels around it (bars and window frame) fits in `room`; 1 when not
// even that fits.
int Largest_Zoom(QSize face, QSize around, QSize room, int most);

// The full screen: the face at the largest whole zoom that fits, centred on black,
// with its menu and status bars (`bars` pixels high together) when they cost no
// zoom, else without them.
struct Full_Screen_Look {
    int Zoom = 1;
    bool Bars = true;
    friend bool operator==(const Full_Screen_Look&, const Full_Screen_Look&) = default;
};
Full_Screen_Look Full_Screen_Look_For(QSize face, int bars, QSize screen, int most);

}  // namespace plonk
