#pragma once
// The main window's geometry in twips and the rules that move and size it: the two view sizes
// and the animated switch between them, the resize grip, the toolbar that rises on hover, the
// paper's scroll bars, the stacking of the simple view's panels and the saved placement.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "page/label_editing.h"
#include "storage/settings_keys.h"

namespace kestrin::shell {

constexpr int kSimpleViewWidth = 6000;
constexpr int kSimpleViewHeight = 7470;
constexpr int kProfessionalViewWidth = 12090;
constexpr int kProfessionalViewHeight = 7470;
// The user cannot size the professional view smaller than this.
constexpr int kMinimumWidth = 12000;
constexpr int kMinimumHeight = 7200;
// The resize grip: the last square of this side at the window's bottom-right corner.
constexpr int kResizeGrip = 200;
// A grip drag acts only once the pointer is this far from where it was last taken.
constexpr int kResizeThreshold = 60;

// In the simple view the panels stack in a column below the paper (page::kSimplePaperOffset).
using page::kSimplePaperOffset;
constexpr int kPanelColumnLeft = 255;
constexpr int kPanelGap = 120;

// The main window's two views. Only the view button's caption and the saved 主视窗大小 know
// them by name or by number.
enum class View { Simple, Professional };
// "简易版" or "专业版".
std::string_view viewName(View view);
// The number 主视窗大小 saves: 0 simple, 1 professional; any other number names no view.
int viewNumber(View view);
std::optional<View> viewFromNumber(int number);

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

// One tick of the view animation: the window's next size and whether it has arrived (then the
// size is exactly the view's size).
struct AnimationTick {
    WindowSize size;
    bool arrived = false;
    bool operator==(const AnimationTick&) const = default;
};
// 视窗展开: grows by 600 wide and 100 high per tick towards the professional view.
AnimationTick expandTick(WindowSize now);
// 视窗缩关: shrinks by 600 wide and 100 high per tick towards the simple view.
AnimationTick shrinkTick(WindowSize now);

// Whether a point (twips in the window) lies on the resize grip of a window of this size.
bool inResizeGrip(int x, int y, WindowSize window);

// One axis of a grip drag: the pointer and the point remembered at the last change, the
// window's length along the axis and its minimum. Returns the new length and the new
// remembered point, or nothing while the pointer has not moved far enough.
struct GripStep {
    int length = 0;
    int remembered = 0;
    bool operator==(const GripStep&) const = default;
};
std::optional<GripStep> gripAxisStep(int pointer, int remembered, int length, int minimum);

// The five toolbar pictures of the professional view, in their order along the title strip.
#ifndef Q_MOC_RUN  // moc cannot parse Chinese enumerators; it needs none of these
enum class ToolbarButton { 条码管理, 纸张设定, 条码排列钮, 确定列印_V, 系统按钮 };
#endif
constexpr int kToolbarButtonCount = 5;
struct ToolbarZone {
    int left = 0, right = 0;
};
// The x ranges of the zones; every zone spans y from 90 to 400.
const std::array<ToolbarZone, kToolbarButtonCount>& toolbarZones();
// The toolbar picture whose zone holds the point strictly inside, if any.
std::optional<ToolbarButton> toolbarButtonAt(int x, int y);
// A toolbar picture sits at this top while shown, out of sight otherwise.
constexpr int kToolbarShownTop = 0;
constexpr int kToolbarHiddenTop = -500;

// 卷轴使用分析: the paper's scroll bars inside the paper frame.
struct ScrollBar {
    int maximum = 0;
    bool shown = false;
    bool operator==(const ScrollBar&) const = default;
};
struct PaperScrollBars {
    ScrollBar vertical;
    ScrollBar horizontal;
    bool operator==(const PaperScrollBars&) const = default;
};
PaperScrollBars 卷轴使用分析(WindowSize paper, WindowSize frame);
// The paper's top (vertical bar) or left (horizontal bar) for a scroll bar value.
constexpr int kPaperOrigin = 300;
constexpr int kScrollUnit = 360;
constexpr int paperOffsetForScroll(int value) { return kPaperOrigin - kScrollUnit * value; }

// 功能窗排列: the tops of the simple view's panels stacked below the paper's bottom (in the
// window), the first a gap below it and each panel a gap below the one before. Hidden panels
// (no height) take no room and get no top.
struct PanelStack {
    std::vector<std::optional<int>> tops;  // one per panel given, in order
    int next = 0;                          // the top for whatever comes after them
};
PanelStack stackPanels(int paperBottom, const std::vector<std::optional<int>>& heights);

// Where the barcode input panel opens for a label of the professional view: its left at the
// label's left and its top 120 below the label's bottom, all in the window's twips. A panel
// that would pass the window's bottom opens above the label instead, and one that would pass
// its right edge moves left, so that the panel the user just asked for is never out of sight.
struct PanelCorner {
    int left = 0;
    int top = 0;
    bool operator==(const PanelCorner&) const = default;
};
struct LabelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
PanelCorner inputPanelCorner(LabelBox label, WindowSize panel, WindowSize window);

// Where the saved 主视窗大小 puts the window on a screen of this size. A position beyond the
// screen's right or bottom edge is not applied; the size always is.
struct SavedPlacement {
    std::optional<View> view = View::Simple;  // none for a number of neither view
    bool maximised = false;
    std::optional<int> left;
    std::optional<int> top;
    WindowSize size;
    bool operator==(const SavedPlacement&) const = default;
};
constexpr int kMaximisedState = 2;
SavedPlacement placementFromSaved(const storage::MainWindowSize& saved, WindowSize screen);

}  // namespace kestrin::shell
