// Show Odds: every unlit hole shaded by the chance that the next ball lands in it at
// the start speed now, with a legend and the drain's chance, and the best start
// speed marked beside the start-speed indicator. Drawn over the screen by the window
// from the table of every flight; the machine's controls are never touched.
#pragma once

#include <QRegion>
#include <memory>
#include <optional>
#include <string>

#include "features/next_ball.h"

class QPainter;

namespace plonk {

class Hoofdvenster;

class Odds_Overlay {
public:
    // The table of every flight is read from the program folder when first needed
    // (made anew when it is not there).
    Odds_Overlay();
    ~Odds_Overlay();

    void Set_On(bool on) { on_ = on; }
    bool On() const { return on_; }
    // Whether the table of every flight has been read or made.
    bool Table_Tried() const { return tried_; }
    // The advice for the machine as it stands, worked out again when the holes, the
    // start speed or the game changed; nothing when the table does not fit the board.
    const Next_Ball* Advice(const Hoofdvenster& m);
    // Whether what the overlay shows changed since it was last painted.
    bool Changed(const Hoofdvenster& m);
    // Where it paints, in the drawing area's pixels.
    QRegion Region(const Hoofdvenster& m) const;
    // Paint it, the painter's origin at the drawing area's top left.
    void Paint(QPainter& p, const Hoofdvenster& m);
    // The tooltip of the hole at (x, y) of the drawing area; empty when none is there.
    std::string Tip_At(const Hoofdvenster& m, int x, int y);

    // The opacity of a chance 0..1 in red: clear for none, full from a quarter on.
    static int Alpha_Of(double chance);

private:
    struct Key {
        uint32_t Taken;
        int Speed, Balls, Won, Levels;
        bool operator==(const Key&) const = default;
    };
    static Key Key_Of(const Hoofdvenster& m);

    bool on_ = false;
    bool tried_ = false;
    std::unique_ptr<Flight_Table> flights_;
    std::optional<Key> advised_, painted_;
    Next_Ball advice_;
};

}  // namespace plonk
