#pragma once
// Placing the professional view's labels on the paper picture: the three arrangement modes,
// generating labels from the add label window, the serial step of the barcode data and the
// counts of the simple view.

#include <string>
#include <string_view>
#include <vector>

#include "common/ui.h"
#include "document/label_page.h"
#include "print/paper.h"
#include "storage/settings_service.h"

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
inline constexpr std::string_view kGenerationOverflowText = "产生数量 依照排列 超出宽度 无法在产生";
inline constexpr std::string_view kGenerationOverflowTitle = "超出提示";

// Moves the page's labels 1..250, in index order, by the mode. Stops with the overflow message
// when a row passes the paper's bottom (labels not yet reached keep their places) and then
// returns false.
bool arrangeLabels(document::LabelPage& page, ArrangementMode mode, const ArrangementValues& values,
                   PaperSize paper, Ui& ui);

// The add label window's buttons 0 (one blank label) and 1 (labels from the paste memory).
struct Generation {
    int button = 0;
    int left = 0;  // the add label window's corner on the paper picture
    int top = 0;
    int quantity = 1;  // 贴上数量
    PaperSize paper;
    storage::PrinterKind printerKind = storage::PrinterKind::Page;
};

// Creates the labels, each becoming the current label in turn, and returns their indices.
// Stops without a message when no label index is free.
std::vector<int> 增加条码(document::LabelPage& page, const Generation& request,
                          const document::PictureLookup& pictures, Ui& ui);
std::string generationHint(int button, std::string_view quantityText);

// Adds one (button 0) to or subtracts one (button 1) from the number made of all the digits
// in the data, keeping every other character and the number of digits: A009-9 + 1 is A010-0,
// 99 + 1 is 00 and 00 - 1 is 99.
std::string 流水加减(std::string_view data, int button);
std::string serialStepHint(std::string_view data, int button);

// The plus (0) and minus (1) buttons of the print quantity and the print copies: minus stops
// at 1.
int 印量加减(int value, int button);

}  // namespace kestrin::print
