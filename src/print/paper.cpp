#include "print/paper.h"

#include <array>

#include "common/fixed4.h"

namespace kestrin::print {
namespace {

struct PaperRow {
    const char* caption;
    PaperSize upright;
};

constexpr std::array<PaperRow, kPaperSizeCount> kPapers{{
    {"A4", {12000, 16700}},
    {"A5", {8350, 12000}},
    {"B5", {10300, 14650}},
}};

const PaperRow& row(int sizeIndex) {
    const bool known = sizeIndex >= 0 && sizeIndex < kPaperSizeCount;
    return kPapers[static_cast<std::size_t>(known ? sizeIndex : 0)];
}

int placeAlong(int paper, int area) {
    return paper >= area ? kPaperMargin : static_cast<int>(roundHalfEven(area - paper, 2));
}

}  // namespace

const char* paperCaption(int sizeIndex) { return row(sizeIndex).caption; }

PaperSize paperSize(int sizeIndex, Direction direction) {
    const PaperSize upright = row(sizeIndex).upright;
    return direction == Direction::Upright ? upright : PaperSize{upright.height, upright.width};
}

PaperPlacement 纸张调整(int sizeIndex, Direction direction, int areaWidth, int areaHeight) {
    const PaperSize size = paperSize(sizeIndex, direction);
    return {placeAlong(size.width, areaWidth), placeAlong(size.height, areaHeight), size.width, size.height};
}

std::optional<int> paperSizeAt(int x, int y) {
    if (x <= 840 || x >= 1360) return std::nullopt;
    if (y > 960 && y < 1100) return 0;
    if (y > 1200 && y < 1400) return 1;
    if (y > 1440 && y < 1640) return 2;
    return std::nullopt;
}

std::string paperSizeHint(int sizeIndex) { return std::string("纸张大小【") + paperCaption(sizeIndex) + "】"; }

std::string directionHint(Direction direction) {
    return direction == Direction::Upright ? "列印方向【直印】" : "列印方向【横印】";
}

}  // namespace kestrin::print
