// The game screen as the window composes it, for tests that look at pixels: the
// screen's picture, the pictures of the controls on it, and the lines drawn on each.
#pragma once

#include <string>

#include "app/controls.h"
#include "support/picture_reader.h"

namespace plonk::test {

// The picture a control shows: the one set at run time, else its own face from the
// program folder. False, with the reason in `error`, when it cannot be read.
bool Read_Shown_Picture(const Control& c, const std::string& app_folder, Picture& picture,
                        std::string& error);

// Paint a picture's opaque pixels with its top left corner at (left, top), clipped
// to `onto`.
void Paint_Picture(Picture& onto, const Picture& picture, int left, int top);

// Render a control's lines with its origin at (left, top), each line from its first
// point up to but not including its last, clipped to the control's own width and
// height when they are given.
void Render_Lines(Picture& onto, const Control& c, int left, int top, int width = 0, int height = 0);

}  // namespace plonk::test
