// Any bytes through `修复模组`: no crash, the repaired file loads
// without a word, and a file with nothing to keep is left as it was.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "storage/barcode_records.h"

using namespace kestrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzing::FuzzFolder folder;
    static fuzzing::NoFlushFileSystem files;
    const auto file = storage::barcodeRecordsFilePath(folder.base());
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    folder.reset(file, input);

    fuzzing::CountingUi ui;
    const auto outcome = storage::BarcodeRecordsFile(folder.base(), ui, files).修复模组();
    if (outcome == storage::BarcodeRepairOutcome::Repaired) {
        fuzzing::CountingUi quiet;
        storage::BarcodeTables tables;
        const auto load = storage::BarcodeRecordsFile(folder.base(), quiet, files).fullLoad(tables);
        fuzzing::check(load == storage::BarcodeReadOutcome::Complete ||
                           load == storage::BarcodeReadOutcome::LimitReached,
                       "the repaired file does not load");
        fuzzing::check(ui.endRequests == 1, "a repair must end the program");
    } else {
        std::ifstream in(file, std::ios::binary);
        const std::string now((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        fuzzing::check(now == input, "an unrepaired file changed");
    }
    folder.checkOnlyDataFileLeft(file);
    return 0;
}
