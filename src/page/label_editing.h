#pragma once
// The mouse rules of the paper and its labels, as plain geometry: the 60-twip grid and the
// drag thresholds, width and height drags, moving a label, the alignment guides, the dashed
// frame and delete button around the label under the pointer, the pointer shapes and the
// placement of a floating window beside the pointer. Everything is in twips; the pointer is
// in the coordinates of the control under it.

#include <string_view>
#include <vector>

#include "document/label_page.h"

namespace kestrin::page {

// In the simple view the paper sits this far inside the paper frame, holding label 0 at its
// origin.
constexpr int kSimplePaperOffset = 120;
constexpr int kGridStep = 60;
// A drag acts only once the pointer is more than this far from where the button went down.
constexpr int kDragStep = 60;
// A press this close to a label's right or bottom edge starts a width or height drag.
constexpr int kEdgeZone = 120;
// A width drag acts only while the pointer is right of this, a height drag below this.
constexpr int kWidthDragMinPointer = 600;
constexpr int kHeightDragMinPointer = 300;
// The delete button sits this far left of the label's right edge, at its top.
constexpr int kDeleteButtonInset = 180;
constexpr int kDashedFrameMargin = 15;
// A floating window opens this far up and left of the pointer.
constexpr int kPointerOffset = 60;

inline constexpr std::string_view kPaperHint =
    "功能提示：【Ａ 按滑鼠右键 显示 功能选项】 【Ｂ 按住滑鼠左键，移动滑鼠，调整 纸张位置】";
inline constexpr std::string_view kMovingHint = "放开滑鼠，确定移动位置";
inline constexpr std::string_view kSimpleLabelHint = "【Ａ输入条码，左键】【Ｂ功能选择，右键】【列印 F1】";
inline constexpr std::string_view kProfessionalLabelHint =
    "功能提示：【Ａ 点击二下，设定条码数字】【Ｂ 功能选择，滑鼠右键】【Ｃ 按住滑鼠左键，移动条码区域】【列印 F1】";
inline constexpr std::string_view kDeleteLabelHint = "【删除】条码编辑区";
inline constexpr std::string_view kPasteQuantityHint = "要产生的 条码格式 数量";

// The whole multiple of 60 nearest v; a value half-way goes to the even multiple.
int snapToGrid(int v);

struct Twips {
    int x = 0;
    int y = 0;
    bool operator==(const Twips&) const = default;
};

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsRect&) const = default;
};

// What a pointer move over a label does, by the first case that matches.
enum class LabelDrag { WidthDrag, HeightDrag, Move, Hover };

struct PointerState {
    Twips origin;   // where the button went down, in the label
    Twips pointer;  // where the pointer is now, in the label
    bool leftHeld = false;
    bool dragging = false;
};

LabelDrag labelDragKind(int index, const document::Label& label, const PointerState& state);

// One step of a width or height drag: the size and the origin along that axis both grow by 60
// when the pointer is more than 60 past the origin, both shrink by 60 when it is more than 60
// before it. Returns whether anything changed.
bool stepSize(int& size, int& origin, int pointer);

// Moving a label: an axis moves only when the pointer is more than 60 from the origin along it,
// to the grid value of the label's place plus the displacement; a place below 60 becomes 0.
// The origin stays, since the label moves under the pointer.
Twips movedPlace(const document::Label& label, Twips origin, Twips pointer);

// The paper follows a drag the same way, without the grid.
Twips movedPaper(Twips paper, Twips origin, Twips pointer);

// Alignment guides along the edges of the other labels 1..250 that lie within 60 twips
// (strictly) of this label's edge.
enum class GuideEdge { Right, Bottom, LeftAndTop };
struct Guide {
    bool vertical = true;
    int at = 0;  // x of a vertical guide, y of a horizontal one, on the paper
    bool operator==(const Guide&) const = default;
};
std::vector<Guide> alignmentGuides(const document::LabelPage& page, int index, GuideEdge edge);

// The dashed frame 15 twips outside the label, and the delete button's corner in the label.
TwipsRect dashedFrame(const document::Label& label);
Twips deleteButtonPlace(const document::Label& label);

// The pointer shape over a label: a sizing pointer near the right or the bottom edge.
enum class EdgePointer { Arrow, SizeHorizontal, SizeVertical };
EdgePointer edgePointer(const document::Label& label, Twips pointer);

// Where a floating window of this size opens beside a pointer at `at` (in the host window),
// along one axis: 60 before the pointer, or pulled back to end 60 inside the host when it would
// pass the host's far edge.
int besidePointer(int at, int size, int hostSize);

}  // namespace kestrin::page
