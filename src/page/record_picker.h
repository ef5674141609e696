#pragma once
// The barcode record picker's lists: the records it browses, the seven value columns 筛选项
// built from them, the six choice lists 记录选项 (columns 1 to 6 as the user sees them) and
// what each choice list shows as its text. Every filter narrows the current set; only a new
// load brings the other records back.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "storage/barcode_records.h"
#include "storage/settings_store.h"

namespace kestrin::page {

constexpr std::size_t kPickerColumns = 7;
using PickerRecord = storage::BarcodeFields;

constexpr std::string_view kLeadingCodeHint = "说明提示：输入要查询的、条码开头字";
constexpr std::string_view kResetHint = "说明提示：恢复预设 资料状态";
constexpr std::string_view kPanelCloseHint = "关闭 功能视窗";

// The field captions 说明(0..6) and which of them are visible. A column whose caption is
// hidden takes no part: its list stays empty whatever the records hold.
struct PickerHeadings {
    std::array<std::string, kPickerColumns> captions{"条码", "种类", "名称", "自订", "自订", "自订", "自订"};
    std::array<bool, kPickerColumns> visible{true, true, true, true, false, false, false};
    bool operator==(const PickerHeadings&) const = default;
};

// "标签_数量" holds the last column in use: rows 2 to n show; the barcode and kind rows always do.
std::array<bool, kPickerColumns> visibleRows(int lastRow);
// The headings the settings give: captions 1 to 6 from a readable "标签A" (the barcode column
// keeps its own caption) and the rows from "标签_数量" (3 when the key is absent).
PickerHeadings pickerHeadings(const std::vector<storage::SettingsEntry>& entries);

// A value taken from the records into the data box: only what the box itself would accept
// (the characters Code 39 can store, at most 20 of them), so a hand-edited file cannot put
// into the label what no one could type.
std::string pickedBarcode(std::string_view value);

class RecordPicker {
public:
    explicit RecordPicker(PickerHeadings headings = {}) : headings_(std::move(headings)) {}

    const PickerHeadings& headings() const { return headings_; }
    // New captions and rows rebuild the lists of the current set (as a load would show them).
    void setHeadings(const PickerHeadings& headings);

    // What `读条码档` read (at most 3500 records) becomes the current set; the columns are
    // built from it and each visible choice list shows its caption.
    void load(std::vector<PickerRecord> records);

    // `稍后执行` with the text of `开头码`: the records of the current set whose barcode begins
    // with the whole text (case-sensitive) become the filtered set. The columns are emptied
    // first; when anything passed, `写入选择清单` runs and true is returned (the timer may
    // stop); otherwise the lists stay empty and the caller tries again later.
    bool filterByLeading(std::string_view leading);
    // A value chosen in 记录选项(k), k = 1..6: the records whose field k equals it exactly.
    // When none does, nothing changes and false is returned.
    bool filterByValue(std::size_t k, std::string_view value);

    // The filtered set becomes the current set and the columns and choice lists are rebuilt
    // from it with no text shown; `终点显示` follows.
    void 写入选择清单();
    // Each visible choice list holding exactly one value shows it; the others their caption.
    void 终点显示();

    const std::vector<PickerRecord>& records() const { return current_; }
    // 筛选项(k), k = 0..6: the distinct non-empty values of field k, in record order.
    const std::vector<std::string>& column(std::size_t k) const { return columns_.at(k); }
    // 记录选项(k), k = 1..6: column k while its caption is visible.
    const std::vector<std::string>& choices(std::size_t k) const { return column(k); }
    // The text 记录选项(k) shows.
    const std::string& choiceText(std::size_t k) const { return choiceTexts_.at(k); }

private:
    void clearLists();
    void buildColumns();
    void showCaptions();

    PickerHeadings headings_;
    std::vector<PickerRecord> current_;
    std::vector<PickerRecord> filtered_;
    std::array<std::vector<std::string>, kPickerColumns> columns_;
    std::array<std::string, kPickerColumns> choiceTexts_;  // index 0 unused: column 0 has no choice list
};

}  // namespace kestrin::page
