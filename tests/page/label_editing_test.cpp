#include "page/label_editing.h"

#include <gtest/gtest.h>

namespace kestrin::page {
namespace {

TEST(LabelEditing, GridSnapsToTheNearestMultipleHalvesToEven) {
    const struct { int in, out; } cases[] = {
        {0, 0}, {29, 0}, {30, 0}, {31, 60}, {90, 120}, {150, 120}, {151, 180}, {-30, 0}, {-31, -60}, {-90, -120},
    };
    for (const auto& c : cases) EXPECT_EQ(snapToGrid(c.in), c.out) << c.in;
}

TEST(LabelEditing, MoveActsOnlyBeyondSixtyAlongEachAxis) {
    document::Label label;
    label.left = 1200;
    label.top = 600;
    const Twips origin{1000, 400};
    const struct {
        Twips pointer;
        Twips place;
    } cases[] = {
        {{1060, 340}, {1200, 600}},  // 60 each way: not yet
        {{1061, 400}, {1260, 600}},  // 61 right: to the nearest multiple
        {{1000, 339}, {1200, 540}},  // 61 up
        {{1095, 495}, {1320, 720}},  // 95 each way: 1295 and 695 round up
        {{-500, 400}, {0, 600}},     // past the paper's edge: 0
        {{1000, -235}, {1200, 0}},   // above the paper: 0
    };
    for (const auto& c : cases) {
        EXPECT_EQ(movedPlace(label, origin, c.pointer), c.place) << c.pointer.x << "," << c.pointer.y;
    }
    // A place that lands on the grid below 60 becomes 0 as well.
    label.top = 90;
    EXPECT_EQ(movedPlace(label, origin, {1000, 330}).y, 0);
}

TEST(LabelEditing, PaperFollowsTheDragWithoutTheGrid) {
    EXPECT_EQ(movedPaper({240, 240}, {500, 500}, {560, 440}), (Twips{240, 240}));
    EXPECT_EQ(movedPaper({240, 240}, {500, 500}, {575, 500}), (Twips{315, 240}));
    EXPECT_EQ(movedPaper({240, 240}, {500, 500}, {500, 300}), (Twips{240, 40}));
}

TEST(LabelEditing, DragKindByPressPlaceAndPointer) {
    document::Label label;  // 3600 x 900
    const struct {
        int index;
        PointerState s;
        LabelDrag kind;
    } cases[] = {
        {1, {{3500, 100}, {3700, 100}, true, true}, LabelDrag::WidthDrag},
        {1, {{3480, 100}, {3700, 100}, true, true}, LabelDrag::Move},        // 120 from the edge: not in the zone
        {1, {{3500, 100}, {600, 100}, true, true}, LabelDrag::Move},         // pointer not past 600
        {1, {{3500, 100}, {3700, 100}, false, true}, LabelDrag::Hover},
        {1, {{3500, 100}, {3700, 100}, true, false}, LabelDrag::Hover},
        {1, {{100, 800}, {100, 900}, true, true}, LabelDrag::HeightDrag},
        {1, {{100, 800}, {100, 300}, true, true}, LabelDrag::Move},          // pointer not below 300
        {1, {{3500, 800}, {3700, 900}, true, true}, LabelDrag::WidthDrag},   // the corner widens first
        {0, {{100, 100}, {900, 500}, true, true}, LabelDrag::Hover},         // label 0 never moves
        {0, {{3500, 100}, {3700, 100}, true, true}, LabelDrag::WidthDrag},   // but it resizes
    };
    for (const auto& c : cases) {
        EXPECT_EQ(labelDragKind(c.index, label, c.s), c.kind) << c.s.origin.x << "," << c.s.origin.y << " -> "
                                                               << c.s.pointer.x << "," << c.s.pointer.y;
    }
}

TEST(LabelEditing, SizeStepsBySixtyAndCarriesTheOrigin) {
    const struct {
        int size, origin, pointer;
        bool changed;
        int sizeAfter, originAfter;
    } cases[] = {
        {3600, 3550, 3610, false, 3600, 3550},
        {3600, 3550, 3611, true, 3660, 3610},
        {3600, 3550, 3489, true, 3540, 3490},
        {3600, 3550, 3490, false, 3600, 3550},
    };
    for (const auto& c : cases) {
        int size = c.size;
        int origin = c.origin;
        EXPECT_EQ(stepSize(size, origin, c.pointer), c.changed) << c.pointer;
        EXPECT_EQ(size, c.sizeAfter) << c.pointer;
        EXPECT_EQ(origin, c.originAfter) << c.pointer;
    }
}

class Guides : public ::testing::Test {
protected:
    int add(int left, int top, int width, int height) {
        const int i = *page.createLabel();
        document::Label& l = page.label(i);
        l.left = left;
        l.top = top;
        l.width = width;
        l.height = height;
        return i;
    }
    document::LabelPage page;
};

TEST_F(Guides, OnlyOtherLabelsStrictlyWithinSixty) {
    const int self = add(1200, 1200, 3600, 900);  // right 4800, bottom 2100
    add(1200, 3000, 3659, 900);                   // right 4859, left 1200, top 3000
    add(5000, 1259, 1000, 841);                   // right 6000, bottom 2100, top 1259
    add(1260, 9000, 3540, 900);                   // left 1260 (60 away), right 4800 exactly
    page.label(0).width = 4800;                   // label 0 is never a guide
    EXPECT_EQ(alignmentGuides(page, self, GuideEdge::Right), (std::vector<Guide>{{true, 4859}, {true, 4800}}));
    EXPECT_EQ(alignmentGuides(page, self, GuideEdge::Bottom), (std::vector<Guide>{{false, 2100}}));
    EXPECT_EQ(alignmentGuides(page, self, GuideEdge::LeftAndTop),
              (std::vector<Guide>{{true, 1200}, {false, 1259}}));
}

TEST_F(Guides, DeletedLabelsGiveNone) {
    const int self = add(0, 0, 3600, 900);
    const int other = add(0, 2000, 3600, 900);
    page.deleteLabel(other);
    EXPECT_TRUE(alignmentGuides(page, self, GuideEdge::LeftAndTop).empty());
}

TEST(LabelEditing, FrameButtonAndPointerAroundALabel) {
    document::Label label;
    label.left = 600;
    label.top = 300;
    EXPECT_EQ(dashedFrame(label), (TwipsRect{585, 285, 3630, 930}));
    EXPECT_EQ(deleteButtonPlace(label), (Twips{3420, 0}));
    const struct {
        Twips at;
        EdgePointer shape;
    } cases[] = {
        {{3480, 100}, EdgePointer::Arrow},
        {{3481, 100}, EdgePointer::SizeHorizontal},
        {{100, 781}, EdgePointer::SizeVertical},
        {{3500, 800}, EdgePointer::SizeHorizontal},
        {{100, 780}, EdgePointer::Arrow},
    };
    for (const auto& c : cases) EXPECT_EQ(edgePointer(label, c.at), c.shape) << c.at.x << "," << c.at.y;
}

TEST(LabelEditing, WindowBesidePointerStaysInsideTheHost) {
    EXPECT_EQ(besidePointer(3000, 2000, 12000), 2940);
    EXPECT_EQ(besidePointer(10060, 2000, 12000), 10000);  // ends exactly at the edge: kept
    EXPECT_EQ(besidePointer(10061, 2000, 12000), 9940);   // would pass: 60 inside the edge
}

}  // namespace
}  // namespace kestrin::page
