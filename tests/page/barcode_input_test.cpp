#include "page/barcode_input.h"

#include <gtest/gtest.h>

namespace kestrin::page {
namespace {

TEST(BarcodeInput, DataTakesTheTextInCapitalsAndEmptyClearsIt) {
    document::Label label;
    EXPECT_TRUE(takeBarcodeInput(label, "ab-12 c.d/+"));
    EXPECT_EQ(label.data, "AB-12 C.D/+");
    EXPECT_TRUE(label.handleShown);
    EXPECT_FALSE(takeBarcodeInput(label, ""));
    EXPECT_EQ(label.data, "");
    EXPECT_FALSE(label.handleShown);
}

TEST(BarcodeInput, CheckHintsFollowTheStateAndThePrinterKind) {
    constexpr auto kPage = storage::PrinterKind::Page;
    constexpr auto kLabel = storage::PrinterKind::Label;
    struct Case { PanelCheck box; bool ticked; storage::PrinterKind printerKind; std::string_view hint; };
    const Case cases[] = {
        {PanelCheck::识别字符, true, kPage, "隐藏 条码识别字符"},
        {PanelCheck::识别字符, false, kPage, "使用 条码识别字符"},
        {PanelCheck::字集中, true, kPage, "集中排列 条码识别字符"},
        {PanelCheck::字集中, false, kLabel, "平均排列 条码识别字符"},
        {PanelCheck::符号粗, true, kPage, "正常 识别字符"},
        {PanelCheck::符号粗, false, kPage, "加粗 识别字符"},
        {PanelCheck::外框勾选, true, kPage, "关闭 条码外框"},
        {PanelCheck::外框勾选, true, kLabel, "关闭 条码外框"},
        {PanelCheck::外框勾选, false, kLabel, "使用 条码外框"},
        {PanelCheck::外框勾选, false, kPage, "使用 条码外框、注意!使用外框有些印表机会降低清晰度"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkHint(c.box, c.ticked, c.printerKind), c.hint)
            << static_cast<int>(c.box) << " " << c.ticked << " " << static_cast<int>(c.printerKind);
    }
}

TEST(BarcodeInput, EachCheckBoxEditsItsOwnFlagOnly) {
    for (PanelCheck box : kPanelChecks) {
        document::Label label;
        label.readable = 0;
        const document::Label before = label;
        setTicked(label, box, true);
        for (PanelCheck other : kPanelChecks) {
            EXPECT_EQ(isTicked(label, other), other == box ? true : isTicked(before, other))
                << static_cast<int>(box) << " touched " << static_cast<int>(other);
        }
        setTicked(label, box, false);
        EXPECT_FALSE(isTicked(label, box));
    }
}

TEST(BarcodeInput, SizeListShowsWholePointsHalvesToEven) {
    document::Label label;
    for (const auto& [points, shown] : {std::pair{10.0, 10}, {10.5, 10}, {11.5, 12}, {8.4, 8}}) {
        label.font.sizePoints = points;
        EXPECT_EQ(shownReadableSize(label), shown) << points;
    }
    setReadableSize(label, 14);
    EXPECT_EQ(label.font.sizePoints, 14);
}

}  // namespace
}  // namespace kestrin::page
