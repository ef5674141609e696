#include "storage/barcode_records.h"

#include <algorithm>

#include "common/ui.h"
#include "storage/codepage.h"
#include "storage/record_line.h"
#include "storage/record_text.h"

namespace kestrin::storage {
namespace {

constexpr std::size_t kItemsPerLine = 13;
constexpr std::size_t kNoLimit = static_cast<std::size_t>(-1);

BarcodeFields fieldsOf(const BarcodeColumns& columns) {
    BarcodeFields fields;
    // The file has no escaping: whatever a window let through, no separator reaches it.
    for (std::size_t i = 0; i < columns.size(); ++i) fields[i] = filterRecordText(columns[i]);
    return fields;
}

void addDistinct(std::vector<std::string>& list, const std::string& value) {
    if (!value.empty() && std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

bool matchesTyped(const BarcodeFields& fields, const BarcodeColumns& typed) {
    for (std::size_t c = 0; c < typed.size(); ++c) {
        if (!typed[c].empty() && typed[c] == fields[c]) return true;
    }
    return false;
}

}  // namespace

std::string barcodeLine(const BarcodeFields& fields, int mark) { return formatQuotedLine(fields, mark); }

BarcodeRecordsFile::BarcodeRecordsFile(const std::filesystem::path& baseFolder, Ui& ui, FileSystem& files)
    : path_(barcodeRecordsFilePath(baseFolder)), ui_(ui), files_(files) {}

template <typename OnRecord>
BarcodeRecordsFile::ScanEnd BarcodeRecordsFile::scan(std::size_t limit, OnRecord onRecord) {
    const std::optional<std::string> bytes = files_.read(path_);
    if (!bytes) return ScanEnd::Damaged;
    std::size_t count = 0;
    // Line by line, so that nothing after the limit is decoded: a bad byte there is not damage
    // the reader has seen. No byte of a multi-byte character is a line break.
    for (const std::string_view raw : splitLines(*bytes)) {
        if (raw.empty()) continue;
        const std::optional<std::string> line = decodeCp936(raw);
        if (!line) return ScanEnd::Damaged;
        std::optional<std::vector<std::string>> items = readItems(*line);
        if (!items || items->size() != kItemsPerLine) return ScanEnd::Damaged;
        BarcodeFields fields;
        std::move(items->begin(), items->begin() + 12, fields.begin());
        onRecord(std::move(fields), count);
        if (++count == limit) return ScanEnd::Limit;
    }
    return ScanEnd::EndOfFile;
}

BarcodeReadOutcome BarcodeRecordsFile::readFailed() {
    ui_.message(MessageIcon::Warning, "自动修复提示", "读取 条码记录档案，时发现错误，程式将自动修复错误");
    return 修复模组() == BarcodeRepairOutcome::Repaired ? BarcodeReadOutcome::Repaired
                                                        : BarcodeReadOutcome::Unrepaired;
}

BarcodeReadOutcome BarcodeRecordsFile::fullLoad(BarcodeTables& tables) {
    if (!exists()) return BarcodeReadOutcome::Missing;
    tables.master.clear();
    tables.display.clear();
    const ScanEnd end = scan(kLoadLimit, [&](BarcodeFields&& fields, std::size_t line) {
        tables.master.push_back({std::move(fields), line});
    });
    switch (end) {
        case ScanEnd::Damaged:
            tables.master.clear();
            return readFailed();
        case ScanEnd::Limit:
            ui_.message(MessageIcon::Warning, "提示",
                        "资料过多、无法全部显示、请输入一项要指定查询的内容后、按下【指定读取】按钮、显示只需要查看的资料");
            return BarcodeReadOutcome::LimitReached;
        case ScanEnd::EndOfFile:
            break;
    }
    tables.display = tables.master;
    return BarcodeReadOutcome::Complete;
}

BarcodeReadOutcome BarcodeRecordsFile::targetedRead(BarcodeTables& tables, const BarcodeColumns& typed) {
    if (!exists()) return BarcodeReadOutcome::Missing;
    tables.master.clear();
    tables.display.clear();
    const ScanEnd end = scan(kLoadLimit, [&](BarcodeFields&& fields, std::size_t line) {
        tables.master.push_back({std::move(fields), line});
        if (matchesTyped(tables.master.back().fields, typed)) tables.display.push_back(tables.master.back());
    });
    switch (end) {
        case ScanEnd::Damaged:
            tables.master.clear();
            tables.display.clear();
            return readFailed();
        case ScanEnd::Limit:
            ui_.message(MessageIcon::Warning, "提示",
                        "指定读取的资料过多、无法全部显示、请输入更详细的内容后、按下【指定读取】按钮、显示只需要查看的资料");
            return BarcodeReadOutcome::LimitReached;
        case ScanEnd::EndOfFile:
            break;
    }
    return BarcodeReadOutcome::Complete;
}

BarcodeReadOutcome BarcodeRecordsFile::pickerLoad(PickerValues& values, std::vector<BarcodeFields>* records) {
    for (auto& column : values) column.clear();
    if (records) records->clear();
    if (!exists()) return BarcodeReadOutcome::Missing;
    const ScanEnd end = scan(kPickerLimit, [&](BarcodeFields&& fields, std::size_t) {
        for (std::size_t c = 0; c < values.size(); ++c) addDistinct(values[c], fields[c]);
        if (records) records->push_back(std::move(fields));
    });
    if (end == ScanEnd::Damaged) {
        for (auto& column : values) column.clear();
        if (records) records->clear();
        return readFailed();
    }
    return end == ScanEnd::Limit ? BarcodeReadOutcome::LimitReached : BarcodeReadOutcome::Complete;
}

std::optional<std::vector<BarcodeFields>> BarcodeRecordsFile::readWithoutRepair() {
    std::vector<BarcodeFields> records;
    if (!exists()) return records;
    const ScanEnd end = scan(kNoLimit, [&](BarcodeFields&& fields, std::size_t) { records.push_back(std::move(fields)); });
    if (end == ScanEnd::Damaged) return std::nullopt;
    return records;
}

bool BarcodeRecordsFile::append(std::span<const BarcodeColumns> records) {
    std::string text;
    for (const BarcodeColumns& columns : records) text += barcodeLine(fieldsOf(columns), kWrittenMark);
    return writeDataText(files_, ui_, path_, text, WriteMode::Append);
}

bool BarcodeRecordsFile::rewrite(std::string_view text) {
    return writeDataText(files_, ui_, path_, text, WriteMode::Replace);
}

// Reads every record and lets `change` decide which records the new file holds, in order
// (by calling its `write` argument); then replaces the file. A missing or damaged file is
// not rewritten.
template <typename Change>
bool BarcodeRecordsFile::rewriteWith(Change change) {
    if (!exists()) {
        reportWriteFailure(ui_, path_);
        return false;
    }
    std::string text;
    const auto write = [&text](const BarcodeFields& fields) { text += barcodeLine(fields, kWrittenMark); };
    const ScanEnd end = scan(kNoLimit, [&](BarcodeFields&& fields, std::size_t line) { change(write, fields, line); });
    if (end == ScanEnd::Damaged) {
        readFailed();
        return false;
    }
    return rewrite(text);
}

bool BarcodeRecordsFile::modify(std::size_t line, const BarcodeColumns& columns) {
    const BarcodeFields edited = fieldsOf(columns);
    return rewriteWith([&](const auto& write, BarcodeFields& fields, std::size_t j) {
        if (j == line) std::copy(edited.begin(), edited.begin() + 7, fields.begin());
        write(fields);
    });
}

bool BarcodeRecordsFile::remove(std::size_t line) {
    return rewriteWith([&](const auto& write, const BarcodeFields& fields, std::size_t j) {
        if (j != line) write(fields);
    });
}

bool BarcodeRecordsFile::swap(BarcodeTables& tables, std::size_t a, std::size_t b) {
    if (a >= tables.master.size() || b >= tables.master.size()) return false;
    const BarcodeFields recordA = tables.master[a].fields;
    const BarcodeFields recordB = tables.master[b].fields;
    const bool written = rewriteWith([&](const auto& write, const BarcodeFields& fields, std::size_t j) {
        write(j == a ? recordB : j == b ? recordA : fields);
    });
    if (written) std::swap(tables.master[a].fields, tables.master[b].fields);
    return written;
}

BarcodeRepairOutcome BarcodeRecordsFile::修复模组() {
    const std::optional<std::string> bytes = files_.exists(path_) ? files_.read(path_) : std::nullopt;
    std::string text;
    std::size_t kept = 0;
    if (bytes) {
        for (const std::string_view raw : splitLines(*bytes)) {
            if (raw.empty()) continue;
            const std::optional<std::string> line = decodeCp936(raw);
            if (!line) continue;
            std::vector<std::string> pieces = repairPieces(*line);
            if (pieces.size() != kItemsPerLine) continue;
            BarcodeFields fields;
            std::move(pieces.begin(), pieces.begin() + 12, fields.begin());
            text += barcodeLine(fields, kRepairedMark);
            ++kept;
        }
    }
    if (kept == 0) return BarcodeRepairOutcome::NothingKept;
    if (!rewrite(text)) return BarcodeRepairOutcome::WriteFailed;
    ui_.message(MessageIcon::Information, "完成修复提示", "完成：条码记录 档案修复，程式将自动关闭，请重新执行");
    ui_.endProgram();
    return BarcodeRepairOutcome::Repaired;
}

}  // namespace kestrin::storage
