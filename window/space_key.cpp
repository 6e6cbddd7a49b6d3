#include "window/space_key.h"

#include <QGuiApplication>

// The X11 headers define macros that clash with Qt's names: they come last.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace plonk {

namespace {

Display* X_Display() {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

}  // namespace

void Key_Repeat_Without_Release() {
    Bool supported = False;
    if (Display* display = X_Display()) XkbSetDetectableAutoRepeat(display, True, &supported);
}

bool Space_Key_Down() {
    Display* display = X_Display();
    if (!display) return false;
    static const KeyCode space = XKeysymToKeycode(display, XK_space);
    if (space == 0) return false;
    char keys[32];
    XQueryKeymap(display, keys);
    return (keys[space / 8] & (1 << (space % 8))) != 0;
}

}  // namespace plonk
