// A failure at any write, flush or rename of any rewrite, or the process dying right there,
// must leave each data file either wholly old or wholly new. A failed append must leave the
// old file.

#include <gtest/gtest.h>

#include <functional>

#include "storage/barcode_records.h"
#include "storage/layout_records.h"
#include "storage/settings_store.h"
#include "storage/storage_test_support.h"
#include "support/recording_ui.h"

namespace kestrin::storage {
namespace {

using kestrin::test::RecordingUi;
using testing::cp936;
using testing::FailingFileSystem;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;
namespace fs = std::filesystem;

std::string barcodeLines() {
    std::string text;
    for (const char* b : {"A", "B", "C"}) text += barcodeLine(BarcodeFields{b, "种类"}, 1);
    return cp936(text);
}

std::string layoutLines() {
    std::string text;
    for (const char* n : {"1", "2"}) text += layoutLine(LayoutRecord{"K", n, "条码"});
    return cp936(text);
}

struct Operation {
    const char* name;
    fs::path (*file)(const fs::path&);
    std::string before;
    bool append;  // a crash in the middle of an append may leave a partial line for the repair
    std::function<void(const fs::path&, Ui&, FileSystem&)> run;
};

const std::string kSettings = "\"a\",\"1\"\r\n\"b\",\"2\"\r\n";

std::vector<Operation> operations() {
    return {
        {"settings rewrite", settingsFilePath, kSettings, false,
         [](const fs::path& base, Ui& ui, FileSystem& files) {
             SettingsStore s(base, ui, files);
             s.读取设定();
             s.写入设定("a", "changed");
         }},
        {"settings append", settingsFilePath, kSettings, true,
         [](const fs::path& base, Ui& ui, FileSystem& files) {
             SettingsStore s(base, ui, files);
             s.读取设定();
             s.写入设定("new", "x");
         }},
        {"settings repair", settingsFilePath, kSettings + "\"cut", false,
         [](const fs::path& base, Ui& ui, FileSystem& files) { SettingsStore(base, ui, files).读取设定(); }},
        {"barcode append", barcodeRecordsFilePath, barcodeLines(), true,
         [](const fs::path& base, Ui& ui, FileSystem& files) {
             BarcodeRecordsFile(base, ui, files).append(std::vector<BarcodeColumns>{{"N", "K"}, {"M", "K"}});
         }},
        {"barcode modify", barcodeRecordsFilePath, barcodeLines(), false,
         [](const fs::path& base, Ui& ui, FileSystem& files) { BarcodeRecordsFile(base, ui, files).modify(1, {"X", "Y"}); }},
        {"barcode delete", barcodeRecordsFilePath, barcodeLines(), false,
         [](const fs::path& base, Ui& ui, FileSystem& files) { BarcodeRecordsFile(base, ui, files).remove(0); }},
        {"barcode swap", barcodeRecordsFilePath, barcodeLines(), false,
         [](const fs::path& base, Ui& ui, FileSystem& files) {
             BarcodeRecordsFile f(base, ui, files);
             BarcodeTables tables;
             f.fullLoad(tables);
             f.swap(tables, 0, 2);
         }},
        {"barcode repair", barcodeRecordsFilePath, barcodeLines() + "\"cut", false,
         [](const fs::path& base, Ui& ui, FileSystem& files) {
             BarcodeTables tables;
             BarcodeRecordsFile(base, ui, files).fullLoad(tables);
         }},
        {"layout save", layoutRecordsFilePath, layoutLines(), false,
         [](const fs::path& base, Ui& ui, FileSystem& files) {
             LayoutRecordsFile(base, ui, files).saveFormat("K", "1", {LayoutRecord{"K", "1", "条码", "new"}});
         }},
        {"layout delete", layoutRecordsFilePath, layoutLines(), false,
         [](const fs::path& base, Ui& ui, FileSystem& files) { LayoutRecordsFile(base, ui, files).deleteFormat("K", "2"); }},
    };
}

TEST(CrashSafety, EveryFailurePointLeavesTheOldOrTheNewFile) {
    for (const Operation& op : operations()) {
        // A clean run gives the new file and the number of failure points.
        std::optional<std::string> after;
        std::size_t points = 0;
        {
            TempFolder folder;
            writeBytes(op.file(folder.path()), op.before);
            RecordingUi ui;
            FailingFileSystem counting;
            op.run(folder.path(), ui, counting);
            after = readBytes(op.file(folder.path()));
            points = counting.points();
            ASSERT_NE(after, op.before) << op.name;
            ASSERT_GT(points, 0u) << op.name;
        }
        for (std::size_t k = 0; k < points; ++k) {
            for (const auto mode : {FailingFileSystem::Mode::Fail, FailingFileSystem::Mode::Crash}) {
                if (op.append && mode == FailingFileSystem::Mode::Crash) continue;
                const bool crash = mode == FailingFileSystem::Mode::Crash;
                const std::string what = std::string(op.name) + (crash ? ", crash at point " : ", failure at point ") +
                                         std::to_string(k);
                TempFolder folder;
                const fs::path file = op.file(folder.path());
                writeBytes(file, op.before);
                RecordingUi ui;
                FailingFileSystem failing(k, mode);
                op.run(folder.path(), ui, failing);
                const std::optional<std::string> now = readBytes(file);
                if (crash) {
                    EXPECT_TRUE(now == op.before || now == after) << what;
                } else {
                    // A failure the program saw is reported, and nothing of the new file stays.
                    EXPECT_EQ(now, op.before) << what;
                    EXPECT_FALSE(fs::exists(temporaryPathFor(file))) << what;
                    ASSERT_FALSE(ui.messages.empty()) << what;
                    EXPECT_EQ(ui.messages.back().title, "存档错误提示") << what;
                    EXPECT_EQ(ui.endProgramCalls, 0) << what;
                }
            }
        }
    }
}

TEST(CrashSafety, EveryRewriteFlushesTheFolderAfterItsRename) {
    for (const Operation& op : operations()) {
        if (op.append) continue;
        TempFolder folder;
        writeBytes(op.file(folder.path()), op.before);
        RecordingUi ui;
        FailingFileSystem files;
        op.run(folder.path(), ui, files);
        using Call = FailingFileSystem::Call;
        const std::vector<Call> ending{{"rename", op.file(folder.path())}, {"flushFolder", recordsFolder(folder.path())}};
        ASSERT_GE(files.calls().size(), 2u) << op.name;
        EXPECT_EQ(std::vector<Call>(files.calls().end() - 2, files.calls().end()), ending) << op.name;
    }
}

}  // namespace
}  // namespace kestrin::storage
