#include "page/label_editing.h"

#include <cstdlib>

#include "common/fixed4.h"

namespace kestrin::page {
namespace {

bool beyondStep(int pointer, int origin) { return std::abs(pointer - origin) > kDragStep; }

int atLeastGridStep(int v) { return v < kGridStep ? 0 : v; }

bool within(int a, int b) { return std::abs(a - b) < kDragStep; }

}  // namespace

int snapToGrid(int v) { return static_cast<int>(roundHalfEven(v, kGridStep)) * kGridStep; }

LabelDrag labelDragKind(int index, const document::Label& label, const PointerState& s) {
    const bool held = s.leftHeld && s.dragging;
    if (held && s.origin.x > label.width - kEdgeZone && s.pointer.x > kWidthDragMinPointer) return LabelDrag::WidthDrag;
    if (held && s.origin.y > label.height - kEdgeZone && s.pointer.y > kHeightDragMinPointer) return LabelDrag::HeightDrag;
    if (held && index >= document::kFirstPageLabel) return LabelDrag::Move;
    return LabelDrag::Hover;
}

bool stepSize(int& size, int& origin, int pointer) {
    if (pointer > origin + kDragStep) {
        size += kGridStep;
        origin += kGridStep;
        return true;
    }
    if (pointer < origin - kDragStep) {
        size -= kGridStep;
        origin -= kGridStep;
        return true;
    }
    return false;
}

Twips movedPlace(const document::Label& label, Twips origin, Twips pointer) {
    Twips place{label.left, label.top};
    if (beyondStep(pointer.y, origin.y)) place.y = snapToGrid(label.top + pointer.y - origin.y);
    if (beyondStep(pointer.x, origin.x)) place.x = snapToGrid(label.left + pointer.x - origin.x);
    return {atLeastGridStep(place.x), atLeastGridStep(place.y)};
}

Twips movedPaper(Twips paper, Twips origin, Twips pointer) {
    if (beyondStep(pointer.y, origin.y)) paper.y += pointer.y - origin.y;
    if (beyondStep(pointer.x, origin.x)) paper.x += pointer.x - origin.x;
    return paper;
}

std::vector<Guide> alignmentGuides(const document::LabelPage& page, int index, GuideEdge edge) {
    std::vector<Guide> guides;
    if (!page.exists(index)) return guides;
    const document::Label& self = page.label(index);
    for (int i = document::kFirstPageLabel; i <= page.highestIndex(); ++i) {
        if (i == index || !page.exists(i)) continue;
        const document::Label& other = page.label(i);
        switch (edge) {
            case GuideEdge::Right: {
                const int right = other.left + other.width;
                if (within(right, self.left + self.width)) guides.push_back({true, right});
                break;
            }
            case GuideEdge::Bottom: {
                const int bottom = other.top + other.height;
                if (within(bottom, self.top + self.height)) guides.push_back({false, bottom});
                break;
            }
            case GuideEdge::LeftAndTop:
                if (within(other.left, self.left)) guides.push_back({true, other.left});
                if (within(other.top, self.top)) guides.push_back({false, other.top});
                break;
        }
    }
    return guides;
}

TwipsRect dashedFrame(const document::Label& label) {
    return {label.left - kDashedFrameMargin, label.top - kDashedFrameMargin, label.width + 2 * kDashedFrameMargin,
            label.height + 2 * kDashedFrameMargin};
}

Twips deleteButtonPlace(const document::Label& label) { return {label.width - kDeleteButtonInset, 0}; }

EdgePointer edgePointer(const document::Label& label, Twips pointer) {
    if (pointer.x > label.width - kEdgeZone) return EdgePointer::SizeHorizontal;
    if (pointer.y > label.height - kEdgeZone) return EdgePointer::SizeVertical;
    return EdgePointer::Arrow;
}

int besidePointer(int at, int size, int hostSize) {
    const int place = at - kPointerOffset;
    return place + size > hostSize ? hostSize - (size + kPointerOffset) : place;
}


}  // namespace kestrin::page
