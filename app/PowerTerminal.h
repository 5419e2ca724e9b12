// The board's two-position power screw terminal as a small vector drawing.
#pragma once

#include "platform/Canvas.h"

namespace app {

// Draws the terminal body, its lighter left face, the wire opening and two
// slotted screw heads into r. Sets every colour it uses, so drawing twice
// gives the same picture.
void DrawPowerTerminal(vcl::TCanvas& canvas, const vcl::TRect& r);

}  // namespace app
