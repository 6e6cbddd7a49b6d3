#include "window/remembered_choices.h"

#include <QCheckBox>

#include "window/main_window.h"

namespace plonk {

void Remember_Choices(Main_Window& w, const Game_Options& options) {
    for (const Remembered_Box& choice : Remembered_Boxes) {
        Control& box = *w.Machine().Find_Control(choice.Box);
        // 1. The box as it was left, when that differs from how the machine starts.
        const std::optional<bool> kept = options.Flag(choice.Key);
        if (kept && *kept != (box.Value != 0)) {
            box.Value = *kept ? 1 : 0;
            w.Run_Event(choice.Box, Event_Kind::Click);
        }
        // 2. Every tick of the player from now on is kept, after the machine heard it.
        auto* widget = qobject_cast<QCheckBox*>(w.Widget_For(choice.Box));
        if (!widget) continue;
        QObject::connect(widget, &QCheckBox::clicked, &w, [&box, options, key = choice.Key] {
            std::string error;
            options.Put({{key, Game_Options::Of(box.Value != 0)}}, &error);
        });
    }
}

}  // namespace plonk
