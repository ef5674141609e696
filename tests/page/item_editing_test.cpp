#include "page/item_editing.h"

#include <gtest/gtest.h>

namespace kestrin::page {
namespace {

using document::ItemKind;

// Every caption measures 600 x 240 twips.
Twips fixedExtent(const document::TextItem&) { return {600, 240}; }

TEST(ItemEditing, MoveSnapsToTheGridAndKeepsTheItemInsideItsLabel) {
    const TwipsRect item{600, 300, 600, 240};  // in a 3600 x 900 label
    const Twips origin{100, 100};
    const struct {
        Twips pointer;
        Twips place;
    } cases[] = {
        {{160, 40}, {600, 300}},      // 60 each way: not yet
        {{161, 100}, {660, 300}},     // 61 right: to the nearest multiple
        {{100, 195}, {600, 420}},     // 95 down: 395 rounds to 420
        {{-600, -300}, {0, 0}},       // past the top-left corner: 0
        {{100, -135}, {600, 60}},     // 65 rounds to 60, which stays
        {{3000, 100}, {3000, 300}},   // past the right edge: its right edge on the label's
        {{100, 700}, {600, 660}},     // past the bottom: its bottom on the label's
        {{5000, 5000}, {3000, 660}},  // past the corner: both
    };
    for (const auto& c : cases) {
        EXPECT_EQ(movedItem(item, origin, c.pointer, 3600, 900), c.place) << c.pointer.x << "," << c.pointer.y;
    }
}

TEST(ItemEditing, OnlyPicturesResizeFromTheirEdges) {
    const TwipsRect item{0, 0, 900, 600};
    const struct {
        ItemKind kind;
        PointerState state;
        ItemDrag drag;
    } cases[] = {
        {ItemKind::Picture, {{850, 100}, {900, 100}, true, true}, ItemDrag::WidthDrag},
        {ItemKind::Picture, {{780, 100}, {900, 100}, true, true}, ItemDrag::Move},        // 120 from the edge
        {ItemKind::Picture, {{850, 100}, {240, 100}, true, true}, ItemDrag::Move},        // pointer not past 240
        {ItemKind::Picture, {{100, 550}, {100, 241}, true, true}, ItemDrag::HeightDrag},
        {ItemKind::Picture, {{850, 550}, {900, 600}, true, false}, ItemDrag::Hover},      // not dragging
        {ItemKind::Picture, {{850, 550}, {900, 600}, false, true}, ItemDrag::Hover},      // button up
        {ItemKind::Text, {{850, 550}, {900, 600}, true, true}, ItemDrag::Move},
    };
    for (const auto& c : cases) EXPECT_EQ(itemDragKind(c.kind, item, c.state), c.drag);
}

TEST(ItemEditing, PointerFindsTheTopmostItem) {
    document::Label label;
    label.texts[1].left = 0;
    label.texts[2].left = 300;  // overlaps text 1 from x 300
    document::PictureItem& picture = label.pictures[1];
    picture.left = 500;
    picture.width = 300;
    picture.height = 300;
    const struct {
        Twips at;
        std::optional<ItemRef> item;
    } cases[] = {
        {{100, 100}, ItemRef{ItemKind::Text, 1}},
        {{400, 100}, ItemRef{ItemKind::Text, 2}},  // the later text lies over the earlier
        {{600, 100}, ItemRef{ItemKind::Picture, 1}},  // pictures over texts
        {{850, 100}, ItemRef{ItemKind::Text, 2}},
        {{600, 250}, ItemRef{ItemKind::Picture, 1}},
        {{100, 240}, std::nullopt},  // just below the caption
        {{2000, 100}, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(itemAt(label, c.at, fixedExtent), c.item) << c.at.x << "," << c.at.y;
}

TEST(ItemEditing, DeleteButtonSitsAtTheItemsTopRight) {
    EXPECT_EQ(itemDeletePlace({120, 60, 600, 240}), (Twips{720, 60}));
}

TEST(ItemEditing, ModifyAllRenamesMatchingCaptionsOnPageLabelsOnly) {
    document::LabelPage page;
    const int a = *page.createLabel();
    const int b = *page.createLabel();
    for (const int i : {document::kSimpleLabel, a, b}) {
        page.label(i).texts[1].caption = "旧";
        page.label(i).texts[2].caption = "旧 ";  // not the same caption
    }
    renameCaptions(page, "旧", "新");
    for (const int i : {a, b}) {
        EXPECT_EQ(page.label(i).texts.at(1).caption, "新") << i;
        EXPECT_EQ(page.label(i).texts.at(2).caption, "旧 ") << i;
    }
    EXPECT_EQ(page.label(document::kSimpleLabel).texts.at(1).caption, "旧") << "label 0 is the simple view's";
}

}  // namespace
}  // namespace kestrin::page
