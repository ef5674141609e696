#pragma once
// The labels of the main window's page: label 0 of the simple view, labels 1..250 of the
// professional view and the preview label 999, with their items, the paste memory and the
// selection that the editing acts on.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/label.h"
#include "document/layout_record.h"
#include "storage/settings_service.h"

namespace kestrin::document {

constexpr int kSimpleLabel = 0;
constexpr int kPreviewLabel = 999;
constexpr int kFirstPageLabel = 1;
constexpr int kLastPageLabel = 250;
constexpr int kLabelIndexCount = 1000;
// The paste memory holds one design: at most this many records.
constexpr std::size_t kPasteMemoryCapacity = 257;

// Which kind of item the delete button removes.
enum class ItemKind { Text, Picture };

struct Selection {
    int currentLabel = kSimpleLabel;
    int currentText = 0;
    int currentPicture = 0;
    int itemUnderPointer = 0;
    ItemKind kindUnderPointer = ItemKind::Text;
    float dragX = 0;  // pointer at the last button press inside a label or item
    float dragY = 0;
    bool dragging = false;
};

// Indices 11, 21, 31, 41 and 51 are never given to a new label.
bool isPassedOverIndex(int index);

class LabelPage {
public:
    LabelPage();

    bool exists(int index) const;
    Label& label(int index);  // index must exist
    const Label& label(int index) const;
    // The largest index created since the start; loops over the page run 1..this.
    std::uint8_t highestIndex() const { return highest_; }
    // The existing labels 1..250 in index order.
    std::vector<int> pageLabels() const;

    // A new label at the lowest free index with the defaults of a new label, or nothing when
    // every usable index is taken. The printer kind picks the default width.
    std::optional<int> createLabel(storage::PrinterKind printerKind = storage::PrinterKind::Page);
    // Removes label i (i >= 1); the highest index stays where it was.
    void deleteLabel(int index);
    // Removes every item of the label; the label and its own properties stay.
    void 删除所有标签(int index);

    // A new item at the lowest free sub-index 1..50 of label L, or nothing when all 50 are
    // taken (or the label does not exist).
    std::optional<int> addTextItem(int labelIndex, int left, int top);
    std::optional<int> addPictureItem(int labelIndex, int left, int top);
    void deleteTextItem(int labelIndex, int subIndex);
    void deletePictureItem(int labelIndex, int subIndex);

    // The label at an index as a value (nothing when there is none), and its restoring: how
    // the document keeps and gives back the labels of an undo step.
    std::optional<Label> copyOf(int index) const;
    void restore(int index, std::optional<Label> label);
    void restoreHighest(std::uint8_t highest) { highest_ = highest; }

    // The paste memory: the records of one design at a time.
    const std::vector<LayoutRecord>& pasteMemory() const { return paste_; }
    // Replaces the paste memory; records past its capacity are dropped.
    void setPasteMemory(std::vector<LayoutRecord> records);
    // Copies the label's design into the paste memory.
    void 写入贴上记忆(int index);
    // Applies the paste memory to an existing label. False when the label is missing or its
    // label record cannot be read (the label is then left as it was).
    bool 贴上条码格式(int index, const PictureLookup& pictures);

    Selection selection;

private:
    std::array<std::optional<Label>, kLabelIndexCount> labels_;
    std::uint8_t highest_ = 0;
    std::vector<LayoutRecord> paste_;
};

}  // namespace kestrin::document
