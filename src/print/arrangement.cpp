#include "print/arrangement.h"

#include <algorithm>
#include <limits>

namespace kestrin::print {
namespace {

// A label wraps to the next row when its right edge plus this passes the paper's width.
constexpr int kRowEndMargin = 120;

void overflow(Ui& ui) {
    ui.message(MessageIcon::Information, kArrangementOverflowTitle, kArrangementOverflowText);
}

void moveTo(document::Label& label, int left, int top) {
    label.left = left;
    label.top = top;
}

bool arrangeOneColumn(document::LabelPage& page, int l0, int t0, int v, PaperSize paper, Ui& ui) {
    int top = t0;
    for (const int i : page.pageLabels()) {
        document::Label& label = page.label(i);
        moveTo(label, l0, top);
        top += label.height + v;
        if (top > paper.height) {
            overflow(ui);
            return false;
        }
    }
    return true;
}

bool arrangeTwoColumns(document::LabelPage& page, int l0, int t0, int h, int v, PaperSize paper, Ui& ui) {
    const std::vector<int> labels = page.pageLabels();
    int columnWidth = 0;
    for (const int i : labels) columnWidth = std::max(columnWidth, page.label(i).width);
    int left = l0;
    int top = t0;
    int rowHeight = 0;
    int k = 0;
    for (const int i : labels) {
        document::Label& label = page.label(i);
        moveTo(label, left, top);
        if (k % 2 == 0) {
            rowHeight = label.height;
            left += columnWidth + h;
        } else {
            rowHeight = std::max(rowHeight, label.height);
            left = l0;
            top += rowHeight + v;
        }
        if (top > paper.height) {
            overflow(ui);
            return false;
        }
        ++k;
    }
    return true;
}

bool arrangeRows(document::LabelPage& page, int l0, int t0, int h, int v, PaperSize paper, Ui& ui) {
    int left = l0;
    int top = t0;
    int nextRowTop = 0;
    for (const int i : page.pageLabels()) {
        document::Label& label = page.label(i);
        for (;;) {
            moveTo(label, left, top);
            if (label.top + label.height > nextRowTop) nextRowTop = label.top + label.height + v;
            left += label.width + h;
            if (nextRowTop > paper.height) {
                overflow(ui);
                return false;
            }
            if (label.left + label.width + kRowEndMargin <= paper.width) break;
            // A new row only helps when it starts lower; a label that is too wide and has no
            // height would otherwise wrap for ever.
            if (nextRowTop <= top) {
                overflow(ui);
                return false;
            }
            left = l0;
            top = nextRowTop;
            nextRowTop = 0;
        }
    }
    return true;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int unitsToTwips(int units) {
    const long twips = static_cast<long>(units) * kArrangementUnit;
    return static_cast<int>(std::clamp<long>(twips, std::numeric_limits<short>::min(), std::numeric_limits<short>::max()));
}

int boxValue(std::string_view text) {
    long value = 0;
    for (const char c : text) {
        if (!isDigit(c)) break;
        value = std::min<long>(value * 10 + (c - '0'), std::numeric_limits<int>::max());
    }
    return static_cast<int>(value);
}

bool arrangeLabels(document::LabelPage& page, ArrangementMode mode, const ArrangementValues& values,
                   PaperSize paper, Ui& ui) {
    const int l0 = unitsToTwips(values.startLeft);
    const int t0 = unitsToTwips(values.startTop);
    const int h = unitsToTwips(values.gapLeftRight);
    const int v = unitsToTwips(values.gapUpDown);
    switch (mode) {
        case ArrangementMode::OneColumn: return arrangeOneColumn(page, l0, t0, v, paper, ui);
        case ArrangementMode::TwoColumns: return arrangeTwoColumns(page, l0, t0, h, v, paper, ui);
        case ArrangementMode::Rows: return arrangeRows(page, l0, t0, h, v, paper, ui);
    }
    return true;
}

}  // namespace kestrin::print
