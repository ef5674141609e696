#pragma once
// The one routine that draws a whole label, for the screen picture and for paper alike.

#include "common/fixed4.h"
#include "common/surface.h"
#include "document/label.h"

namespace kestrin::document {

// Screen and paper differ only in the barcode: the screen draws it at whole-pixel pitches and
// stops at the bars' printed width; paper puts every bar on the printer's dot grid.
enum class LabelMedium { Screen, Paper };

// Draws the label with its top-left corner at (bx, by): background, frame, text items, picture
// items, and the barcode last and on top. Reads the label and never changes it.
void drawLabel(Surface& surface, const Label& label, LabelMedium medium, Fixed4 resolution, Fixed4 bx,
               Fixed4 by);

}  // namespace kestrin::document
