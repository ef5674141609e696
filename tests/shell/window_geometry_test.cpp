#include "shell/window_geometry.h"

#include <gtest/gtest.h>

#include "shell/notice_steps.h"

namespace kestrin::shell {
namespace {

template <typename Step>
std::vector<WindowSize> run(WindowSize from, Step step) {
    std::vector<WindowSize> sizes;
    for (int guard = 0; guard < 100; ++guard) {
        const AnimationTick tick = step(from);
        sizes.push_back(tick.size);
        if (tick.arrived) return sizes;
        from = tick.size;
    }
    ADD_FAILURE() << "never arrived";
    return sizes;
}

TEST(ViewAnimation, GrowsAndShrinksBetweenTheViewsAndEndsExactly) {
    const auto grow = run({6000, 7470}, expandTick);
    ASSERT_EQ(grow.size(), 11u);  // 6000 + 10 x 600 = 12000 still short of 12090
    EXPECT_EQ(grow.front(), (WindowSize{6600, 7470}));
    EXPECT_EQ(grow.back(), (WindowSize{12090, 7470}));
    const auto shrink = run({12090, 7470}, shrinkTick);
    ASSERT_EQ(shrink.size(), 11u);
    EXPECT_EQ(shrink[9], (WindowSize{6090, 7470}));
    EXPECT_EQ(shrink.back(), (WindowSize{6000, 7470}));
    // From a maximised size both axes step; the height comes down by 100 a tick.
    EXPECT_EQ(shrinkTick({14000, 9000}).size, (WindowSize{13400, 8900}));
    // Pressing the button mid-animation runs the other way from wherever the window is.
    EXPECT_EQ(expandTick({8400, 7470}).size, (WindowSize{9000, 7470}));
    EXPECT_EQ(expandTick({12000, 7400}), (AnimationTick{{12090, 7470}, true}));
}

TEST(ResizeGrip, IsTheLastSquareOfTheWindow) {
    const WindowSize w{12090, 7470};
    EXPECT_TRUE(inResizeGrip(11890, 7270, w));
    EXPECT_TRUE(inResizeGrip(12089, 7469, w));
    EXPECT_FALSE(inResizeGrip(11889, 7300, w));
    EXPECT_FALSE(inResizeGrip(12000, 7269, w));
}

TEST(ResizeGrip, StepsBeyondSixtyTwipsAndKeepsTheMinimum) {
    struct Case {
        int pointer, remembered, length;
        std::optional<GripStep> expected;
    };
    const Case cases[] = {
        {7530, 7470, 7470, std::nullopt},  // 60 below: not yet
        {7531, 7470, 7470, GripStep{7531, 7531}},
        {7400, 7470, 7470, GripStep{7400, 7400}},
        {7100, 7470, 7470, GripStep{7200, 7100}},  // never below the minimum
        {7000, 7100, 7200, std::nullopt},          // at the minimum, upwards does nothing
        {7410, 7470, 7470, std::nullopt},          // 60 above: not yet
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gripAxisStep(c.pointer, c.remembered, c.length, kMinimumHeight), c.expected) << c.pointer;
    }
}

TEST(Toolbar, PicturesRiseOnlyStrictlyInsideTheirZones) {
    struct Case {
        int x, y;
        std::optional<ToolbarButton> expected;
    };
    const Case cases[] = {
        {5000, 200, ToolbarButton::条码管理}, {4440, 200, std::nullopt}, {4441, 91, ToolbarButton::条码管理},
        {5000, 90, std::nullopt},           {5000, 400, std::nullopt}, {5990, 200, std::nullopt},
        {6001, 399, ToolbarButton::纸张设定}, {7100, 200, ToolbarButton::条码排列钮},
        {9000, 200, ToolbarButton::确定列印_V}, {10304, 200, ToolbarButton::系统按钮}, {10305, 200, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(toolbarButtonAt(c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(PaperScrollBars, ShowOnlyWhenThePaperOverflowsItsFrame) {
    struct Case {
        WindowSize paper, frame;
        PaperScrollBars expected;
    };
    const Case cases[] = {
        // 300 shorter than the frame: no vertical bar; as wide as the frame: no horizontal bar.
        {{6000, 5000}, {6000, 5300}, {{0, false}, {0, false}}},
        // One twip more: the overflow is 301, (301 + 20) / 360 rounds to 1.
        {{6000, 5001}, {6000, 5300}, {{1, true}, {0, false}}},
        // One twip wider than the frame: 801 + 20 over 360 is 2.28, so 2.
        {{6001, 1000}, {6000, 5300}, {{0, false}, {2, true}}},
        // A4 upright in a 12090 x 7470 window's frame.
        {{11906, 16838}, {11960, 6600}, {{30, true}, {0, false}}},
        // Halves round to even: (880 + 20) / 360 = 2.5 gives 2, (1240 + 20) / 360 = 3.5 gives 4.
        {{6080, 1000}, {6000, 5300}, {{0, false}, {2, true}}},
        {{6440, 1000}, {6000, 5300}, {{0, false}, {4, true}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(卷轴使用分析(c.paper, c.frame), c.expected) << c.paper.width << "x" << c.paper.height;
    }
    EXPECT_EQ(paperOffsetForScroll(0), 300);
    EXPECT_EQ(paperOffsetForScroll(3), -780);
}

TEST(PanelStack, HiddenPanelsTakeNoRoom) {
    const PanelStack stack = stackPanels(1380, {std::nullopt, 2000, std::nullopt, 900});
    ASSERT_EQ(stack.tops.size(), 4u);
    EXPECT_FALSE(stack.tops[0]);
    EXPECT_EQ(stack.tops[1], 1500);
    EXPECT_FALSE(stack.tops[2]);
    EXPECT_EQ(stack.tops[3], 3620);
    EXPECT_EQ(stack.next, 4640);
    EXPECT_EQ(stackPanels(680, {}).next, 800);
}

TEST(SavedPlacement, PositionOnlyWhenOnTheScreenAndNotMaximised) {
    const WindowSize screen{20000, 12000};
    const SavedPlacement normal = placementFromSaved({0, 0, 300, 450, 6000, 7470}, screen);
    EXPECT_EQ(normal, (SavedPlacement{View::Simple, false, 300, 450, {6000, 7470}}));
    const SavedPlacement off = placementFromSaved({1, 0, 20000, 11999, 12090, 7470}, screen);
    EXPECT_EQ(off, (SavedPlacement{View::Professional, false, std::nullopt, 11999, {12090, 7470}}));
    const SavedPlacement maximised = placementFromSaved({1, 2, 0, 0, 12090, 7470}, screen);
    EXPECT_TRUE(maximised.maximised);
    EXPECT_EQ(maximised.view, View::Professional);
    EXPECT_FALSE(maximised.left);
    EXPECT_EQ(placementFromSaved({2, 0, 0, 0, 12090, 7470}, screen).view, std::nullopt);
}

TEST(InputPanelCorner, BelowTheLabelUnlessThatLeavesTheWindow) {
    const WindowSize window{12090, 7470};
    const WindowSize panel{5000, 1500};
    struct Case {
        LabelBox label;
        PanelCorner expected;
    };
    const Case cases[] = {
        {{600, 600, 3600, 900}, {600, 1620}},      // 120 below the label's bottom
        {{600, 5500, 3600, 900}, {600, 3880}},     // no room below: above the label
        {{600, 600, 3600, 5900}, {600, 0}},        // no room either way: the window's top
        {{9000, 600, 3600, 900}, {6970, 1620}},    // kept 120 inside the right edge
    };
    for (const Case& c : cases) {
        EXPECT_EQ(inputPanelCorner(c.label, panel, window), c.expected) << c.label.left << "," << c.label.top;
    }
}

TEST(NoticeSteps, GrowInTenStepsAndShrinkInTen) {
    const auto grow = run(kNoticeStart, [](WindowSize s) { return noticeExpandTick(s); });
    EXPECT_EQ(grow.size(), 10u);
    EXPECT_EQ(grow.back(), kNoticePicture);
    const auto shrink = run(kNoticePicture, noticeShrinkTick);
    EXPECT_EQ(shrink.size(), 10u);
    EXPECT_EQ(shrink.back(), (WindowSize{80, 80}));
    EXPECT_EQ(centredOn({4080, 1080}, {19200, 10800}), (Corner{7560, 4860}));
}

}  // namespace
}  // namespace kestrin::shell
