#include "shell/window_geometry.h"

#include <algorithm>

#include "common/fixed4.h"

namespace kestrin::shell {
namespace {

constexpr int kWidthStep = 600;
constexpr int kHeightStep = 100;
constexpr int kToolbarZoneTop = 90;
constexpr int kToolbarZoneBottom = 400;
// The paper keeps this much room inside its frame before a bar is needed.
constexpr int kVerticalRoom = 600;
constexpr int kHorizontalRoom = 800;
constexpr int kScrollSlack = 20;

int scrollMaximum(int overflow) { return static_cast<int>(roundHalfEven(overflow + kScrollSlack, kScrollUnit)); }

}  // namespace

std::string_view viewName(View view) { return view == View::Simple ? "简易版" : "专业版"; }

int viewNumber(View view) { return view == View::Simple ? 0 : 1; }

std::optional<View> viewFromNumber(int number) {
    switch (number) {
        case 0: return View::Simple;
        case 1: return View::Professional;
        default: return std::nullopt;
    }
}

AnimationTick expandTick(WindowSize now) {
    if (now.height < kProfessionalViewHeight) now.height += kHeightStep;
    if (now.width < kProfessionalViewWidth) now.width += kWidthStep;
    if (now.height >= kProfessionalViewHeight && now.width >= kProfessionalViewWidth) {
        return {{kProfessionalViewWidth, kProfessionalViewHeight}, true};
    }
    return {now, false};
}

AnimationTick shrinkTick(WindowSize now) {
    if (now.height > kSimpleViewHeight) now.height -= kHeightStep;
    if (now.width > kSimpleViewWidth) now.width -= kWidthStep;
    if (now.height <= kSimpleViewHeight && now.width <= kSimpleViewWidth) {
        return {{kSimpleViewWidth, kSimpleViewHeight}, true};
    }
    return {now, false};
}

bool inResizeGrip(int x, int y, WindowSize window) {
    return x >= window.width - kResizeGrip && x < window.width && y >= window.height - kResizeGrip &&
           y < window.height;
}

std::optional<GripStep> gripAxisStep(int pointer, int remembered, int length, int minimum) {
    const int delta = pointer - remembered;
    const bool growing = delta > kResizeThreshold;
    const bool shrinking = delta < -kResizeThreshold && length > minimum;
    if (!growing && !shrinking) return std::nullopt;
    const int next = length + delta;
    return GripStep{next < minimum ? minimum : next, pointer};
}

const std::array<ToolbarZone, kToolbarButtonCount>& toolbarZones() {
    static const std::array<ToolbarZone, kToolbarButtonCount> zones{{
        {4440, 5985}, {6000, 7065}, {7080, 8145}, {8160, 9225}, {9240, 10305},
    }};
    return zones;
}

std::optional<ToolbarButton> toolbarButtonAt(int x, int y) {
    if (y <= kToolbarZoneTop || y >= kToolbarZoneBottom) return std::nullopt;
    const auto& zones = toolbarZones();
    for (std::size_t i = 0; i < zones.size(); ++i) {
        if (x > zones[i].left && x < zones[i].right) return static_cast<ToolbarButton>(i);
    }
    return std::nullopt;
}

PaperScrollBars 卷轴使用分析(WindowSize paper, WindowSize frame) {
    PaperScrollBars bars;
    if (paper.height + kPaperOrigin > frame.height) {
        const int overflow = paper.height - (frame.height - kVerticalRoom);
        if (overflow > 0) bars.vertical = {scrollMaximum(overflow), true};
    }
    if (paper.width > frame.width) {
        const int overflow = paper.width - (frame.width - kHorizontalRoom);
        bars.horizontal = {scrollMaximum(overflow), true};
    }
    return bars;
}

PanelStack stackPanels(int paperBottom, const std::vector<std::optional<int>>& heights) {
    PanelStack stack;
    stack.next = paperBottom + kPanelGap;
    for (const auto& height : heights) {
        if (!height) {
            stack.tops.emplace_back();
            continue;
        }
        stack.tops.emplace_back(stack.next);
        stack.next += *height + kPanelGap;
    }
    return stack;
}

PanelCorner inputPanelCorner(LabelBox label, WindowSize panel, WindowSize window) {
    PanelCorner corner{label.left, label.top + label.height + kPanelGap};
    if (corner.top + panel.height > window.height) corner.top = label.top - kPanelGap - panel.height;
    corner.top = std::max(corner.top, 0);
    if (corner.left + panel.width + kPanelGap > window.width) corner.left = window.width - panel.width - kPanelGap;
    corner.left = std::max(corner.left, 0);
    return corner;
}

SavedPlacement placementFromSaved(const storage::MainWindowSize& saved, WindowSize screen) {
    SavedPlacement placement;
    placement.view = viewFromNumber(saved.viewMode);
    placement.maximised = saved.windowState == kMaximisedState;
    placement.size = {saved.width, saved.height};
    if (!placement.maximised) {
        if (saved.left < screen.width) placement.left = saved.left;
        if (saved.top < screen.height) placement.top = saved.top;
    }
    return placement;
}

}  // namespace kestrin::shell
