// Any bytes as the settings file: loading never crashes, never holds more than the table's
// entries, and a repair leaves a file that loads without a word.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "storage/settings_store.h"

using namespace kestrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzing::FuzzFolder folder;
    static fuzzing::NoFlushFileSystem files;
    const auto file = storage::settingsFilePath(folder.base());
    folder.reset(file, std::string_view(reinterpret_cast<const char*>(data), size));

    fuzzing::CountingUi ui;
    storage::SettingsStore store(folder.base(), ui, files);
    store.读取设定();
    fuzzing::check(store.entries().size() <= storage::SettingsStore::kCapacity, "table overflow");

    // A file that loaded cleanly can be written through and loaded back the same.
    if (ui.messages == 0 && store.写入设定("fuzz", "a b")) {
        storage::SettingsStore again(folder.base(), ui, files);
        const int before = ui.messages;
        again.读取设定();
        if (ui.messages == before) fuzzing::check(again.entries() == store.entries(), "write-through changed the table");
    }
    if (ui.endRequests > 0) {
        fuzzing::CountingUi quiet;
        storage::SettingsStore repaired(folder.base(), quiet, files);
        repaired.读取设定();
        fuzzing::check(quiet.messages == 0, "the repaired file does not load");
    }
    if (std::filesystem::exists(file)) folder.checkOnlyDataFileLeft(file);
    return 0;
}
