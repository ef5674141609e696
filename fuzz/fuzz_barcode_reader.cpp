// Any bytes as the barcode records file, through the full load, the targeted read and the
// picker load: no crash, the limits hold, a rewrite and a repaired file load back without a
// word.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_support.h"
#include "storage/barcode_records.h"
#include "storage/record_text.h"

using namespace kestrin;
using storage::BarcodeReadOutcome;

namespace {

// Rewriting the file with its first record edited writes every record back: the next load
// gives the same records, without a word.
void checkRewriteLoadsBack(const std::filesystem::path& base, storage::FileSystem& files,
                           std::vector<storage::BarcodeRow> rows) {
    fuzzing::CountingUi ui;
    storage::BarcodeRecordsFile records(base, ui, files);
    storage::BarcodeColumns edited;
    std::copy(rows[0].fields.begin(), rows[0].fields.begin() + 7, edited.begin());
    edited[0] += "Z";
    if (!records.modify(0, edited)) return;
    for (std::size_t c = 0; c < edited.size(); ++c) rows[0].fields[c] = storage::filterRecordText(edited[c]);
    storage::BarcodeTables tables;
    fuzzing::check(records.fullLoad(tables) == BarcodeReadOutcome::Complete && ui.messages == 0,
                   "a rewritten file does not load back");
    fuzzing::check(tables.master == rows, "a rewrite changed the records");
}

void checkRepairedFileLoads(const std::filesystem::path& base, storage::FileSystem& files) {
    fuzzing::CountingUi quiet;
    storage::BarcodeTables tables;
    const auto outcome = storage::BarcodeRecordsFile(base, quiet, files).fullLoad(tables);
    fuzzing::check(outcome == BarcodeReadOutcome::Complete || outcome == BarcodeReadOutcome::LimitReached,
                   "the repaired file does not load");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzing::FuzzFolder folder;
    static fuzzing::NoFlushFileSystem files;
    const auto file = storage::barcodeRecordsFilePath(folder.base());
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    for (int reader = 0; reader < 3; ++reader) {
        folder.reset(file, input);
        fuzzing::CountingUi ui;
        storage::BarcodeRecordsFile records(folder.base(), ui, files);
        BarcodeReadOutcome outcome;
        if (reader == 0) {
            storage::BarcodeTables tables;
            outcome = records.fullLoad(tables);
            fuzzing::check(tables.master.size() <= storage::BarcodeRecordsFile::kLoadLimit, "master overflow");
            fuzzing::check(tables.display.size() <= tables.master.size(), "display larger than master");
            for (std::size_t i = 0; i < tables.master.size(); ++i)
                fuzzing::check(tables.master[i].lineNumber == i, "line numbers out of step");
            if (outcome == BarcodeReadOutcome::Complete && !tables.master.empty())
                checkRewriteLoadsBack(folder.base(), files, tables.master);
        } else if (reader == 1) {
            storage::BarcodeTables tables;
            outcome = records.targetedRead(tables, {"A", "", "", "", "", "", "x"});
            fuzzing::check(tables.display.size() <= tables.master.size(), "display larger than master");
        } else {
            storage::PickerValues values;
            outcome = records.pickerLoad(values);
        }
        if (outcome == BarcodeReadOutcome::Repaired) checkRepairedFileLoads(folder.base(), files);
        folder.checkOnlyDataFileLeft(file);
    }
    return 0;
}
