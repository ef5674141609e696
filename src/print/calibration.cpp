#include "print/calibration.h"

#include <algorithm>

namespace kestrin::print {
namespace {

constexpr Fixed4 tenths(int n) { return Fixed4::fromRaw(std::int64_t{n} * 1000); }

constexpr int kFirstRowTop = 150;
constexpr int kPageEndRow = 60;
constexpr std::string_view kFirstPageHint = "找出距离最细小且最密集的编号";
constexpr std::string_view kLastPageHint = "最密集但不重叠为主【预设号B78】";

struct Comb {
    int from;    // the comb starts at the multiple of the pitch nearest to this
    int length;  // of each line, down from the row's top
};

// One row of lines on every second dot of the pitch, up to 3500 twips. Each line is one dot of
// the device the page goes to, not the stored resolution wide: with a wrong resolution such
// lines would overlap and hide the very row that matches the printer.
void drawComb(Surface& page, Fixed4 pitch, Fixed4 top, Comb comb) {
    Fixed4 x = pitch * Fixed4(comb.from).roundedQuotient(pitch);
    while (x <= Fixed4(3500)) {
        x += pitch;
        page.deviceDotLine({x, top}, {x, top + comb.length});
        x += pitch;
    }
}

}  // namespace

const std::array<CoarseCode, kCoarseCodeCount>& coarseCodes() {
    static const std::array<CoarseCode, kCoarseCodeCount> codes{{
        {"A1", tenths(68), "密集"},
        {"A2", tenths(69), ""},
        {"A3", tenths(70), ""},
        {"A4", tenths(71), ""},
        {"A5", tenths(72), "预设"},
        {"A6", tenths(73), ""},
        {"A7", tenths(74), ""},
        {"A8", tenths(75), ""},
        {"A9", tenths(76), "稀疏"},
    }};
    return codes;
}

Fixed4 finePitch(int n) { return tenths(150 - n); }
std::string fineCode(int n) { return "B" + std::to_string(n); }

std::optional<int> 计算解析设定(Fixed4 resolution) {
    for (int k = 1; k <= kCoarseCodeCount; ++k) {
        if (coarseCodes()[static_cast<std::size_t>(k - 1)].pitch == resolution) return k;
    }
    return std::nullopt;
}

std::string 计算进阶解析(Fixed4 resolution) {
    return "B" + std::to_string(roundHalfEven((Fixed4(15) - resolution).raw(), tenths(1).raw()));
}

int stripPictureForSample(int coarseIndex, int sample) { return 10 - coarseIndex + sample - 1; }

int arrowTick(int position, int target) {
    constexpr int kStep = 60;
    if (position < target) return std::min(position + kStep, target);
    return std::max(position - kStep, target);
}

CoarseChoice chooseCoarseCode(std::string_view code, Fixed4 current) {
    for (int k = 1; k <= kCoarseCodeCount; ++k) {
        const CoarseCode& c = coarseCodes()[static_cast<std::size_t>(k - 1)];
        if (c.code == code) return {c.pitch, c.pitch != current, k};
    }
    return {current, false, std::nullopt};
}

std::optional<Fixed4> chooseFineCode(std::string_view code) {
    if (code.size() < 2 || code.size() > 4 || code[0] != 'B') return std::nullopt;
    int n = 0;
    for (const char c : code.substr(1)) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n >= kFineCodeCount) return std::nullopt;
    return finePitch(n);
}

bool printCoarseCalibration(PageSurface& page) {
    Font font;
    font.sizePoints = 10;
    font.bold = true;
    page.setFont(font);
    page.setColour(kBlack);
    int y = kFirstRowTop;
    for (const CoarseCode& c : coarseCodes()) {
        page.text({0, y + 45}, c.code);
        drawComb(page, c.pitch, y, {240, 300});
        if (!c.rowLabel.empty()) {
            page.setColour(kWhite);
            page.text({300, y + 45}, c.rowLabel);
            page.setColour(kBlack);
        }
        y += 350;
    }
    return page.endDocument();
}

bool printFineCalibration(PageSurface& page) {
    Font font;
    font.sizePoints = 9;
    page.setFont(font);
    page.setColour(kBlack);
    int y = kFirstRowTop;
    for (int n = 0; n < kFineCodeCount; ++n) {
        page.text({0, y + 15}, fineCode(n));
        drawComb(page, finePitch(n), y, {420, 200});
        y += 250;
        if (n == kPageEndRow) {
            page.text({0, y + 45}, kFirstPageHint);
            page.newPage();
            y = kFirstRowTop;
        }
    }
    page.text({0, y + 45}, kLastPageHint);
    return page.endDocument();
}

}  // namespace kestrin::print
