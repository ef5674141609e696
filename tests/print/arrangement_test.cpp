#include "print/arrangement.h"

#include <gtest/gtest.h>

#include "support/label_positions.h"
#include "support/recording_ui.h"

namespace kestrin::print {
namespace {

using test::RecordingUi;

using test::Pos;
using test::positions;

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

void expectOverflow(const RecordingUi& ui, bool shown) {
    ASSERT_EQ(ui.messages.size(), shown ? 1u : 0u);
    if (!shown) return;
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.messages[0].title, "列印超出");
    EXPECT_EQ(ui.messages[0].text, "条码排列 高度 超出列印范围");
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

}  // namespace
}  // namespace kestrin::print
