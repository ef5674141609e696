#include "print/arrangement.h"

#include <gtest/gtest.h>

#include "support/recording_ui.h"

namespace kestrin::print {
namespace {

using test::RecordingUi;

struct Pos {
    int left, top;
    bool operator==(const Pos&) const = default;
};
void PrintTo(const Pos& p, std::ostream* os) { *os << "(" << p.left << ", " << p.top << ")"; }

// A page with labels 1..n of the given sizes, all at (5, 5) so that an unplaced label shows.
document::LabelPage pageOf(const std::vector<std::pair<int, int>>& sizes) {
    document::LabelPage page;
    for (const auto& [w, h] : sizes) {
        document::Label& l = page.label(*page.createLabel());
        l.width = w;
        l.height = h;
        l.left = l.top = 5;
    }
    return page;
}

std::vector<Pos> positions(const document::LabelPage& page) {
    std::vector<Pos> out;
    for (const int i : page.pageLabels()) out.push_back({page.label(i).left, page.label(i).top});
    return out;
}

void expectOverflow(const RecordingUi& ui, bool shown) {
    ASSERT_EQ(ui.messages.size(), shown ? 1u : 0u);
    if (!shown) return;
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.messages[0].title, "列印超出");
    EXPECT_EQ(ui.messages[0].text, "条码排列 高度 超出列印范围");
}

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

TEST(Arrangement, BoxesAreInUnitsOfFifteenTwips) {
    EXPECT_EQ(unitsToTwips(20), 300);
    EXPECT_EQ(unitsToTwips(999), 14985);
    EXPECT_EQ(unitsToTwips(100000), 32767);
    EXPECT_EQ(boxValue(""), 0);
    EXPECT_EQ(boxValue("007"), 7);
}

TEST(Arrangement, OneColumnStopsOncePastTheBottomEvenAfterTheLastLabel) {
    auto page = pageOf({{3600, 900}, {3600, 900}, {3600, 900}});
    RecordingUi ui;
    const ArrangementValues v{2, 0, 4, 0};
    EXPECT_FALSE(arrangeLabels(page, ArrangementMode::OneColumn, v, {12000, 2000}, ui));
    EXPECT_EQ(positions(page), (std::vector<Pos>{{60, 0}, {60, 900}, {60, 1800}}));
    expectOverflow(ui, true);
}

TEST(Arrangement, OneColumnLeavesLabelsNotReachedAndCountsTheLimitAsInside) {
    auto page = pageOf({{3600, 900}, {3600, 900}, {3600, 900}, {3600, 900}});
    RecordingUi ui;
    EXPECT_FALSE(arrangeLabels(page, ArrangementMode::OneColumn, {0, 0, 0, 0}, {12000, 1800}, ui));
    EXPECT_EQ(positions(page), (std::vector<Pos>{{0, 0}, {0, 900}, {0, 1800}, {5, 5}}));

    auto exact = pageOf({{3600, 900}, {3600, 900}});
    RecordingUi quiet;
    EXPECT_TRUE(arrangeLabels(exact, ArrangementMode::OneColumn, {0, 0, 0, 0}, {12000, 1800}, quiet));
    expectOverflow(quiet, false);
}

TEST(Arrangement, TwoColumnsUseTheWidestLabelAndTheTallerOfEachRow) {
    auto page = pageOf({{3600, 900}, {2700, 1200}, {2700, 600}, {3000, 300}, {1000, 100}});
    RecordingUi ui;
    const ArrangementValues v{2, 4, 1, 2};  // H 30, V 60, L0 15, T0 30
    EXPECT_TRUE(arrangeLabels(page, ArrangementMode::TwoColumns, v, {12000, 16700}, ui));
    EXPECT_EQ(positions(page),
              (std::vector<Pos>{{15, 30}, {3645, 30}, {15, 1290}, {3645, 1290}, {15, 1950}}));
    expectOverflow(ui, false);
}

TEST(Arrangement, TwoColumnsStopAtTheBottom) {
    auto page = pageOf({{3600, 900}, {3600, 900}, {3600, 900}, {3600, 900}, {3600, 900}});
    RecordingUi ui;
    EXPECT_FALSE(arrangeLabels(page, ArrangementMode::TwoColumns, {0, 0, 0, 0}, {12000, 1000}, ui));
    EXPECT_EQ(positions(page), (std::vector<Pos>{{0, 0}, {3600, 0}, {0, 900}, {3600, 900}, {5, 5}}));
    expectOverflow(ui, true);
}

TEST(Arrangement, RowsWrapBelowTheTallestLabelOfTheRow) {
    // Paper 8000 wide: the third label's right edge + 120 passes it and starts the next row.
    auto page = pageOf({{3600, 900}, {3000, 1200}, {2000, 600}, {1000, 300}});
    RecordingUi ui;
    const ArrangementValues v{2, 4, 0, 0};  // H 30, V 60
    EXPECT_TRUE(arrangeLabels(page, ArrangementMode::Rows, v, {8000, 16700}, ui));
    EXPECT_EQ(positions(page), (std::vector<Pos>{{0, 0}, {3630, 0}, {0, 1260}, {2030, 1260}}));
    expectOverflow(ui, false);
}

TEST(Arrangement, RowsStopAtTheBottomAndNeverLoopOnALabelTooWide) {
    auto page = pageOf({{3600, 900}, {3600, 900}, {3600, 900}});
    RecordingUi ui;
    EXPECT_FALSE(arrangeLabels(page, ArrangementMode::Rows, {0, 0, 0, 0}, {4000, 2000}, ui));
    EXPECT_EQ(positions(page), (std::vector<Pos>{{0, 0}, {0, 900}, {0, 1800}}));
    expectOverflow(ui, true);

    auto flat = pageOf({{9000, 0}});
    RecordingUi flatUi;
    EXPECT_FALSE(arrangeLabels(flat, ArrangementMode::Rows, {0, 0, 0, 0}, {4000, 2000}, flatUi));
    expectOverflow(flatUi, true);
}

struct GenerationFixture : ::testing::Test {
    document::LabelPage page;
    RecordingUi ui;
    document::PictureLookup pictures;

    void copyDesign(int width, int height) {
        document::Label& design = page.label(document::kSimpleLabel);
        design.width = width;
        design.height = height;
        design.data = "X1";
        page.写入贴上记忆(document::kSimpleLabel);
    }
    Generation request(int button, int quantity, PaperSize paper = {12000, 16700}) {
        return {button, 600, 300, quantity, paper, storage::PrinterKind::Page};
    }
};

TEST_F(GenerationFixture, QuantityOfOneOrEmptyMakesOneLabel) {
    copyDesign(3600, 900);
    for (const char* text : {"1", ""}) {
        const auto made = 增加条码(page, request(1, boxValue(text)), pictures, ui);
        ASSERT_EQ(made.size(), 1u) << text;
        EXPECT_EQ(page.label(made[0]).data, "X1");
        EXPECT_EQ(page.selection.currentLabel, made[0]);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GenerationFixture, CopiesStackSixtyTwipsApartBelowTheCorner) {
    copyDesign(3600, 900);
    const auto made = 增加条码(page, request(1, 3), pictures, ui);
    EXPECT_EQ(made, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(positions(page), (std::vector<Pos>{{600, 300}, {600, 1260}, {600, 2220}}));
}

TEST_F(GenerationFixture, BlankLabelIgnoresTheQuantityAndEmptyMemoryMakesOneBlank) {
    EXPECT_EQ(增加条码(page, request(0, 5), pictures, ui).size(), 1u);
    EXPECT_EQ(增加条码(page, request(1, 5), pictures, ui).size(), 1u);  // nothing copied yet
    EXPECT_EQ(page.label(2).data, "");
    document::Label& l = page.label(1);
    EXPECT_EQ((Pos{l.left, l.top}), (Pos{600, 300}));
}

TEST_F(GenerationFixture, ColumnsWrapAndStopPastTheRightEdge) {
    copyDesign(3600, 900);
    // 2500 high: the second label's top + 2 × height passes it, so the third starts a new
    // column; paper 5000 wide: the label of the second column passes it and generation stops.
    const auto made = 增加条码(page, request(1, 9, {5000, 2500}), pictures, ui);
    EXPECT_EQ(positions(page), (std::vector<Pos>{{600, 300}, {600, 1260}, {4260, 300}, {4260, 1260}}));
    EXPECT_EQ(made.size(), 4u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "超出提示");
    EXPECT_EQ(ui.messages[0].text, "产生数量 依照排列 超出宽度 无法在产生");
}

TEST_F(GenerationFixture, StopsQuietlyWhenNoIndexIsFree) {
    copyDesign(10, 10);
    const auto made = 增加条码(page, request(1, 300, {1'000'000, 1'000'000}), pictures, ui);
    EXPECT_EQ(made.size(), 245u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(SerialStep, StepsTheNumberMadeOfAllDigits) {
    struct Case { const char* data; int button; const char* result; };
    const Case cases[] = {
        {"A009-2", 0, "A009-3"}, {"A009-9", 0, "A010-0"}, {"99", 0, "00"},
        {"A010-0", 1, "A009-9"}, {"B-1", 1, "B-0"},     {"00", 1, "99"},
        {"ABC", 0, "ABC"},       {"", 0, ""},           {"12345678901234567899", 0, "12345678901234567900"},
    };
    for (const auto& c : cases) EXPECT_EQ(流水加减(c.data, c.button), c.result) << c.data << " " << c.button;
    EXPECT_EQ(serialStepHint("", 0), "请先输入条码，才能使用此功能");
    EXPECT_EQ(serialStepHint("1", 1), "依照条码编号【扣除一码】");
}

TEST(Quantity, MinusStopsAtOne) {
    EXPECT_EQ(印量加减(1, 0), 2);
    EXPECT_EQ(印量加减(2, 1), 1);
    EXPECT_EQ(印量加减(1, 1), 1);
    EXPECT_EQ(印量加减(0, 1), 0);
}

}  // namespace
}  // namespace kestrin::print
