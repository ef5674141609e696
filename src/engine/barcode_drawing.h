#pragma once
// The geometry of a label's bars and their two renderings: the screen picture (an
// approximation at whole-pixel pitches) and the printed bars, exact on the printer's dot grid.

#include <cstdint>
#include <string>
#include <vector>

#include "common/fixed4.h"
#include "common/surface.h"

namespace kestrin::engine {

// A barcode as a label carries it: the data and how its bars and readable characters are laid
// out, in twips inside the label.
struct Barcode {
    std::string data;  // upper-case barcode data, "" for none
    Font font;         // the readable characters' font

    std::uint8_t moduleWidth = 2;  // printer dots per module, 1..6; 0 is drawn as 2
    std::uint8_t variant = 0;      // ratio variant 0..3
    std::uint8_t readable = 1;     // 1: print the readable characters
    std::uint8_t centred = 0;      // 1: readable characters as one centred block

    // The bar origin handle: the top-left corner of the bars, and the bar height.
    int handleLeft = 120;
    int handleTop = 120;
    int barHeight = 480;

    bool operator==(const Barcode&) const = default;
};

// Data longer than this cannot fit the 42 cells (start, data, stop) and is cut.
constexpr std::size_t kMaxBarcodeCharacters = 40;
constexpr int kMinBarHeight = 120;
constexpr int kMaxModuleWidth = 6;

struct Cells {
    std::vector<std::string> data;     // the data characters drawn, at most 40
    std::vector<std::string> modules;  // n + 2 module strings, start and stop included
    std::size_t cellModules = 0;       // L: every cell is drawn this many modules wide
};

Cells buildCells(const std::string& data, int variant);
// W: the width the bars take on paper.
Fixed4 printWidth(const Cells& cells, Fixed4 resolution, int moduleWidth);
// The module width a barcode draws with: a stored 0 counts as 2.
int effectiveModuleWidth(const Barcode& barcode);
// Snaps a printed coordinate to the nearest dot of the printer's grid.
Fixed4 snapToDots(Fixed4 v, Fixed4 resolution);

// Draws the barcode into a label's screen picture, the label standing at (bx, by).
void 绘制条码(Surface& picture, const Barcode& barcode, Fixed4 resolution, Fixed4 bx = 0, Fixed4 by = 0);
// Draws the bars and readable characters on the page, the label standing at (bx, by).
void printBarcode(Surface& page, const Barcode& barcode, Fixed4 resolution, Fixed4 bx, Fixed4 by);

// The buttons beside the bars: 0/1 handle up/down, 2/3 left/right, 4/5 bar height down/up,
// 6/7 module width down/up, each step kept within its limits.
void 调整位置(Barcode& barcode, int button);
const char* adjustHint(int button);

// Moves the bar origin handle by a drag from (downX, downY) to (x, y), in twips inside a label
// of the given size. Returns whether the handle moved.
bool dragHandle(Barcode& barcode, int labelWidth, int labelHeight, int downX, int downY, int x, int y);
constexpr int kHandleSize = 180;  // 12 pixels at 15 twips per pixel
constexpr int kDragThreshold = 60;

}  // namespace kestrin::engine
