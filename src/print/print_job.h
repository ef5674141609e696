#pragma once
// Printing labels onto a page surface: one label, the simple view's label many times over the
// sheet, and the professional view's page.

#include "common/fixed4.h"
#include "common/surface.h"
#include "document/label.h"
#include "document/label_page.h"
#include "print/arrangement.h"
#include "storage/settings_keys.h"
#include "storage/settings_service.h"

namespace kestrin::print {

// The simple view lays its copies out within these fixed bounds, whatever paper the
// professional view shows, with this gap between copies.
constexpr int kSimpleSheetWidth = 12000;
constexpr int kSimpleSheetHeight = 16700;
constexpr int kSimpleGap = 20;

// 列印份数 holds 1 to 999: a typing slip must not queue millions of pages.
constexpr int kMostCopies = 999;

struct PrintSettings {
    Fixed4 resolution;  // 列印解析度
    storage::PrinterKind printerKind = storage::PrinterKind::Page;  // 印表装置
    int copies = 1;     // 列印份数: each label printed this many times in turn, both views
};

// The arrangement boxes' values from their stored texts: the defaults while nothing is stored.
ArrangementValues arrangementValues(const std::optional<storage::PrintArrangementTexts>& texts);

// Prints one label with its top-left corner at (bx, by): background, frame, text items,
// picture items, then the barcode last and on top. Does not end the page.
void 喷墨列印(Surface& page, const document::Label& label, Fixed4 resolution, Fixed4 bx, Fixed4 by);
// Prints one label of the page where the printer kind puts it: at its place on the paper for
// a page printer, at the page's corner for a label printer.
void 喷墨列印(Surface& page, const document::Label& label, const PrintSettings& settings);

// Where the simple view puts successive copies of a label: rows from the start position,
// a new row and a new page at the fixed bounds; on a label printer every copy at (0, 0) on a
// page of its own.
class SimpleSheet {
public:
    struct Slot {
        int left = 0;
        int top = 0;
        bool newPageBefore = false;  // start a page before printing this copy
        bool operator==(const Slot&) const = default;
    };

    SimpleSheet(int startLeft, int startTop, int width, int height, storage::PrinterKind printerKind);
    Slot next();

private:
    int startLeft_, startTop_, width_, height_;
    storage::PrinterKind printerKind_;
    int left_, top_;
    bool first_ = true;
    bool pageDue_ = false;
};

// 确定列印: label 0 printed quantity × copies times over the sheet from the start boxes, then
// the document ended. A quantity below 1 prints nothing. The label keeps its own place.
// Returns what ending the document returned.
bool simplePrint(PageSurface& page, const document::Label& label, int quantity, const ArrangementValues& start,
                 const PrintSettings& settings);
// 确定列印_V: every existing label 1..250 in index order, then the document ended.
bool professionalPrint(PageSurface& page, const document::LabelPage& labels, const PrintSettings& settings);

}  // namespace kestrin::print
