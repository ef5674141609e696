// Any bytes as the barcode records file, through the full load, the targeted read and the
// picker load: no crash, the limits hold, and a repaired file loads without a word.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "storage/barcode_records.h"

using namespace kestrin;
using storage::BarcodeReadOutcome;

namespace {

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
