#include "window/remembered_choices.h"

#include <QCheckBox>

#include "window/main_window.h"

namespace plonk {

void Remember_Choices(Main_Window& w, const Game_Options& options) {
    Hoofdvenster& m = w.Machine();
    for (const Remembered_Box& choice : Remembered_Boxes) {
        Control& box = *m.Find_Control(choice.Box);
        // 1. The box as it was left, when that differs from how the machine starts.
        const std::optional<bool> kept = options.Flag(choice.Key);
        if (kept && *kept != (box.Value != 0) && box.Enabled) {
            box.Value = *kept ? 1 : 0;
            w.Run_Event(choice.Box, Event_Kind::Click);
        }
        // 2. Every tick of the player from now on is kept, after the machine heard it.
        auto* widget = qobject_cast<QCheckBox*>(w.Widget_For(choice.Box));
        if (!widget) continue;
        QObject::connect(widget, &QCheckBox::clicked, &w, [&box, options, key = choice.Key] {
            std::string error;
            options.Put_If_There({{key, Game_Options::Of(box.Value != 0)}}, &error);
        });
    }
    // 3. The close keeps every box the player can tick.
    w.Keep_At_Close([&m] {
        Game_Options::Values values;
        for (const Remembered_Box& choice : Remembered_Boxes)
            if (const Control& box = *m.Find_Control(choice.Box); box.Enabled)
                values.push_back({choice.Key, Game_Options::Of(box.Value != 0)});
        return Game_Options::Entries(values);
    });
}

}  // namespace plonk
