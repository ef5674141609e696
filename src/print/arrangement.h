#pragma once
// Placing the professional view's labels on the paper picture: the three arrangement modes and
// the numbers of the arrangement boxes.

#include <string_view>

#include "common/ui.h"
#include "document/label_page.h"
#include "print/paper.h"

namespace kestrin::print {

// The arrangement boxes hold numbers in units of 15 twips (one screen pixel at 96 dpi).
constexpr int kArrangementUnit = 15;

// The four arrangement boxes as numbers, in the boxes' own units.
struct ArrangementValues {
    int gapLeftRight = 2;  // 左右间距
    int gapUpDown = 2;     // 上下间距
    int startLeft = 20;    // 起始左
    int startTop = 20;     // 起始上
    bool operator==(const ArrangementValues&) const = default;
};

// A box's units in whole twips (kept within a 16-bit integer).
int unitsToTwips(int units);
// The numeric value of a digits-only box; an empty box counts as 0.
int boxValue(std::string_view text);

enum class ArrangementMode { OneColumn = 0, TwoColumns = 1, Rows = 2 };

inline constexpr std::string_view kArrangementOverflowText = "条码排列 高度 超出列印范围";
inline constexpr std::string_view kArrangementOverflowTitle = "列印超出";

// Moves the page's labels 1..250, in index order, by the mode. Stops with the overflow message
// when a row passes the paper's bottom (labels not yet reached keep their places) and then
// returns false.
bool arrangeLabels(document::LabelPage& page, ArrangementMode mode, const ArrangementValues& values,
                   PaperSize paper, Ui& ui);

}  // namespace kestrin::print
