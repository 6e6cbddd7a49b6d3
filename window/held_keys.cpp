// F1 and F2: the keys their buttons show on their faces hold those buttons down as
// the mouse does.
#include <QKeyEvent>

#include "window/main_window.h"

namespace plonk {

namespace {

const char* Button_Of(int key) {
    if (key == Qt::Key_F1) return "Knop_F1";
    if (key == Qt::Key_F2) return "Knop_F2";
    return nullptr;
}

}  // namespace

bool Main_Window::Held_Key(const QKeyEvent& key) {
    const char* name = Button_Of(key.key());
    if (!name) return false;
    // 1. The key's own repeat is neither a press nor a release: while the button is
    //    held, the machine's timer repeats its action.
    if (key.isAutoRepeat()) return true;
    Event_Args args;
    args.Button = 1;
    if (key.type() == QEvent::KeyPress) {
        // 2. Pressed: the mouse pressed on the button, while it is enabled and not
        //    held already (by the mouse).
        QWidget* button = Widget_For(name);
        if (held_.count(name) || !button || !button->isEnabled()) return true;
        if (Run_Event(name, Event_Kind::Mouse_Down, args)) {
            held_.insert(name);
            keys_held_.insert(name);
        }
    } else if (keys_held_.erase(name) && held_.erase(name)) {
        // 3. Released: the mouse let go, unless the hold already ended (the window
        //    lost the focus meanwhile).
        Run_Event(name, Event_Kind::Mouse_Up, args);
    }
    return true;
}

}  // namespace plonk
