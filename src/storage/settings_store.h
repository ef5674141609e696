#pragma once
// `记录模组`: the settings table and its file 记录资料/TOP.reg. The table is loaded once at
// start (`读取设定`) and every change is written through at once (`写入设定`). The store knows
// nothing of what keys mean; settings_keys.h reads their values.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "storage/file_system.h"

namespace kestrin {
class Ui;
}

namespace kestrin::storage {

struct SettingsEntry {
    std::string key;
    std::string value;
    bool operator==(const SettingsEntry&) const = default;
};

class SettingsStore {
public:
    // The table holds at most this many entries; a file with more is damaged.
    static constexpr std::size_t kCapacity = 251;
    // The repair keeps at most this many readable lines: more would not load back.
    static constexpr std::size_t kRepairLimit = kCapacity;

    SettingsStore(std::filesystem::path baseFolder, Ui& ui, FileSystem& files = realFileSystem());

    // Clears the table and fills it from the file. A missing file leaves it empty. A damaged
    // file is repaired (with the two messages) and the program is asked to end when the repair
    // kept anything; otherwise the file is deleted and the entries read before the damage stay.
    void 读取设定();

    // Sets every entry of the key to the value and writes the file: a rewrite when the key was
    // there, an appended line when it is new. Returns false, with the table and the file as
    // they were, when the write failed (the user has been told) or the table is full.
    bool 写入设定(std::string_view key, std::string_view value);

    // Entries 0 to count-1 in file order; readers walk them and act on every matching key.
    const std::vector<SettingsEntry>& entries() const { return entries_; }
    const std::filesystem::path& filePath() const { return path_; }

private:
    void repair();
    bool rewrite(const std::vector<SettingsEntry>& entries);

    std::filesystem::path path_;
    Ui& ui_;
    FileSystem& files_;
    std::vector<SettingsEntry> entries_;
};

// The entries of the settings file in the base folder without changing anything: empty when
// there is no file, nothing when the file is damaged (for tools that must never repair).
std::optional<std::vector<SettingsEntry>> readSettingsWithoutRepair(const std::filesystem::path& baseFolder,
                                                                    FileSystem& files = realFileSystem());


}  // namespace kestrin::storage
