#include "engine/barcode_drawing.h"

#include <algorithm>
#include <cstdlib>

#include "common/utf8.h"
#include "engine/code39.h"

namespace kestrin::engine {
namespace {

constexpr int kTextGap = 45;         // between the bars' foot and the readable characters
constexpr int kPrintedCentreShift = 30;
constexpr int kScreenModulePitch = 15;  // one pixel per module at module width 2
constexpr int kScreenDotPitch = 8;      // per dot at module width 3 and above
constexpr std::string_view kPlaceholderHatch = "1011010101010101";

bool isBar(const std::string& modules, std::size_t m) { return m < modules.size() && modules[m] == '1'; }

std::string joined(const Cells& cells) {
    std::string text;
    for (const auto& c : cells.data) text += c;
    return text;
}

// Left edge of the readable characters printed as one block centred under the bars.
Fixed4 centredTextLeft(Surface& s, const Cells& cells, Fixed4 barsLeft, Fixed4 width) {
    return barsLeft + width.dividedBy(2) - s.textWidth(joined(cells)).dividedBy(2);
}

}  // namespace

Cells buildCells(const std::string& data, int variant) {
    Cells cells;
    cells.data = utf8::characters(data);
    if (cells.data.size() > kMaxBarcodeCharacters) cells.data.resize(kMaxBarcodeCharacters);
    cells.modules.push_back(条码编码("*", variant));
    for (const auto& c : cells.data) cells.modules.push_back(条码编码(c, variant));
    cells.modules.push_back(条码编码("*", variant));
    cells.cellModules = cells.modules.front().size();
    return cells;
}

Fixed4 printWidth(const Cells& cells, Fixed4 resolution, int moduleWidth) {
    const auto modules = static_cast<std::int64_t>(cells.modules.size() * cells.cellModules);
    return resolution * modules * moduleWidth;
}

int effectiveModuleWidth(const Barcode& barcode) { return barcode.moduleWidth == 0 ? 2 : barcode.moduleWidth; }

Fixed4 snapToDots(Fixed4 v, Fixed4 resolution) { return resolution * v.roundedQuotient(resolution); }

void 绘制条码(Surface& picture, const Barcode& label, Fixed4 resolution, Fixed4 bx, Fixed4 by) {
    if (label.data.empty()) return;
    const Cells cells = buildCells(label.data, label.variant);
    const Fixed4 x0 = bx + label.handleLeft;
    const Fixed4 y0 = by + label.handleTop;
    const int h = label.barHeight;
    const int w = effectiveModuleWidth(label);
    const Fixed4 width = printWidth(cells, resolution, w);
    const std::int64_t n2 = static_cast<std::int64_t>(cells.modules.size());

    picture.setFont(label.font);
    picture.setColour(kBlack);
    if (label.readable == 1) {
        const Fixed4 textTop = y0 + h + kTextGap;
        if (label.centred == 0) {
            const std::int64_t step = roundHalfEven(width.raw(), n2 * Fixed4::kScale);
            for (std::size_t j = 1; j <= cells.data.size(); ++j) {
                const auto x = x0 + Fixed4(1) * (static_cast<std::int64_t>(j) * step);
                picture.text({x, textTop}, cells.data[j - 1]);
            }
        } else {
            picture.text({centredTextLeft(picture, cells, x0, width), textTop}, joined(cells));
        }
    }

    picture.setLineWidthDots(1);
    int off = 0;
    const auto bar = [&](bool on) {
        if (on) picture.line({x0 + off, y0}, {x0 + off, y0 + h});
    };
    for (const auto& modules : cells.modules) {
        for (std::size_t m = 0; m < cells.cellModules; ++m) {
            if (w == 1) {
                bar(kPlaceholderHatch[m % kPlaceholderHatch.size()] == '1');
                off += kScreenModulePitch;
            } else if (w == 2) {
                bar(isBar(modules, m));
                off += kScreenModulePitch;
            } else {
                for (int r = 0; r < w; ++r) {
                    bar(isBar(modules, m));
                    off += kScreenDotPitch;
                }
            }
            if (Fixed4(off) >= width) return;
        }
    }
}

void printBarcode(Surface& page, const Barcode& label, Fixed4 resolution, Fixed4 bx, Fixed4 by) {
    if (label.data.empty()) return;
    const Cells cells = buildCells(label.data, label.variant);
    Fixed4 x = snapToDots(bx + label.handleLeft, resolution);
    const Fixed4 y = snapToDots(by + label.handleTop, resolution);
    const Fixed4 h = label.barHeight;
    const int w = effectiveModuleWidth(label);
    const Fixed4 textTop = y + h + kTextGap;

    page.setLineWidthDots(1);
    page.setFont(label.font);
    page.setColour(kBlack);
    if (label.readable == 1 && label.centred == 1) {
        const Fixed4 width = printWidth(cells, resolution, w);
        page.text({centredTextLeft(page, cells, x, width) - kPrintedCentreShift, textTop}, joined(cells));
    }
    // Adjacent dots of one bar go down as one rectangle: the same coverage as w one-dot lines
    // side by side, each edge still on the dot grid, and far fewer shapes for the printer.
    Fixed4 barStart = x;
    bool inBar = false;
    const auto endBar = [&] {
        if (inBar) page.fillRect({barStart, y, x - barStart, h}, kBlack);
        inBar = false;
    };
    for (std::size_t j = 0; j < cells.modules.size(); ++j) {
        if (label.readable == 1 && label.centred == 0 && j >= 1 && j <= cells.data.size()) {
            page.text({x, textTop}, cells.data[j - 1]);
        }
        const std::string& modules = cells.modules[j];
        for (std::size_t m = 0; m < cells.cellModules; ++m) {
            const bool on = isBar(modules, m);
            if (on && !inBar) {
                barStart = x;
                inBar = true;
            } else if (!on) {
                endBar();
            }
            x += resolution * w;
        }
    }
    endBar();
}

void 调整位置(Barcode& label, int button) {
    switch (button) {
        case 0: label.handleTop = std::max(0, label.handleTop - 60); break;
        case 1: label.handleTop += 60; break;
        case 2: label.handleLeft = std::max(0, label.handleLeft - 60); break;
        case 3: label.handleLeft += 60; break;
        case 4: label.barHeight = std::max(kMinBarHeight, label.barHeight - 120); break;
        case 5: label.barHeight += 120; break;
        case 6: if (label.moduleWidth > 1) --label.moduleWidth; break;
        case 7: if (label.moduleWidth < kMaxModuleWidth) ++label.moduleWidth; break;
        default: break;
    }
}

const char* adjustHint(int button) {
    static constexpr const char* kHints[] = {
        "移动 条码位置 ↑", "移动 条码位置 ↓", "移动 条码位置 ←", "移动 条码位置 →",
        "减少 条码高度", "增加 条码高度",
        "条码 宽度-减细，若使用最细线条，建议格式选择，正规", "条码 宽度+加粗",
    };
    return button >= 0 && button < 8 ? kHints[button] : "";
}

bool dragHandle(Barcode& label, int labelWidth, int labelHeight, int downX, int downY, int x, int y) {
    bool moved = false;
    if (std::abs(y - downY) > kDragThreshold) {
        label.handleTop += y - downY;
        moved = true;
    }
    if (std::abs(x - downX) > kDragThreshold) {
        label.handleLeft += x - downX;
        moved = true;
    }
    if (!moved) return false;
    if (label.handleTop < kDragThreshold) label.handleTop = 0;
    if (label.handleLeft < kDragThreshold) label.handleLeft = 0;
    label.handleTop = std::min(label.handleTop, std::max(0, labelHeight - kHandleSize));
    label.handleLeft = std::min(label.handleLeft, std::max(0, labelWidth - kHandleSize));
    return true;
}

}  // namespace kestrin::engine
