#include "document/label_page.h"

#include <gtest/gtest.h>

namespace kestrin::document {
namespace {

TEST(LabelPage, SimpleAndPreviewLabelsAlwaysExist) {
    LabelPage page;
    EXPECT_TRUE(page.exists(kSimpleLabel));
    EXPECT_TRUE(page.exists(kPreviewLabel));
    EXPECT_EQ(page.label(kSimpleLabel).readable, 1);
    page.deleteLabel(kSimpleLabel);
    EXPECT_TRUE(page.exists(kSimpleLabel));
    EXPECT_TRUE(page.pageLabels().empty());
    EXPECT_FALSE(page.exists(-1));
    EXPECT_FALSE(page.exists(1000));
}

TEST(LabelPage, NewLabelsTakeTheLowestFreeIndexPassingOverFive) {
    LabelPage page;
    for (int i = 1; i <= 10; ++i) ASSERT_EQ(page.createLabel(), i);
    EXPECT_EQ(page.createLabel(), 12);  // 11 is passed over

    int made = 11;
    while (page.createLabel()) ++made;
    EXPECT_EQ(made, 245);  // 250 indices less the five passed over
    for (const int skipped : {11, 21, 31, 41, 51}) EXPECT_FALSE(page.exists(skipped)) << skipped;
    EXPECT_EQ(page.highestIndex(), 250);
}

TEST(LabelPage, DeletedIndexIsReusedWithoutItsItemsAndHighestStays) {
    LabelPage page;
    for (int i = 1; i <= 6; ++i) page.createLabel();
    page.addTextItem(5, 0, 0);
    page.addPictureItem(5, 0, 0);
    page.label(5).data = "OLD";
    page.deleteLabel(6);
    page.deleteLabel(5);
    EXPECT_FALSE(page.exists(5));
    EXPECT_EQ(page.highestIndex(), 6);

    ASSERT_EQ(page.createLabel(), 5);
    const Label& fresh = page.label(5);
    EXPECT_TRUE(fresh.texts.empty());
    EXPECT_TRUE(fresh.pictures.empty());
    EXPECT_EQ(fresh.data, "");
    EXPECT_EQ(page.pageLabels(), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(LabelPage, NewLabelDefaultsFollowThePrinterKind) {
    using storage::PrinterKind;
    for (const PrinterKind kind : {PrinterKind::Page, PrinterKind::Label}) {
        LabelPage page;
        const int i = *page.createLabel(kind);
        const Label& l = page.label(i);
        EXPECT_EQ(l.width, kind == PrinterKind::Label ? 2700 : 3600);
        EXPECT_EQ(l.height, 900);
        EXPECT_EQ(l.data, "");
        EXPECT_EQ(l.background, 16777215u);
        EXPECT_EQ(l.frame, 0);
        EXPECT_EQ(l.font.sizePoints, 10);
        EXPECT_FALSE(l.font.bold);
        EXPECT_EQ(l.moduleWidth, 2);
        EXPECT_EQ(l.variant, 0);
        EXPECT_EQ(l.readable, 1);
        EXPECT_EQ(l.centred, 0);
        EXPECT_EQ(l.handleLeft, 120);
        EXPECT_EQ(l.handleTop, 120);
        EXPECT_EQ(l.barHeight, 480);
        EXPECT_FALSE(l.handleShown);
        EXPECT_EQ(l.kind, "");
        EXPECT_EQ(l.name, "");
    }
}

TEST(LabelPage, FiftyItemsOfEachKindAndNoMore) {
    LabelPage page;
    for (int j = 1; j <= 50; ++j) ASSERT_EQ(page.addTextItem(0, j, 2 * j), j);
    EXPECT_EQ(page.addTextItem(0, 0, 0), std::nullopt);
    EXPECT_EQ(page.addPictureItem(0, 0, 0), 1);  // counted apart from the text items
    EXPECT_EQ(page.label(0).texts.at(7).caption, "标签");
    EXPECT_EQ(page.label(0).texts.at(7).left, 7);
    EXPECT_EQ(page.label(0).texts.at(7).top, 14);
    EXPECT_EQ(page.label(0).pictures.at(1).fileName, "");

    page.deleteTextItem(0, 7);
    page.deleteTextItem(0, 7);  // already gone: passed over
    EXPECT_EQ(page.addTextItem(0, 0, 0), 7);
    EXPECT_EQ(page.addTextItem(42, 0, 0), std::nullopt);  // no such label
}

TEST(LabelPage, DeleteAllItemsKeepsTheLabelItself) {
    LabelPage page;
    const int i = *page.createLabel();
    page.删除所有标签(i);  // nothing there: nothing happens
    page.label(i).data = "12";
    page.addTextItem(i, 0, 0);
    page.addPictureItem(i, 0, 0);
    page.删除所有标签(i);
    EXPECT_TRUE(page.label(i).texts.empty());
    EXPECT_TRUE(page.label(i).pictures.empty());
    EXPECT_EQ(page.label(i).data, "12");
    page.删除所有标签(77);  // a label that does not exist
}

TEST(LabelPage, PasteMemoryHoldsOneDesignUpToItsCapacity) {
    LabelPage page;
    page.addTextItem(0, 0, 0);
    page.addTextItem(0, 0, 0);
    page.addPictureItem(0, 0, 0);
    page.写入贴上记忆(0);
    EXPECT_EQ(page.pasteMemory().size(), 4u);
    page.写入贴上记忆(3);  // no such label: the memory keeps the last design
    EXPECT_EQ(page.pasteMemory().size(), 4u);

    page.setPasteMemory(std::vector<LayoutRecord>(300));
    EXPECT_EQ(page.pasteMemory().size(), kPasteMemoryCapacity);
}

}  // namespace
}  // namespace kestrin::document
