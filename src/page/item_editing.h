#pragma once
// The mouse rules of the text and picture items inside a label, as plain geometry: which item
// the pointer is on, moving an item on the 60-twip grid while keeping it inside its label, the
// width and height drags of a picture, and where an item's delete button sits. Everything is
// in twips; the pointer and the drag origin are in the item's own coordinates.

#include <functional>
#include <optional>
#include <string_view>

#include "document/label_page.h"
#include "page/label_editing.h"

namespace kestrin::page {

// A picture's width drag acts only while the pointer is right of this, its height drag below.
constexpr int kPictureDragMinPointer = 240;

inline constexpr std::string_view kTextItemHint = "功能提示：【Ａ 点击二下，修改标签】【Ｂ 移动标签位置，按住滑鼠左键托拉】";
inline constexpr std::string_view kPictureItemHint =
    "功能提示：【Ａ 点击二下，修改图片】【Ｂ 移动图片位置，按住滑鼠左键托拉】";
inline constexpr std::string_view kDeleteTextHint = "【删除】标签";
inline constexpr std::string_view kDeletePictureHint = "【删除】图片";

// A text item's size is that of its caption in its font, which only the screen can measure.
using TextExtent = std::function<Twips(const document::TextItem&)>;

struct ItemRef {
    document::ItemKind kind = document::ItemKind::Text;
    int index = 0;
    bool operator==(const ItemRef&) const = default;
};

TwipsRect itemBox(const document::Label& label, ItemRef item, const TextExtent& extent);

// The item under a point of the label: pictures lie over texts, and a later item over an
// earlier one. Nothing when the point is on the bare label.
std::optional<ItemRef> itemAt(const document::Label& label, Twips at, const TextExtent& extent);

// What a pointer move over an item does: pictures can be resized, texts only moved.
enum class ItemDrag { WidthDrag, HeightDrag, Move, Hover };
ItemDrag itemDragKind(document::ItemKind kind, TwipsRect item, const PointerState& state);

// Moving an item: the grid and thresholds of a label, then pulled back inside the label.
Twips movedItem(TwipsRect item, Twips origin, Twips pointer, int labelWidth, int labelHeight);

// The item's delete button sits at its right edge, level with its top.
Twips itemDeletePlace(TwipsRect item);

// Puts the item's top-left corner at a place inside its label.
void placeItem(document::Label& label, ItemRef item, Twips place);

// Modify-all: every text item of the page's labels 1..250 whose caption is `from` takes `to`.
// Label 0 belongs to the simple view and is left alone.
void renameCaptions(document::LabelPage& page, std::string_view from, std::string_view to);

}  // namespace kestrin::page
