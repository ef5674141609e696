#pragma once
// The geometry of a label's bars and their two renderings: the screen picture (an
// approximation at whole-pixel pitches) and the printed bars, exact on the printer's dot grid.

#include <string>
#include <vector>

#include "common/fixed4.h"
#include "common/surface.h"
#include "page/label.h"

namespace kestrin::engine {

// Data longer than this cannot fit the 42 cells (start, data, stop) and is cut.
constexpr std::size_t kMaxBarcodeCharacters = 40;
constexpr int kMinBarHeight = 120;
constexpr int kMaxModuleWidth = 6;
// The resolution a new session starts with: 1/200 inch per dot.
inline const Fixed4 kDefaultResolution = Fixed4::fromRaw(72000);

struct Cells {
    std::vector<std::string> data;     // the data characters drawn, at most 40
    std::vector<std::string> modules;  // n + 2 module strings, start and stop included
    std::size_t cellModules = 0;       // L: every cell is drawn this many modules wide
};

Cells buildCells(const std::string& data, int variant);
// W: the width the bars take on paper.
Fixed4 printWidth(const Cells& cells, Fixed4 resolution, int moduleWidth);
// The module width a label draws with: a stored 0 is taken, and kept, as 2.
int effectiveModuleWidth(page::Label& label);
// Snaps a printed coordinate to the nearest dot of the printer's grid.
Fixed4 snapToDots(Fixed4 v, Fixed4 resolution);

// Draws the label's barcode into its (already cleared) screen picture.
void 绘制条码(Surface& picture, page::Label& label, Fixed4 resolution);
// Draws the label's bars and readable characters on the page, the label standing at (bx, by).
void printBarcode(Surface& page, page::Label& label, Fixed4 resolution, Fixed4 bx, Fixed4 by);

// The buttons beside the bars: 0/1 handle up/down, 2/3 left/right, 4/5 bar height down/up,
// 6/7 module width down/up, each step kept within its limits.
void 调整位置(page::Label& label, int button);
const char* adjustHint(int button);

// Moves the bar origin handle by a drag from (downX, downY) to (x, y), in twips inside the
// label. Returns whether the handle moved.
bool dragHandle(page::Label& label, int downX, int downY, int x, int y);
constexpr int kHandleSize = 180;  // 12 pixels at 15 twips per pixel
constexpr int kDragThreshold = 60;

}  // namespace kestrin::engine
