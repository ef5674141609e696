#include "print/generation.h"

#include <gtest/gtest.h>

#include "print/arrangement.h"
#include "support/label_positions.h"
#include "support/recording_ui.h"

namespace kestrin::print {
namespace {

using test::RecordingUi;

using test::Pos;
using test::positions;

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

}  // namespace
}  // namespace kestrin::print
