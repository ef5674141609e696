#include "page/record_picker.h"

#include <algorithm>
#include <unordered_set>

#include "common/utf8.h"
#include "engine/code39.h"
#include "page/barcode_input.h"
#include "storage/settings_keys.h"

namespace kestrin::page {
namespace {

constexpr int kDefaultLastRow = 3;

bool startsWith(std::string_view text, std::string_view leading) {
    return text.substr(0, leading.size()) == leading;
}

}  // namespace

std::array<bool, kPickerColumns> visibleRows(int lastRow) {
    std::array<bool, kPickerColumns> visible{};
    for (std::size_t k = 0; k < kPickerColumns; ++k) visible[k] = k < 2 || static_cast<int>(k) <= lastRow;
    return visible;
}

PickerHeadings pickerHeadings(const std::vector<storage::SettingsEntry>& entries) {
    PickerHeadings headings;
    if (const auto captions = storage::lastReadable(entries, storage::keys::标签A, storage::readColumnCaptions)) {
        std::copy(captions->begin() + 1, captions->end(), headings.captions.begin() + 1);
    }
    int lastRow = kDefaultLastRow;
    for (const storage::SettingsEntry& e : entries) {
        if (e.key == storage::keys::标签_数量) lastRow = storage::leadingWholeNumber(e.value);
    }
    headings.visible = visibleRows(lastRow);
    return headings;
}

std::string pickedBarcode(std::string_view value) {
    std::string out;
    std::size_t count = 0;
    for (const std::string& c : utf8::characters(value)) {
        if (count == kBarcodeInputMaxCharacters) break;
        if (!engine::isBarcodeInputCharacter(c)) continue;
        out += c;
        ++count;
    }
    return out;
}

void RecordPicker::setHeadings(const PickerHeadings& headings) {
    headings_ = headings;
    buildColumns();
    showCaptions();
}

void RecordPicker::load(std::vector<PickerRecord> records) {
    current_ = std::move(records);
    filtered_.clear();
    buildColumns();
    showCaptions();
}

void RecordPicker::showCaptions() {
    for (std::size_t k = 1; k < kPickerColumns; ++k) {
        choiceTexts_[k] = headings_.visible[k] ? headings_.captions[k] : std::string();
    }
}

bool RecordPicker::filterByLeading(std::string_view leading) {
    filtered_.clear();
    clearLists();
    for (const PickerRecord& r : current_) {
        if (startsWith(r[0], leading)) filtered_.push_back(r);
    }
    if (filtered_.empty()) return false;
    写入选择清单();
    return true;
}

bool RecordPicker::filterByValue(std::size_t k, std::string_view value) {
    filtered_.clear();
    for (const PickerRecord& r : current_) {
        if (r.at(k) == value) filtered_.push_back(r);
    }
    if (filtered_.empty()) return false;
    写入选择清单();
    return true;
}

void RecordPicker::写入选择清单() {
    current_ = std::move(filtered_);
    filtered_.clear();
    buildColumns();
}

void RecordPicker::终点显示() {
    for (std::size_t k = 1; k < kPickerColumns; ++k) {
        if (headings_.visible[k] && columns_[k].size() == 1) choiceTexts_[k] = columns_[k].front();
        else choiceTexts_[k] = headings_.captions[k];
    }
}

void RecordPicker::clearLists() {
    for (auto& column : columns_) column.clear();
    for (auto& text : choiceTexts_) text.clear();
}

void RecordPicker::buildColumns() {
    clearLists();
    for (std::size_t k = 0; k < kPickerColumns; ++k) {
        if (!headings_.visible[k]) continue;
        // A set beside the list: 3500 distinct barcodes would otherwise cost millions of
        // comparisons on every narrowing.
        std::unordered_set<std::string_view> seen;
        for (const PickerRecord& r : current_) {
            const std::string& value = r[k];
            if (!value.empty() && seen.insert(value).second) columns_[k].push_back(value);
        }
    }
}

}  // namespace kestrin::page
