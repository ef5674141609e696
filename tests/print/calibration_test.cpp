#include "print/calibration.h"

#include <gtest/gtest.h>

#include <map>

#include "common/recording_surface.h"

namespace kestrin::print {
namespace {

Fixed4 twips(const char* text) { return *Fixed4::parse(text); }


// The comb lines of each row, keyed by the row's top, page by page.
std::vector<std::map<std::int64_t, std::vector<DrawDeviceDotLine>>> combs(const RecordingSurface& s) {
    std::vector<std::map<std::int64_t, std::vector<DrawDeviceDotLine>>> out(1);
    for (const auto& op : s.ops()) {
        if (std::holds_alternative<DrawNewPage>(op)) out.emplace_back();
        if (const auto* l = std::get_if<DrawDeviceDotLine>(&op)) out.back()[l->from.y.raw()].push_back(*l);
    }
    return out;
}

struct Text {
    Point at;
    std::string text;
    Rgb colour;
};

std::vector<std::vector<Text>> texts(const RecordingSurface& s) {
    std::vector<std::vector<Text>> out(1);
    Rgb colour = kBlack;
    for (const auto& op : s.ops()) {
        if (std::holds_alternative<DrawNewPage>(op)) out.emplace_back();
        if (const auto* c = std::get_if<DrawColour>(&op)) colour = c->colour;
        if (const auto* t = std::get_if<DrawText>(&op)) out.back().push_back({t->topLeft, t->text, colour});
    }
    return out;
}

TEST(CalibrationCodes, ResolutionMapsToItsCodes) {
    struct Case { const char* resolution; std::optional<int> coarse; const char* fine; };
    const Case cases[] = {
        {"7.2", 5, "B78"}, {"6.8", 1, "B82"}, {"7.6", 9, "B74"}, {"10", std::nullopt, "B50"},
        {"15", std::nullopt, "B0"}, {"3", std::nullopt, "B120"},
        {"7.25", std::nullopt, "B78"},  // 77.5 rounds to the even 78
        {"7.35", std::nullopt, "B76"},  // 76.5 rounds to the even 76
    };
    for (const auto& c : cases) {
        EXPECT_EQ(计算解析设定(twips(c.resolution)), c.coarse) << c.resolution;
        EXPECT_EQ(计算进阶解析(twips(c.resolution)), c.fine) << c.resolution;
    }
}

TEST(CalibrationCodes, ChoosingACoarseCodeStoresOnlyAChange) {
    const CoarseChoice a1 = chooseCoarseCode("A1", twips("7.2"));
    EXPECT_EQ(a1.resolution, twips("6.8"));
    EXPECT_TRUE(a1.store);
    EXPECT_EQ(a1.coarseIndex, 1);
    EXPECT_EQ(计算进阶解析(a1.resolution), "B82");

    const CoarseChoice same = chooseCoarseCode("A5", twips("7.2"));
    EXPECT_FALSE(same.store);
    EXPECT_EQ(same.coarseIndex, 5);

    const CoarseChoice other = chooseCoarseCode("B5", twips("7.3"));
    EXPECT_EQ(other.resolution, twips("7.3"));
    EXPECT_FALSE(other.store);
    EXPECT_EQ(other.coarseIndex, std::nullopt);
}

TEST(CalibrationCodes, FineCodesAreExactTenths) {
    EXPECT_EQ(chooseFineCode("B0"), Fixed4(15));
    EXPECT_EQ(chooseFineCode("B50"), Fixed4(10));
    EXPECT_EQ(chooseFineCode("B78"), twips("7.2"));
    EXPECT_EQ(chooseFineCode("B120"), Fixed4(3));
    EXPECT_EQ(chooseFineCode("B50")->toString(), "10");
    for (const char* bad : {"B121", "B", "A5", "B-1", "B1x", ""}) EXPECT_EQ(chooseFineCode(bad), std::nullopt) << bad;
    EXPECT_EQ(计算解析设定(*chooseFineCode("B50")), std::nullopt);
    EXPECT_EQ(fineCode(kDefaultFineCode), "B78");
}

TEST(CalibrationCodes, SamplesSlideWithTheCodeAndTheArrowStopsOnTarget) {
    EXPECT_EQ(stripPictureForSample(5, 1), 5);
    EXPECT_EQ(stripPictureForSample(1, 9), 17);
    EXPECT_EQ(stripPictureForSample(9, 1), 1);
    EXPECT_EQ(arrowTick(0, 100), 60);
    EXPECT_EQ(arrowTick(60, 100), 100);
    EXPECT_EQ(arrowTick(500, 100), 440);
    EXPECT_EQ(arrowTick(100, 100), 100);
}

TEST(CalibrationPages, CoarsePageIsNineCombsOnOnePage) {
    RecordingSurface s;
    EXPECT_TRUE(printCoarseCalibration(s));
    EXPECT_TRUE(s.ended());
    Font font;
    font.sizePoints = 10;
    font.bold = true;
    ASSERT_EQ(s.all<DrawFont>().size(), 1u);
    EXPECT_EQ(s.all<DrawFont>()[0].font, font);
    EXPECT_TRUE(s.all<DrawLine>().empty()) << "no comb line takes its width from the resolution";

    const auto rows = combs(s);
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0].size(), 9u);
    struct Expect { int row; const char* first; const char* last; std::size_t count; };
    const Expect expect[] = {
        {1, "244.8", "3495.2", 240},  // 6.8: from 35 × 6.8 = 238
        {5, "244.8", "3499.2", 227},  // 7.2: from 33 × 7.2 = 237.6
        {9, "250.8", "3503.6", 215},  // 7.6: from 32 × 7.6 = 243.2
    };
    for (const auto& e : expect) {
        const int top = 150 + (e.row - 1) * 350;
        const auto& lines = rows[0].at(Fixed4(top).raw());
        ASSERT_EQ(lines.size(), e.count) << e.row;
        EXPECT_EQ(lines.front().from, (Point{twips(e.first), top})) << e.row;
        EXPECT_EQ(lines.front().to, (Point{twips(e.first), top + 300})) << e.row;
        EXPECT_EQ(lines.back().from.x, twips(e.last)) << e.row;
    }

    const auto written = texts(s);
    ASSERT_EQ(written[0].size(), 12u);
    EXPECT_EQ(written[0][0].text, "A1");
    EXPECT_EQ(written[0][0].at, (Point{0, 195}));
    EXPECT_EQ(written[0][1].text, "密集");
    EXPECT_EQ(written[0][1].at, (Point{300, 195}));
    EXPECT_EQ(written[0][1].colour, kWhite);
    EXPECT_EQ(written[0][2].text, "A2");
    EXPECT_EQ(written[0][2].colour, kBlack);
    EXPECT_EQ(written[0][6].text, "预设");
    EXPECT_EQ(written[0][6].at, (Point{300, 1595}));
    EXPECT_EQ(written[0][11].text, "稀疏");
    EXPECT_EQ(written[0][11].at, (Point{300, 2995}));
}

TEST(CalibrationPages, FinePagesSplitAfterB60AndEndWithTheirHints) {
    RecordingSurface s;
    EXPECT_TRUE(printFineCalibration(s));
    Font font;
    font.sizePoints = 9;
    EXPECT_EQ(s.all<DrawFont>()[0].font, font);

    const auto rows = combs(s);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].size(), 61u);
    EXPECT_EQ(rows[1].size(), 60u);
    const auto& b0 = rows[0].at(Fixed4(150).raw());
    ASSERT_EQ(b0.size(), 103u);  // 15: from 28 × 15 = 420
    EXPECT_EQ(b0.front().from.x, Fixed4(435));
    EXPECT_EQ(b0.back().from.x, Fixed4(3495));
    EXPECT_EQ(b0.front().to.y, Fixed4(350));
    const auto& b120 = rows[1].at(Fixed4(150 + 59 * 250).raw());
    ASSERT_EQ(b120.size(), 514u);  // 3: from 140 × 3 = 420
    EXPECT_EQ(b120.front().from.x, Fixed4(423));
    EXPECT_EQ(b120.back().from.x, Fixed4(3501));

    const auto written = texts(s);
    ASSERT_EQ(written.size(), 2u);
    ASSERT_EQ(written[0].size(), 62u);
    EXPECT_EQ(written[0][0].text, "B0");
    EXPECT_EQ(written[0][0].at, (Point{0, 165}));
    EXPECT_EQ(written[0][60].text, "B60");
    EXPECT_EQ(written[0][61].text, "找出距离最细小且最密集的编号");
    EXPECT_EQ(written[0][61].at, (Point{0, 150 + 61 * 250 + 45}));
    ASSERT_EQ(written[1].size(), 61u);
    EXPECT_EQ(written[1][0].text, "B61");
    EXPECT_EQ(written[1][0].at, (Point{0, 165}));
    EXPECT_EQ(written[1][60].text, "最密集但不重叠为主【预设号B78】");
    EXPECT_EQ(written[1][60].at, (Point{0, 150 + 60 * 250 + 45}));
}

}  // namespace
}  // namespace kestrin::print
