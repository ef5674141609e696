#include "print/arrangement.h"

#include <algorithm>
#include <limits>

namespace kestrin::print {
namespace {

constexpr int kGenerationGap = 60;
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

// Sets the digits of the data, the last one first, to the number plus or minus one, wrapping
// within the count of digits.
void stepDigits(std::string& digits, int button) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (button == 0) {
            if (*it != '9') { ++*it; return; }
            *it = '0';
        } else {
            if (*it != '0') { --*it; return; }
            *it = '9';
        }
    }
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

std::vector<int> 增加条码(document::LabelPage& page, const Generation& request,
                          const document::PictureLookup& pictures, Ui& ui) {
    std::vector<int> made;
    int count = 1;
    int rowOffset = 0;
    int columnOffset = 0;
    for (;;) {
        const auto index = page.createLabel(request.printerKind);
        if (!index) break;
        made.push_back(*index);
        document::Label& label = page.label(*index);
        moveTo(label, request.left + columnOffset, request.top + rowOffset);
        page.selection.currentLabel = *index;
        page.删除所有标签(*index);
        if (request.button != 1 || page.pasteMemory().empty()) break;
        page.贴上条码格式(*index, pictures);
        if (request.quantity <= count) break;
        ++count;
        rowOffset += label.height + kGenerationGap;
        if (label.top + 2 * label.height > request.paper.height) {
            rowOffset = 0;
            columnOffset += label.width + kGenerationGap;
            if (label.left + label.width > request.paper.width) {
                ui.message(MessageIcon::Information, kGenerationOverflowTitle, kGenerationOverflowText);
                break;
            }
        }
    }
    return made;
}

std::string generationHint(int button, std::string_view quantityText) {
    switch (button) {
        case 0: return "增加【空白 条码输入区】";
        case 1: return "增加 " + std::string(quantityText) + "个复制中的，条码格式";
        default: return "增加记录中的，条码格式";
    }
}

std::string 流水加减(std::string_view data, int button) {
    std::string digits;
    for (const char c : data) {
        if (isDigit(c)) digits += c;
    }
    if (digits.empty()) return std::string(data);
    stepDigits(digits, button);
    std::string out(data);
    std::size_t k = 0;
    for (char& c : out) {
        if (isDigit(c)) c = digits[k++];
    }
    return out;
}

std::string serialStepHint(std::string_view data, int button) {
    if (data.empty()) return "请先输入条码，才能使用此功能";
    return button == 0 ? "依照条码编号【增加一码】" : "依照条码编号【扣除一码】";
}

int 印量加减(int value, int button) {
    if (button == 0) return value < std::numeric_limits<int>::max() ? value + 1 : value;
    return value > 1 ? value - 1 : value;
}

}  // namespace kestrin::print
