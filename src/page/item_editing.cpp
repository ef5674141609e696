#include "page/item_editing.h"

#include <cstdlib>

namespace kestrin::page {
namespace {

bool beyondStep(int pointer, int origin) { return std::abs(pointer - origin) > kDragStep; }

int atLeastGridStep(int v) { return v < kGridStep ? 0 : v; }

bool contains(const TwipsRect& r, Twips at) {
    return at.x >= r.left && at.x < r.left + r.width && at.y >= r.top && at.y < r.top + r.height;
}

}  // namespace

TwipsRect itemBox(const document::Label& label, ItemRef item, const TextExtent& extent) {
    if (item.kind == document::ItemKind::Picture) {
        const document::PictureItem& p = label.pictures.at(item.index);
        return {p.left, p.top, p.width, p.height};
    }
    const document::TextItem& t = label.texts.at(item.index);
    const Twips size = extent(t);
    return {t.left, t.top, size.x, size.y};
}

std::optional<ItemRef> itemAt(const document::Label& label, Twips at, const TextExtent& extent) {
    for (auto it = label.pictures.rbegin(); it != label.pictures.rend(); ++it) {
        const ItemRef ref{document::ItemKind::Picture, it->first};
        if (contains(itemBox(label, ref, extent), at)) return ref;
    }
    for (auto it = label.texts.rbegin(); it != label.texts.rend(); ++it) {
        const ItemRef ref{document::ItemKind::Text, it->first};
        if (contains(itemBox(label, ref, extent), at)) return ref;
    }
    return std::nullopt;
}

ItemDrag itemDragKind(document::ItemKind kind, TwipsRect item, const PointerState& s) {
    const bool held = s.leftHeld && s.dragging;
    if (!held) return ItemDrag::Hover;
    if (kind == document::ItemKind::Picture) {
        if (s.origin.x > item.width - kEdgeZone && s.pointer.x > kPictureDragMinPointer) return ItemDrag::WidthDrag;
        if (s.origin.y > item.height - kEdgeZone && s.pointer.y > kPictureDragMinPointer) return ItemDrag::HeightDrag;
    }
    return ItemDrag::Move;
}

Twips movedItem(TwipsRect item, Twips origin, Twips pointer, int labelWidth, int labelHeight) {
    Twips place{item.left, item.top};
    if (beyondStep(pointer.y, origin.y)) place.y = snapToGrid(item.top + pointer.y - origin.y);
    if (beyondStep(pointer.x, origin.x)) place.x = snapToGrid(item.left + pointer.x - origin.x);
    place = {atLeastGridStep(place.x), atLeastGridStep(place.y)};
    if (place.y + item.height > labelHeight) place.y = labelHeight - item.height;
    if (place.x + item.width > labelWidth) place.x = labelWidth - item.width;
    return place;
}

Twips itemDeletePlace(TwipsRect item) { return {item.left + item.width, item.top}; }

void placeItem(document::Label& label, ItemRef item, Twips place) {
    const auto put = [place](auto& placed) {
        placed.left = place.x;
        placed.top = place.y;
    };
    if (item.kind == document::ItemKind::Text) {
        put(label.texts.at(item.index));
    } else {
        put(label.pictures.at(item.index));
    }
}

void renameCaptions(document::LabelPage& page, std::string_view from, std::string_view to) {
    for (const int i : page.pageLabels()) {
        for (auto& [k, item] : page.label(i).texts) {
            if (item.caption == from) item.caption = to;
        }
    }
}

}  // namespace kestrin::page
