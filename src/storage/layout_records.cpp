#include "storage/layout_records.h"

#include <algorithm>

#include "common/ui.h"
#include "storage/codepage.h"
#include "storage/record_line.h"

namespace kestrin::storage {
namespace {

constexpr std::size_t kItemsPerLine = 13;

bool isFormat(const LayoutRecord& record, std::string_view kind, std::string_view name) {
    return record[0] == kind && record[1] == name;
}

void addDistinct(std::vector<std::string>& list, const std::string& value) {
    if (!value.empty() && std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

}  // namespace

std::string layoutLine(const LayoutRecord& record) {
    std::array<std::string, 12> texts;
    std::copy(record.begin(), record.end(), texts.begin());
    return formatQuotedLine(texts, 1);
}

std::vector<std::string> filterNames(const std::vector<std::string>& names, std::string_view leading) {
    std::vector<std::string> out;
    for (const std::string& n : names) {
        if (n.starts_with(leading)) out.push_back(n);
    }
    return out;
}

LayoutRecordsFile::LayoutRecordsFile(const std::filesystem::path& baseFolder, Ui& ui, FileSystem& files)
    : path_(layoutRecordsFilePath(baseFolder)), ui_(ui), files_(files) {}

std::vector<LayoutRecord> LayoutRecordsFile::readAll() { return load().value_or(std::vector<LayoutRecord>{}); }

std::optional<std::vector<LayoutRecord>> LayoutRecordsFile::load() {
    std::vector<LayoutRecord> records;
    if (!files_.exists(path_)) return records;
    const std::optional<std::string> bytes = files_.read(path_);
    if (!bytes) {
        ui_.message(MessageIcon::Critical, "错误提示",
                    "无法读取 条码格式 记录档案【" + path_.filename().string() + "】，请检查档案是否被占用");
        return std::nullopt;
    }
    std::size_t skipped = 0;
    // Decoded line by line so that one damaged line costs only itself.
    for (const std::string_view raw : splitLines(*bytes)) {
        if (raw.empty()) continue;
        const std::optional<std::string> line = decodeCp936(raw);
        std::optional<std::vector<std::string>> items = line ? readItems(*line) : std::nullopt;
        if (!items || items->size() != kItemsPerLine) {
            ++skipped;
            continue;
        }
        LayoutRecord& record = records.emplace_back();
        std::move(items->begin(), items->begin() + 11, record.begin());
    }
    if (skipped > 0) {
        ui_.message(MessageIcon::Warning, "错误提示",
                    "读取 条码格式 记录档案【" + path_.filename().string() + "】时，有 " + std::to_string(skipped) +
                        " 行资料无法读取，已略过；下次储存或删除格式时，这些资料将不再保留");
    }
    return records;
}

std::vector<std::string> LayoutRecordsFile::kinds() {
    std::vector<std::string> out;
    for (const LayoutRecord& r : readAll()) addDistinct(out, r[0]);
    return out;
}

std::vector<std::string> LayoutRecordsFile::namesOf(std::string_view kind) {
    std::vector<std::string> out;
    for (const LayoutRecord& r : readAll()) {
        if (r[0] == kind) addDistinct(out, r[1]);
    }
    return out;
}

std::vector<LayoutRecord> LayoutRecordsFile::formatRecords(std::string_view kind, std::string_view name) {
    std::vector<LayoutRecord> out;
    for (LayoutRecord& r : readAll()) {
        if (out.size() == kFormatLimit) break;
        if (isFormat(r, kind, name)) out.push_back(std::move(r));
    }
    return out;
}

bool LayoutRecordsFile::rewrite(const std::vector<LayoutRecord>& records) {
    std::string text;
    for (const LayoutRecord& r : records) text += layoutLine(r);
    return writeDataText(files_, ui_, path_, text, WriteMode::Replace);
}

LayoutSaveOutcome LayoutRecordsFile::saveFormat(std::string_view kind, std::string_view name,
                                                const std::vector<LayoutRecord>& records) {
    std::optional<std::vector<LayoutRecord>> loaded = load();
    if (!loaded) return LayoutSaveOutcome::Failed;
    std::vector<LayoutRecord>& kept = *loaded;
    std::erase_if(kept, [&](const LayoutRecord& r) { return isFormat(r, kind, name); });
    // Refusing the save keeps every stored format; the user can delete old ones and retry.
    if (kept.size() + records.size() > kSaveLimit) {
        ui_.message(MessageIcon::Warning, "储存 错误提示",
                    "条码格式 记录已达上限 " + std::to_string(kSaveLimit) +
                        " 笔，无法储存，请先删除不再使用的条码格式");
        return LayoutSaveOutcome::TooManyRecords;
    }
    kept.insert(kept.end(), records.begin(), records.end());
    return rewrite(kept) ? LayoutSaveOutcome::Saved : LayoutSaveOutcome::Failed;
}

bool LayoutRecordsFile::deleteFormat(std::string_view kind, std::string_view name) {
    if (!files_.exists(path_)) return true;
    std::optional<std::vector<LayoutRecord>> kept = load();
    if (!kept) return false;
    std::erase_if(*kept, [&](const LayoutRecord& r) { return isFormat(r, kind, name); });
    return rewrite(*kept);
}

}  // namespace kestrin::storage
