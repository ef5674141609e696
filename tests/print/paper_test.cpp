#include "print/paper.h"

#include <gtest/gtest.h>

namespace kestrin::print {
namespace {

TEST(Paper, SizesDirectionsAndPlacement) {
    EXPECT_EQ(paperSize(0, Direction::Upright), (PaperSize{12000, 16700}));
    EXPECT_EQ(paperSize(1, Direction::Sideways), (PaperSize{12000, 8350}));
    EXPECT_EQ(paperSize(2, Direction::Sideways), (PaperSize{14650, 10300}));
    // Larger than the area along a side: 240 there; smaller: centred, halves to even.
    EXPECT_EQ(纸张调整(2, Direction::Sideways, 10000, 20001), (PaperPlacement{240, 4850, 14650, 10300}));
    EXPECT_EQ(纸张调整(0, Direction::Upright, 12000, 16700), (PaperPlacement{240, 240, 12000, 16700}));
    EXPECT_EQ(纸张调整(1, Direction::Upright, 8353, 12000), (PaperPlacement{2, 240, 8350, 12000}));
    EXPECT_EQ(paperSizeHint(2), "纸张大小【B5】");
    EXPECT_EQ(directionHint(Direction::Sideways), "列印方向【横印】");
}

TEST(Paper, PanelPressPicksASizeStrictlyInsideItsZone) {
    struct Case { int x, y; std::optional<int> size; };
    const Case cases[] = {
        {1000, 1000, 0}, {1000, 1300, 1}, {1000, 1500, 2}, {840, 1000, std::nullopt},
        {1360, 1000, std::nullopt}, {1000, 960, std::nullopt}, {1000, 1100, std::nullopt},
        {841, 1639, 2}, {1000, 1150, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(paperSizeAt(c.x, c.y), c.size) << c.x << "," << c.y;
}

}  // namespace
}  // namespace kestrin::print
