#pragma once
// The few file operations the data files need, behind one seam so that a test can make any
// write, flush or rename fail and check that a data file is then wholly old or wholly new.
//
// Paths are std::filesystem paths; every data file lives in `记录资料` under a base folder
// the caller passes in (the program's folder, or a temporary folder in tests).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kestrin {
class Ui;
}

namespace kestrin::storage {

namespace fs = std::filesystem;

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool exists(const fs::path& path) = 0;
    // The whole file, or nothing when it cannot be read.
    virtual std::optional<std::string> read(const fs::path& path) = 0;
    // Creates or truncates the file and writes all bytes.
    virtual bool write(const fs::path& path, std::string_view bytes) = 0;
    // Adds the bytes at the end, creating the file when missing.
    virtual bool append(const fs::path& path, std::string_view bytes) = 0;
    // Forces the file's contents to the disk.
    virtual bool flush(const fs::path& path) = 0;
    // Replaces `to` by `from` in one atomic step.
    virtual bool rename(const fs::path& from, const fs::path& to) = 0;
    // Forces the folder's entries (a rename in it) to the disk. Some file systems cannot; the
    // rename stands all the same, so there is nothing to report.
    virtual void flushFolder(const fs::path& folder) = 0;
    virtual bool remove(const fs::path& path) = 0;
    // Cuts the file back to the given size (undoing a failed append).
    virtual bool truncate(const fs::path& path, std::uint64_t size) = 0;
    virtual std::optional<std::uint64_t> size(const fs::path& path) = 0;
};

// The real file system (POSIX calls).
FileSystem& realFileSystem();

// `记录资料` under the base folder, and the data files in it.
fs::path recordsFolder(const fs::path& base);
fs::path picturesFolder(const fs::path& base);  // 图形资料
// Creates `记录资料` and `图形资料` when missing; false when either cannot be made.
bool createDataFolders(const fs::path& base);
fs::path settingsFilePath(const fs::path& base);        // 记录资料/TOP.reg
fs::path layoutRecordsFilePath(const fs::path& base);   // 记录资料/排版记录.zip
fs::path barcodeRecordsFilePath(const fs::path& base);  // 记录资料/条码档.zip
// The data file's name with "_" appended, in the same folder.
fs::path temporaryPathFor(const fs::path& dataFile);

// Replaces the data file by the bytes: writes the temporary file, flushes it, renames it over
// the data file and flushes the folder, so that a power cut after the save cannot bring the
// old file back. The data file is never truncated or deleted first, so whatever fails, it is
// either the old file or the new one. A leftover temporary file is removed on failure.
bool replaceFile(FileSystem& files, const fs::path& dataFile, std::string_view bytes);
// Appends the bytes and flushes them, after ending a last line that has no line break (cut
// short, or edited by hand) so that the new line stays a line of its own. On failure the file
// is cut back to its old length (or removed when it did not exist), so no half line is left
// behind.
bool appendToFile(FileSystem& files, const fs::path& dataFile, std::string_view bytes);

// Tells the user that a data file could not be written and was left as it was.
void reportWriteFailure(Ui& ui, const fs::path& dataFile);
// Tells the user that a text holds characters that cannot be stored; nothing was written.
void reportUnstorableText(Ui& ui, const fs::path& dataFile);

enum class WriteMode { Replace, Append };
// Writes UTF-8 text to a data file in code page 936, replacing it or adding to its end; on
// failure the user is told (text the file cannot hold, or a failed write), the file is as it
// was, and the result is false.
bool writeDataText(FileSystem& files, Ui& ui, const fs::path& dataFile, std::string_view text, WriteMode mode);

}  // namespace kestrin::storage
