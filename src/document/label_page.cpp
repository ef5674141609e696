#include "document/label_page.h"

#include <cassert>

namespace kestrin::document {
namespace {

bool isValidIndex(int index) { return index >= 0 && index < kLabelIndexCount; }
std::size_t slot(int index) { return static_cast<std::size_t>(index); }

template <typename Item>
std::optional<int> lowestFreeSubIndex(const std::map<int, Item>& items) {
    for (int j = 1; j <= kMaxItemIndex; ++j) {
        if (!items.contains(j)) return j;
    }
    return std::nullopt;
}

// Adds an item at the lowest free sub-index, placed inside its label; nothing when all 50
// sub-indices are taken.
template <typename Item>
std::optional<int> addItem(std::map<int, Item>& items, int left, int top) {
    const auto j = lowestFreeSubIndex(items);
    if (!j) return std::nullopt;
    Item& item = items[*j];
    item.left = left;
    item.top = top;
    return j;
}

}  // namespace

bool isPassedOverIndex(int index) {
    return index == 11 || index == 21 || index == 31 || index == 41 || index == 51;
}

LabelPage::LabelPage() {
    labels_[slot(kSimpleLabel)].emplace();
    labels_[slot(kPreviewLabel)].emplace();
}

bool LabelPage::exists(int index) const { return isValidIndex(index) && labels_[slot(index)].has_value(); }

Label& LabelPage::label(int index) {
    assert(exists(index));
    return *labels_[slot(index)];
}

const Label& LabelPage::label(int index) const {
    assert(exists(index));
    return *labels_[slot(index)];
}

std::optional<Label> LabelPage::copyOf(int index) const {
    return isValidIndex(index) ? labels_[slot(index)] : std::nullopt;
}

void LabelPage::restore(int index, std::optional<Label> label) {
    if (isValidIndex(index)) labels_[slot(index)] = std::move(label);
}

std::vector<int> LabelPage::pageLabels() const {
    std::vector<int> out;
    for (int i = kFirstPageLabel; i <= kLastPageLabel; ++i) {
        if (exists(i)) out.push_back(i);
    }
    return out;
}

std::optional<int> LabelPage::createLabel(storage::PrinterKind printerKind) {
    for (int i = kFirstPageLabel; i <= kLastPageLabel; ++i) {
        if (isPassedOverIndex(i) || exists(i)) continue;
        Label& made = labels_[slot(i)].emplace();
        if (printerKind == storage::PrinterKind::Label) made.width = kLabelPrinterLabelWidth;
        if (i > highest_) highest_ = static_cast<std::uint8_t>(i);
        删除所有标签(i);
        return i;
    }
    return std::nullopt;
}

void LabelPage::deleteLabel(int index) {
    if (index < kFirstPageLabel || index > kLastPageLabel) return;
    labels_[slot(index)].reset();
}

void LabelPage::删除所有标签(int index) {
    if (!exists(index)) return;
    label(index).texts.clear();
    label(index).pictures.clear();
}

std::optional<int> LabelPage::addTextItem(int labelIndex, int left, int top) {
    return exists(labelIndex) ? addItem(label(labelIndex).texts, left, top) : std::nullopt;
}

std::optional<int> LabelPage::addPictureItem(int labelIndex, int left, int top) {
    return exists(labelIndex) ? addItem(label(labelIndex).pictures, left, top) : std::nullopt;
}

void LabelPage::deleteTextItem(int labelIndex, int subIndex) {
    if (exists(labelIndex)) label(labelIndex).texts.erase(subIndex);
}

void LabelPage::deletePictureItem(int labelIndex, int subIndex) {
    if (exists(labelIndex)) label(labelIndex).pictures.erase(subIndex);
}

void LabelPage::setPasteMemory(std::vector<LayoutRecord> records) {
    if (records.size() > kPasteMemoryCapacity) records.resize(kPasteMemoryCapacity);
    paste_ = std::move(records);
}

void LabelPage::写入贴上记忆(int index) {
    if (!exists(index)) return;
    setPasteMemory(labelRecords(label(index)));
}

bool LabelPage::贴上条码格式(int index, const PictureLookup& pictures) {
    if (!exists(index)) return false;
    return applyRecords(paste_, label(index), index == kPreviewLabel, pictures);
}

}  // namespace kestrin::document
