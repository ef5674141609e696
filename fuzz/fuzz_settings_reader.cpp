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

    // A file that loaded cleanly can be written through, a rewrite with text read from it and
    // an append, and loads back the same, without a word.
    if (ui.messages == 0) {
        if (!store.entries().empty()) store.写入设定(store.entries().front().key, store.entries().back().value);
        store.写入设定("fuzz", "a b");
        fuzzing::CountingUi quiet;
        storage::SettingsStore again(folder.base(), quiet, files);
        again.读取设定();
        fuzzing::check(quiet.messages == 0, "a written file does not load back");
        fuzzing::check(again.entries() == store.entries(), "write-through changed the table");
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
