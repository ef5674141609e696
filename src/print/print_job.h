#pragma once
// Printing labels onto a page surface.

#include "common/fixed4.h"
#include "common/surface.h"
#include "page/label.h"

namespace kestrin::print {

// Where label 0 stands when printed once from the simple view on a page printer: the
// arrangement's start boxes (in units of 15 twips) at their initial "20".
constexpr int kSimpleStartUnits = 20;
constexpr int kArrangementUnit = 15;

// Prints one label with its top-left corner at (bx, by): background, frame, then the barcode
// last and on top. Does not end the page.
void 喷墨列印(Surface& page, page::Label& label, Fixed4 resolution, Fixed4 bx, Fixed4 by);

}  // namespace kestrin::print
