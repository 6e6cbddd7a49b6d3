// The space bar's state read straight from the keyboard, not from queued key events,
// so the ball's flight sees it while the event thread is busy.
#pragma once

namespace plonk {

// Whether the space bar is down now; false where the display gives no keyboard
// state (the offscreen platform).
bool Space_Key_Down();

}  // namespace plonk
