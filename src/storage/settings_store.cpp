#include "storage/settings_store.h"

#include <array>

#include "common/ui.h"
#include "storage/codepage.h"
#include "storage/record_line.h"

namespace kestrin::storage {
namespace {

std::string settingsLine(const SettingsEntry& entry) {
    const std::array<std::string, 2> texts{entry.key, entry.value};
    return formatQuotedLine(texts);
}

// What a load read before it stopped, and whether it stopped on damage.
struct LoadResult {
    std::vector<SettingsEntry> entries;
    bool damaged = false;
};

LoadResult loadEntries(std::string_view bytes) {
    LoadResult result;
    const std::optional<std::string> text = decodeCp936(bytes);
    if (!text) {
        result.damaged = true;
        return result;
    }
    for (const std::string_view line : splitLines(*text)) {
        if (line.empty()) continue;
        const auto items = readItems(line);
        if (!items || items->size() != 2 || result.entries.size() == SettingsStore::kCapacity) {
            result.damaged = true;
            return result;
        }
        result.entries.push_back({(*items)[0], (*items)[1]});
    }
    return result;
}

// The readable lines of a damaged file: those that come apart into exactly a key and a value.
std::vector<SettingsEntry> salvageEntries(std::string_view bytes) {
    std::vector<SettingsEntry> kept;
    for (const std::string_view raw : splitLines(bytes)) {
        if (raw.empty()) continue;
        const std::optional<std::string> line = decodeCp936(raw);
        if (!line) continue;
        std::vector<std::string> pieces = repairPieces(*line);
        if (pieces.size() != 2) continue;
        kept.push_back({std::move(pieces[0]), std::move(pieces[1])});
        if (kept.size() == SettingsStore::kRepairLimit) break;
    }
    return kept;
}

std::string withoutQuotesOrLineBreaks(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != '"' && c != '\r' && c != '\n') out += c;
    }
    return out;
}

}  // namespace

std::optional<std::vector<SettingsEntry>> readSettingsWithoutRepair(const std::filesystem::path& baseFolder,
                                                                    FileSystem& files) {
    const std::filesystem::path path = settingsFilePath(baseFolder);
    if (!files.exists(path)) return std::vector<SettingsEntry>{};
    const std::optional<std::string> bytes = files.read(path);
    if (!bytes) return std::nullopt;
    LoadResult result = loadEntries(*bytes);
    if (result.damaged) return std::nullopt;
    return std::move(result.entries);
}

SettingsStore::SettingsStore(std::filesystem::path baseFolder, Ui& ui, FileSystem& files)
    : path_(settingsFilePath(baseFolder)), ui_(ui), files_(files) {}

void SettingsStore::读取设定() {
    entries_.clear();
    if (!files_.exists(path_)) return;
    const std::optional<std::string> bytes = files_.read(path_);
    LoadResult result = bytes ? loadEntries(*bytes) : LoadResult{{}, true};
    entries_ = std::move(result.entries);
    if (result.damaged) repair();
}

void SettingsStore::repair() {
    ui_.message(MessageIcon::Warning, "档案 修复提示",
                "读取 功能设定 记录档案，发现错误，程式将自动修复，功能设定 记录档案，点击 [确定] 进行自动修复");
    if (!files_.exists(path_)) return;
    const std::optional<std::string> bytes = files_.read(path_);
    // A file that cannot be read at all is not known to be worthless: it stays.
    if (!bytes) return;
    const std::vector<SettingsEntry> kept = salvageEntries(*bytes);
    if (kept.empty()) {
        files_.remove(path_);
        return;
    }
    if (!rewrite(kept)) return;
    ui_.message(MessageIcon::Information, "完成修复提示",
                "完成：功能设定 记录档案修复，程式将自动关闭，请重新执行\r\n"
                " 若持续出现错误 请手动将资料夹内的【TOP】档案删除");
    ui_.endProgram();
}

bool SettingsStore::rewrite(const std::vector<SettingsEntry>& entries) {
    std::string text;
    for (const SettingsEntry& e : entries) text += settingsLine(e);
    return writeDataText(files_, ui_, path_, text, WriteMode::Replace);
}

bool SettingsStore::写入设定(std::string_view rawKey, std::string_view rawValue) {
    // The table holds what the file will hold, so that a restart sees the same entries.
    const std::string key = withoutQuotesOrLineBreaks(rawKey);
    const std::string value = withoutQuotesOrLineBreaks(rawValue);
    std::vector<SettingsEntry> updated = entries_;
    bool matched = false;
    for (SettingsEntry& e : updated) {
        if (e.key == key) {
            e.value = value;
            matched = true;
        }
    }
    if (matched) {
        if (!rewrite(updated)) return false;
        entries_ = std::move(updated);
        return true;
    }
    const SettingsEntry entry{key, value};
    if (entries_.size() == kCapacity) {
        ui_.message(MessageIcon::Warning, "提示",
                    "功能设定 已满 " + std::to_string(kCapacity) + " 项，设定【" + entry.key + "】没有储存");
        return false;
    }
    if (!writeDataText(files_, ui_, path_, settingsLine(entry), WriteMode::Append)) return false;
    entries_.push_back(entry);
    return true;
}

}  // namespace kestrin::storage
