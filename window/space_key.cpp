#include "window/space_key.h"

#include <QGuiApplication>

// The X11 headers define macros that clash with Qt's names: they come last.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace plonk {

bool Space_Key_Down() {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return false;
    static const KeyCode space = XKeysymToKeycode(display, XK_space);
    if (space == 0) return false;
    char keys[32];
    XQueryKeymap(display, keys);
    return (keys[space / 8] & (1 << (space % 8))) != 0;
}

}  // namespace plonk
