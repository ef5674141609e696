#pragma once
// The layout records file 记录资料/排版记录.zip: the stored label designs ("条码格式"), one
// layout record of eleven fields per line (then an empty item and the number 1). A format is
// the run of records whose kind (field 0) and name (field 1) both match.

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/file_system.h"

namespace kestrin {
class Ui;
}

namespace kestrin::storage {

using LayoutRecord = std::array<std::string, 11>;

enum class LayoutSaveOutcome {
    Saved,
    TooManyRecords,  // the file would exceed its limit: refused with a message, nothing changed
    Failed,          // the write failed (the user has been told); the file is as it was
};

class LayoutRecordsFile {
public:
    // The most records a save may leave in the file; a recalled format holds at most 253.
    static constexpr std::size_t kSaveLimit = 30001;
    static constexpr std::size_t kFormatLimit = 253;

    LayoutRecordsFile(const std::filesystem::path& baseFolder, Ui& ui, FileSystem& files = realFileSystem());

    const std::filesystem::path& path() const { return path_; }
    bool exists() { return files_.exists(path_); }

    // Every readable record in file order (none when the file is missing). Lines that cannot
    // be read (bad bytes, wrong item count) are skipped and the user is told once per read;
    // the next save or delete then leaves them out, which repairs the file.
    std::vector<LayoutRecord> readAll();
    // The non-empty kinds in order of first appearance.
    std::vector<std::string> kinds();
    // The distinct non-empty names of one kind, in file order.
    std::vector<std::string> namesOf(std::string_view kind);
    // The records of one format in file order, at most 253.
    std::vector<LayoutRecord> formatRecords(std::string_view kind, std::string_view name);

    // Drops the stored records of this kind and name, appends the new ones, rewrites the file.
    LayoutSaveOutcome saveFormat(std::string_view kind, std::string_view name,
                                 const std::vector<LayoutRecord>& records);
    // Rewrites the file through 排版记录.zip_ without the records of this kind and name.
    bool deleteFormat(std::string_view kind, std::string_view name);

private:
    // Nothing when the file exists but cannot be read at all (the user has been told).
    std::optional<std::vector<LayoutRecord>> load();
    bool rewrite(const std::vector<LayoutRecord>& records);

    std::filesystem::path path_;
    Ui& ui_;
    FileSystem& files_;
};

// The names that begin with the whole of `leading` (every name when it is empty), in order;
// the comparison is exact and case-sensitive.
std::vector<std::string> filterNames(const std::vector<std::string>& names, std::string_view leading);

// One line of the file.
std::string layoutLine(const LayoutRecord& record);

}  // namespace kestrin::storage
