#include "window/display_setup.h"

#include <cstdlib>

namespace plonk {

void Prefer_X11() {
    if (!std::getenv("QT_QPA_PLATFORM") && std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "xcb", 1);
}

void Copy_Window_Parts() { setenv("QT_XCB_NO_MITSHM", "1", 0); }

}  // namespace plonk
