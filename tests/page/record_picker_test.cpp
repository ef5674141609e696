#include "page/record_picker.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "storage/storage_test_support.h"
#include "storage/barcode_records.h"
#include "support/recording_ui.h"

namespace kestrin::page {
namespace {

using Strings = std::vector<std::string>;

PickerRecord record(std::string barcode, std::string kind, std::string name, std::string user = {}) {
    PickerRecord r;
    r[0] = std::move(barcode);
    r[1] = std::move(kind);
    r[2] = std::move(name);
    r[3] = std::move(user);
    r[6] = "六";  // column 6 is hidden by default: it must never show
    return r;
}

// Five records: two kinds, a repeated name, an empty name, a small-letter barcode.
std::vector<PickerRecord> fixture() {
    return {record("A100", "箱", "红", "x"), record("A101", "箱", "蓝"), record("B200", "袋", "红"),
            record("A300", "袋", "绿", "y"), record("a400", "袋", "")};
}

Strings barcodes(const RecordPicker& p) { return p.column(0); }

struct Step {
    std::string what;
    std::function<bool(RecordPicker&)> act;  // returns whether the filter passed anything
    bool passes;
    Strings barcodes;  // column 0 afterwards
    Strings kinds;     // column 1 afterwards
};

bool leading(RecordPicker& p, std::string_view text) { return p.filterByLeading(text); }
bool value(RecordPicker& p, std::size_t k, std::string_view text) { return p.filterByValue(k, text); }
bool reload(RecordPicker& p) {
    p.load(fixture());
    return true;
}

TEST(RecordPicker, FiltersNarrowStepByStepAndAReloadBringsAllBack) {
    const Strings all = {"A100", "A101", "B200", "A300", "a400"};
    const std::vector<std::vector<Step>> scenarios = {
        {
            {"kind 袋", [](auto& p) { return value(p, 1, "袋"); }, true, {"B200", "A300", "a400"}, {"袋"}},
            {"then leading A (case-sensitive)", [](auto& p) { return leading(p, "A"); }, true, {"A300"}, {"袋"}},
            {"reset", reload, true, all, {"箱", "袋"}},
        },
        {
            {"leading A", [](auto& p) { return leading(p, "A"); }, true, {"A100", "A101", "A300"}, {"箱", "袋"}},
            {"then name 红", [](auto& p) { return value(p, 2, "红"); }, true, {"A100"}, {"箱"}},
            // The filters work on what is left: B200 is red too, but no longer in the set.
            {"then leading B", [](auto& p) { return leading(p, "B"); }, false, {}, {}},
            {"empty leading text restores the set", [](auto& p) { return leading(p, ""); }, true, {"A100"}, {"箱"}},
        },
        {
            {"value that matches nothing", [](auto& p) { return value(p, 1, "盒"); }, false, all, {"箱", "袋"}},
            {"value of another column", [](auto& p) { return value(p, 1, "红"); }, false, all, {"箱", "袋"}},
            {"leading that matches nothing", [](auto& p) { return leading(p, "Z"); }, false, {}, {}},
            {"retry, still nothing", [](auto& p) { return leading(p, "Z"); }, false, {}, {}},
            {"text changed, matches", [](auto& p) { return leading(p, "a"); }, true, {"a400"}, {"袋"}},
        },
    };
    for (const auto& steps : scenarios) {
        RecordPicker picker;
        picker.load(fixture());
        for (const Step& step : steps) {
            SCOPED_TRACE(step.what);
            EXPECT_EQ(step.act(picker), step.passes);
            EXPECT_EQ(barcodes(picker), step.barcodes);
            EXPECT_EQ(picker.column(1), step.kinds);
            EXPECT_EQ(picker.choices(1), step.kinds);
        }
    }
}

TEST(RecordPicker, ColumnsHoldDistinctNonEmptyValuesOfVisibleCaptionsOnly) {
    RecordPicker picker;
    picker.load(fixture());
    EXPECT_EQ(picker.column(2), (Strings{"红", "蓝", "绿"}));
    EXPECT_EQ(picker.column(3), (Strings{"x", "y"}));
    for (std::size_t k = 4; k < kPickerColumns; ++k) EXPECT_TRUE(picker.column(k).empty()) << k;

    PickerHeadings twoRows;
    twoRows.visible = visibleRows(2);
    picker.setHeadings(twoRows);
    EXPECT_EQ(picker.column(2), (Strings{"红", "蓝", "绿"}));
    EXPECT_TRUE(picker.column(3).empty());
    // Still empty after narrowing: hidden columns never gather values.
    ASSERT_TRUE(picker.filterByValue(3, "x"));
    EXPECT_EQ(barcodes(picker), Strings{"A100"});
    EXPECT_TRUE(picker.column(3).empty());
    picker.终点显示();
    EXPECT_EQ(picker.choiceText(3), "自订");
}

TEST(RecordPicker, ChoiceListsShowCaptionsAfterALoadAndASingleValueAtTheEndDisplay) {
    PickerHeadings headings;
    headings.captions[1] = "品类";
    RecordPicker picker(headings);
    picker.load(fixture());
    EXPECT_EQ(picker.choiceText(1), "品类");
    EXPECT_EQ(picker.choiceText(2), "名称");

    ASSERT_TRUE(picker.filterByValue(1, "箱"));
    // Rebuilt lists show nothing until the end display.
    EXPECT_EQ(picker.choiceText(1), "");
    picker.终点显示();
    EXPECT_EQ(picker.choiceText(1), "箱");
    EXPECT_EQ(picker.choiceText(2), "名称");  // 红 and 蓝: two values
    EXPECT_EQ(picker.choiceText(3), "x");
    EXPECT_EQ(picker.choiceText(4), "自订");  // hidden: its caption

    EXPECT_FALSE(picker.filterByLeading("Q"));
    EXPECT_EQ(picker.choiceText(1), "");
    EXPECT_EQ(picker.records().size(), 2u);  // the set itself is kept for the next try
}

TEST(RecordPicker, HeadingsFromTheSettings) {
    using storage::SettingsEntry;
    const std::string twelve = "码★品类★品 名★甲★乙★丙★丁★自订★自订★自订★自订★自订";
    const std::array<std::string, 7> defaults = PickerHeadings{}.captions;
    const std::array<std::string, 7> custom = {"条码", "品类", "品 名", "甲", "乙", "丙", "丁"};
    struct Case {
        std::vector<SettingsEntry> entries;
        std::array<std::string, 7> captions;
        std::array<bool, 7> visible;
    };
    const Case cases[] = {
        {{}, defaults, {true, true, true, true, false, false, false}},
        {{{"标签A", twelve}, {"标签_数量", "6"}}, custom, {true, true, true, true, true, true, true}},
        {{{"标签A", "码★品类★名称★甲★乙★丙★丁★自订★自订★自订★自订"}}, defaults, visibleRows(3)},
        {{{"标签A", twelve}, {"标签A", "broken"}}, custom, visibleRows(3)},
        {{{"标签_数量", "0"}}, defaults, {true, true, false, false, false, false, false}},
        {{{"标签_数量", "5"}, {"标签_数量", "2"}}, defaults, {true, true, true, false, false, false, false}},
    };
    for (const Case& c : cases) {
        const PickerHeadings h = pickerHeadings(c.entries);
        EXPECT_EQ(h.captions, c.captions);
        EXPECT_EQ(h.visible, c.visible);
    }
}

TEST(RecordPicker, PickedBarcodeKeepsWhatTheDataBoxWouldAccept) {
    const std::pair<std::string, std::string> cases[] = {
        {"ab-1 ./+", "ab-1 ./+"},
        {"A中B$C", "ABC"},
        {"0123456789ABCDEFGHIJKLMN", "0123456789ABCDEFGHIJ"},
        {"", ""},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(pickedBarcode(in), out) << in;
}

TEST(RecordPicker, LoadsTheFirst3500RecordsOfTheRecordsFile) {
    storage::testing::TempFolder folder;
    test::RecordingUi ui;
    storage::BarcodeRecordsFile file(folder.path(), ui);
    std::vector<storage::BarcodeColumns> rows;
    for (int i = 0; i < 3501; ++i) rows.push_back({"N" + std::to_string(i), i % 2 ? "单" : "双", "", "", "", "", ""});
    ASSERT_TRUE(file.append(rows));

    storage::PickerValues values;
    std::vector<PickerRecord> records;
    EXPECT_EQ(file.pickerLoad(values, &records), storage::BarcodeReadOutcome::LimitReached);
    RecordPicker picker;
    picker.load(std::move(records));
    ASSERT_EQ(picker.column(0).size(), 3500u);
    EXPECT_EQ(picker.column(0).back(), "N3499");
    EXPECT_EQ(picker.column(1), (Strings{"双", "单"}));
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kestrin::page
