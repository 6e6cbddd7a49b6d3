// The help's keys: the machine's key table, the front end's own keys and the mouse.
#include <cctype>

#include "machine/help_html.h"
#include "machine/hoofdvenster.h"
#include "machine/key_table.h"

namespace plonk::help {

namespace {

std::string Key_Name(char key) { return key == ' ' ? "Space" : std::string(1, key); }

std::string Tip(const Control& c) { return Escape(c.ToolTipText); }

Rows Game_Keys(const Hoofdvenster& m, const Rows& own_keys) {
    Rows rows;
    for (const Key_Use& k : Key_Uses(m)) {
        std::string when = "always";
        if (k.Needs_Held)
            when = "while <b>" + Tip(*k.Button) + "</b> is held down";
        else if (k.Needs_Enabled)
            when = "while its button can be pressed";
        rows.push_back({"<b>" + Key_Name(k.Key) + "</b>", Face_Of(*k.Button) + " " + Tip(*k.Button), when});
    }
    // The two held buttons, and the kick.
    rows.push_back({"<b>F1</b>", Face_Of(m.Knop_F1) + " " + Tip(m.Knop_F1), "held down, as the button"});
    rows.push_back({"<b>F2</b>", Face_Of(m.Knop_F2) + " " + Tip(m.Knop_F2), "held down, as the button"});
    rows.push_back({"<b>Space</b>", "kicks the ball", "held while a ball is in flight"});
    // The window's own controls, by their underlined letters.
    for (const Control* c : m.All_Controls()) {
        if (!c->Container.empty() || c->Caption.find('&') == std::string::npos) continue;
        if (c->Kind != Control_Kind::Check_Box && c->Kind != Control_Kind::Button) continue;
        const size_t mark = c->Caption.find('&');
        if (mark + 1 >= c->Caption.size()) continue;
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(c->Caption[mark + 1])));
        rows.push_back(
            {"<b>Alt+" + Key_Name(letter) + "</b>", Escape(Plain_Caption(c->Caption)), "as a click on it"});
    }
    rows.insert(rows.end(), own_keys.begin(), own_keys.end());
    return rows;
}

}  // namespace

std::string Keys_Section(const Hoofdvenster& m, const Rows& own_keys) {
    const Control& offset = m.dummie01;
    return "<h2><a name=\"keys\"></a>Keys</h2><p>A letter works in either case.</p>" +
           Table("keys", {"Key", "Does", "When"}, Game_Keys(m, own_keys)) +
           "<h3>The mouse</h3><ul>"
           "<li>Click a button to press it; its tooltip names it.</li>"
           "<li>Hold " +
           Face_Of(m.Knop_F1) + " <b>" + Tip(m.Knop_F1) + "</b> and " + Face_Of(m.Knop_F2) + " <b>" +
           Tip(m.Knop_F2) +
           "</b> down: they act at once and then again and again while held.</li>"
           "<li>Hold the space bar while a ball is in flight to kick it.</li>"
           "<li>The slider sets the average ball speed; right-click it for the menu <b>" +
           Escape(Plain_Caption(offset.Caption)) + "</b>: <b>" +
           Escape(Plain_Caption(m.Mnu_BallSpeedOffsetInc.Caption)) + "</b> or <b>" +
           Escape(Plain_Caption(m.Mnu_BallSpeedOffsetDec.Caption)) +
           "</b>.</li>"
           "<li>Rest the mouse on any lamp, counter or sign of the game screen to see what it is.</li></ul>";
}

}  // namespace plonk::help
