// How the game's window meets the display, settled before the application object
// is made: by the game, and by the benchmarks and tests that drive its window.
#pragma once

namespace plonk {

// Prefers X11 where there is an X display (also under XWayland), unless a platform
// was asked for: the space bar is read from the X keyboard state.
void Prefer_X11();

// While a ball flies the window shows a few small parts of the screen every frame.
// Copied through the X connection, each part is sent and done with; put through
// shared memory, the window would wait for the server's word that it has read the
// part before painting the next, a round trip and some wake-ups every frame. So
// the parts are copied, unless the player's environment says otherwise
// (QT_XCB_NO_MITSHM).
void Copy_Window_Parts();

}  // namespace plonk
