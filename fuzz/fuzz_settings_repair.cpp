// Any bytes followed by a cut-off entry, so that every input goes through the repair: the
// repair never crashes, and what it writes loads back without a word.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "storage/settings_store.h"

using namespace kestrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzing::FuzzFolder folder;
    static fuzzing::NoFlushFileSystem files;
    const auto file = storage::settingsFilePath(folder.base());
    std::string bytes(reinterpret_cast<const char*>(data), size);
    bytes += "\r\n\"cut";
    folder.reset(file, bytes);

    fuzzing::CountingUi ui;
    storage::SettingsStore store(folder.base(), ui, files);
    store.读取设定();
    fuzzing::check(ui.messages >= 1, "the damage went unnoticed");
    if (ui.endRequests > 0) {
        fuzzing::CountingUi quiet;
        storage::SettingsStore repaired(folder.base(), quiet, files);
        repaired.读取设定();
        fuzzing::check(quiet.messages == 0, "the repaired file does not load");
        fuzzing::check(!repaired.entries().empty(), "a repair that kept lines wrote none");
        folder.checkOnlyDataFileLeft(file);
    } else {
        fuzzing::check(!std::filesystem::exists(file), "nothing kept but the file stays");
    }
    return 0;
}
