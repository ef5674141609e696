// Any bytes as the layout records file: reading, listing and recalling never crash, and a
// save keeps every readable record of the other formats.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "storage/layout_records.h"

using namespace kestrin;
using storage::LayoutRecord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzing::FuzzFolder folder;
    static fuzzing::NoFlushFileSystem files;
    const auto file = storage::layoutRecordsFilePath(folder.base());
    folder.reset(file, std::string_view(reinterpret_cast<const char*>(data), size));

    fuzzing::CountingUi ui;
    storage::LayoutRecordsFile layouts(folder.base(), ui, files);
    const std::vector<LayoutRecord> before = layouts.readAll();
    const std::vector<std::string> kinds = layouts.kinds();
    if (!kinds.empty()) {
        const std::vector<std::string> names = layouts.namesOf(kinds.front());
        const auto filtered = storage::filterNames(names, names.empty() ? "" : names.front().substr(0, 1));
        fuzzing::check(names.empty() || !filtered.empty(), "a name does not match its own first byte");
        if (!names.empty()) {
            fuzzing::check(layouts.formatRecords(kinds.front(), names.front()).size() <=
                               storage::LayoutRecordsFile::kFormatLimit,
                           "a recalled format is too long");
        }
    }

    const LayoutRecord saved{"K", "N", "条码", "3600", "900", "", "16777215", "1", "120 120 480",
                             "False False False 0 10", "2 0 0 0"};
    if (layouts.saveFormat("K", "N", {saved}) == storage::LayoutSaveOutcome::Saved) {
        std::vector<LayoutRecord> expected;
        for (const auto& r : before) {
            if (r[0] != "K" || r[1] != "N") expected.push_back(r);
        }
        expected.push_back(saved);
        fuzzing::CountingUi quiet;
        fuzzing::check(storage::LayoutRecordsFile(folder.base(), quiet, files).readAll() == expected,
                       "a save lost or changed a stored record");
        fuzzing::check(quiet.messages == 0, "a saved file does not read cleanly");
    }
    folder.checkOnlyDataFileLeft(file);
    return 0;
}
