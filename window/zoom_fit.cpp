#include "window/zoom_fit.h"

namespace plonk {

int Largest_Zoom(QSize face, QSize around, QSize room, int most) {
    int zoom = 1;
    for (int z = 2; z <= most; ++z) {
        const QSize needed = face * z + around;
        if (needed.width() <= room.width() && needed.height() <= room.height()) zoom = z;
    }
    return zoom;
}

Full_Screen_Look Full_Screen_Look_For(QSize face, int bars, QSize screen, int most) {
    const int with_bars = Largest_Zoom(face, QSize(0, bars), screen, most);
    const int without = Largest_Zoom(face, QSize(0, 0), screen, most);
    return without > with_bars ? Full_Screen_Look{without, false} : Full_Screen_Look{with_bars, true};
}

}  // namespace plonk
