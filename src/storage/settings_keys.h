#pragma once
// The settings keys the system uses and the readers and writers of their values. A reader
// that finds a value of the wrong shape ignores it and the caller keeps its default; numbers
// count by their leading numeric part, and a text without one counts as 0.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/fixed4.h"
#include "storage/settings_store.h"

namespace kestrin::storage {

namespace keys {
inline constexpr std::string_view 主视窗大小 = "主视窗大小";
inline constexpr std::string_view 汇入视窗大小 = "汇入视窗大小";
inline constexpr std::string_view 列印排列 = "列印排列";
inline constexpr std::string_view 标签A = "标签A";
inline constexpr std::string_view 标签_X = "标签_X";
inline constexpr std::string_view 标签_数量 = "标签_数量";
inline constexpr std::string_view 条码勾选 = "条码勾选";
inline constexpr std::string_view 条码转图_字符 = "条码转图_字符";
inline constexpr std::string_view 条码转图_粗细 = "条码转图_粗细";
inline constexpr std::string_view 条码管理_预览 = "条码管理_预览";
inline constexpr std::string_view 印表装置 = "印表装置";
inline constexpr std::string_view 更新设定 = "更新设定";
inline constexpr std::string_view 列印解析度 = "列印解析度";
inline constexpr std::string_view 使用密码 = "使用密码";
// `对齐格式位置_` followed by the paper format number (24, 30, 68, 70, 95 or 96).
std::string 对齐格式位置(int paperFormat);
}  // namespace keys

// The parts of a value split at single blanks; two blanks in a row give an empty part.
std::vector<std::string> splitParts(std::string_view value);
// The parts when there are exactly n of them.
std::optional<std::vector<std::string>> exactParts(std::string_view value, std::size_t n);
// The leading numeric part of a text (blanks, sign, digits, decimal point, exponent), or 0.
double leadingNumber(std::string_view text);
// leadingNumber rounded to a whole number, halves to even, kept within int.
int leadingWholeNumber(std::string_view text);

// Walks the entries in order and returns the result of the last entry of the key that the
// reader accepts: a later entry wins, but one of the wrong shape does not hide an earlier one.
// Example: lastReadable(store.entries(), keys::主视窗大小, readMainWindowSize).
template <typename Read>
auto lastReadable(const std::vector<SettingsEntry>& entries, std::string_view key, Read read)
    -> decltype(read(std::string_view{})) {
    decltype(read(std::string_view{})) result;
    for (const SettingsEntry& e : entries) {
        if (e.key != key) continue;
        if (auto value = read(e.value)) result = std::move(value);
    }
    return result;
}

// `列印解析度`: twips per printer dot, four decimals; nothing unless a number above 0 and below 1000.
std::optional<Fixed4> readPrintResolution(std::string_view value);

// `主视窗大小`: view mode, window state (2 = maximized), left, top, width, height.
struct MainWindowSize {
    int viewMode = 0;
    int windowState = 0;
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const MainWindowSize&) const = default;
};
std::optional<MainWindowSize> readMainWindowSize(std::string_view value);
std::string formatMainWindowSize(const MainWindowSize& size);

// `汇入视窗大小`: window state (2 = maximized), left, top, width, height.
struct ImportWindowSize {
    int windowState = 0;
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const ImportWindowSize&) const = default;
};
std::optional<ImportWindowSize> readImportWindowSize(std::string_view value);
std::string formatImportWindowSize(const ImportWindowSize& size);

// `列印排列`: the texts of the boxes `左右间距`, `上下间距`, `起始左`, `起始上` as typed.
using PrintArrangementTexts = std::array<std::string, 4>;
std::optional<PrintArrangementTexts> readPrintArrangement(std::string_view value);
std::string formatPrintArrangement(const PrintArrangementTexts& texts);

// `对齐格式位置_`n: left and top of the alignment mark.
struct AlignmentMark {
    int left = 0, top = 0;
    bool operator==(const AlignmentMark&) const = default;
};
std::optional<AlignmentMark> readAlignmentMark(std::string_view value);
std::string formatAlignmentMark(const AlignmentMark& mark);

// `标签A`: the captions of the seven record columns. Stored as twelve parts joined by "★"
// (the seven captions, then "自订" five times); a blank inside a caption survives.
using ColumnCaptions = std::array<std::string, 7>;
std::optional<ColumnCaptions> readColumnCaptions(std::string_view value);
std::string formatColumnCaptions(const ColumnCaptions& captions);

// `标签_X`: the left positions of the seven column headings, then "自订" five times.
using ColumnPositions = std::array<int, 7>;
std::optional<ColumnPositions> readColumnPositions(std::string_view value);
std::string formatColumnPositions(const ColumnPositions& positions);

// `条码勾选`: one flag per record column shown, stored as seven "0"/"1" digits and "11111";
// used only when exactly twelve characters long.
using ColumnChecks = std::array<bool, 7>;
std::optional<ColumnChecks> readColumnChecks(std::string_view value);
std::string formatColumnChecks(const ColumnChecks& checks);

}  // namespace kestrin::storage
