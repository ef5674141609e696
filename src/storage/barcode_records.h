#pragma once
// The barcode records file 记录资料/条码档.zip: one record per line, thirteen items (fields 0
// to 11 quoted, then a bare number that nobody reads back). Records are known by their line
// number; the management window's master and display tables carry it with every row.

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "storage/file_system.h"

namespace kestrin {
class Ui;
}

namespace kestrin::storage {

// Fields 0 to 11: barcode, kind, name, four user columns, five reserved texts.
using BarcodeFields = std::array<std::string, 12>;
// Fields 0 to 6, the part of a record the windows edit.
using BarcodeColumns = std::array<std::string, 7>;

struct BarcodeRow {
    BarcodeFields fields;
    // The record's 0-based line in the file when it was read (the row's 13th text).
    std::size_t lineNumber = 0;
    std::string lineText() const { return std::to_string(lineNumber); }
    bool operator==(const BarcodeRow&) const = default;
};

// The management window's tables. Records read = master.size(); records shown =
// display.size(). Master row i holds line i.
struct BarcodeTables {
    std::vector<BarcodeRow> master;
    std::vector<BarcodeRow> display;
};

enum class BarcodeReadOutcome {
    Missing,       // no file: nothing read (the full load tries again at its next tick)
    Complete,      // read to the end of the file
    LimitReached,  // stopped at the limit; the warning has been shown
    Repaired,      // the file was damaged and has been repaired; the program is ending
    Unrepaired,    // the file was damaged and could not be repaired; tables left empty
};

enum class BarcodeRepairOutcome {
    Repaired,     // rewritten from its readable lines; message shown, program asked to end
    NothingKept,  // no readable line: the file is left as it was
    WriteFailed,  // the rewrite failed; the user has been told; the file is left as it was
};

// The distinct non-empty values of each column 0 to 6, in order of first appearance.
using PickerValues = std::array<std::vector<std::string>, 7>;

class BarcodeRecordsFile {
public:
    static constexpr std::size_t kLoadLimit = 6000;
    static constexpr std::size_t kPickerLimit = 3500;
    static constexpr int kWrittenMark = 1;
    static constexpr int kRepairedMark = 20;

    BarcodeRecordsFile(const std::filesystem::path& baseFolder, Ui& ui, FileSystem& files = realFileSystem());

    const std::filesystem::path& path() const { return path_; }
    bool exists() { return files_.exists(path_); }

    // Reads every record into both tables, up to 6000. At 6000 it stops with the "too much
    // data" warning and leaves the display table empty (master keeps what was read).
    BarcodeReadOutcome fullLoad(BarcodeTables& tables);
    // Reads the file; a record is shown when any typed non-empty value equals its field of the
    // same column. Stops after 6000 records with its own warning, keeping the matches so far.
    BarcodeReadOutcome targetedRead(BarcodeTables& tables, const BarcodeColumns& typed);
    // The distinct values of each column over the first 3500 records (silent at the limit);
    // the records themselves too when asked, for a picker that narrows them further.
    BarcodeReadOutcome pickerLoad(PickerValues& values, std::vector<BarcodeFields>* records = nullptr);

    // Adds the records at the end (fields 7 to 11 empty, mark 1); all or none are written.
    bool append(std::span<const BarcodeColumns> records);
    // Rewrites the file through 条码档.zip_ with line `line` changed (fields 7 to 11 kept),
    // left out, or with lines a and b exchanged (from the master table, whose rows a and b are
    // then exchanged too). False, with the file as it was, when anything failed.
    bool modify(std::size_t line, const BarcodeColumns& columns);
    bool remove(std::size_t line);
    bool swap(BarcodeTables& tables, std::size_t a, std::size_t b);

    // `修复模组`: rebuilds the file from its lines that come apart into thirteen pieces. Every
    // such line is kept, however many there are: the file is already in memory whole, and a
    // count limit here would silently drop the user's records.
    BarcodeRepairOutcome 修复模组();

    // Every record of the file, changing nothing: empty when there is no file, nothing when
    // the file is damaged (for tools that must never repair).
    std::optional<std::vector<BarcodeFields>> readWithoutRepair();

private:
    enum class ScanEnd { EndOfFile, Limit, Damaged };
    template <typename OnRecord>
    ScanEnd scan(std::size_t limit, OnRecord onRecord);
    BarcodeReadOutcome readFailed();
    bool rewrite(std::string_view text);
    template <typename Change>
    bool rewriteWith(Change change);

    std::filesystem::path path_;
    Ui& ui_;
    FileSystem& files_;
};

// One line of the file.
std::string barcodeLine(const BarcodeFields& fields, int mark);

}  // namespace kestrin::storage
