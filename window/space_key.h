// The keyboard as the display keeps it: the space bar's state read straight from the
// keyboard, not from queued key events, so the ball's flight sees it while the event
// thread is busy; and how a held key repeats.
#pragma once

namespace plonk {

// Whether the space bar is down now; false where the display gives no keyboard
// state (the offscreen platform).
bool Space_Key_Down();

// A key held down repeats as presses only, with no release between them, so a held
// key's release is the player letting go. Only where the display keeps a keyboard.
void Key_Repeat_Without_Release();

}  // namespace plonk
