#pragma once
// Screen geometry: the rules measure in twips, the screen in logical pixels of 15 twips.

#include <cmath>

#include "common/fixed4.h"

namespace kestrin::platform {

constexpr int kTwipsPerPixel = 15;

// Whole pixels nearest a length in twips, halves to even like every rounding of ours.
inline int toPixels(int twips) { return static_cast<int>(roundHalfEven(twips, kTwipsPerPixel)); }
// A pointer position in logical pixels (possibly fractional at odd screen scales) in twips.
inline int toTwips(double pixels) { return static_cast<int>(std::nearbyint(pixels * kTwipsPerPixel)); }

}  // namespace kestrin::platform
