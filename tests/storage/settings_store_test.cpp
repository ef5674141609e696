#include "storage/settings_store.h"

#include <gtest/gtest.h>

#include "storage/storage_test_support.h"
#include "support/recording_ui.h"

namespace kestrin::storage {
namespace {

using kestrin::test::RecordedMessage;
using kestrin::test::RecordingUi;
using testing::FailingFileSystem;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;
using Entries = std::vector<SettingsEntry>;

// Code page 936 bytes of the keys and texts the fixtures use.
#define K_LAYOUT "\xc1\xd0\xd3\xa1\xc5\xc5\xc1\xd0"  // 列印排列
#define K_CAPTIONS "\xb1\xea\xc7\xa9" "A"            // 标签A
#define STAR "\xa1\xef"                              // ★
#define T_BARCODE "\xcc\xf5\xc2\xeb"                 // 条码
#define T_KIND "\xd6\xd6\xc0\xe0"                    // 种类

const RecordedMessage kRepairWarning{MessageIcon::Warning, "档案 修复提示",
    "读取 功能设定 记录档案，发现错误，程式将自动修复，功能设定 记录档案，点击 [确定] 进行自动修复"};
const RecordedMessage kRepairDone{MessageIcon::Information, "完成修复提示",
    "完成：功能设定 记录档案修复，程式将自动关闭，请重新执行\r\n 若持续出现错误 请手动将资料夹内的【TOP】档案删除"};

class SettingsStoreTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return settingsFilePath(folder.path()); }
    SettingsStore loaded(FileSystem& files = realFileSystem()) {
        SettingsStore store(folder.path(), ui, files);
        store.读取设定();
        return store;
    }

    TempFolder folder;
    RecordingUi ui;
};

TEST_F(SettingsStoreTest, MissingFileLeavesTheTableEmptyAndTheFirstWriteCreatesOneLine) {
    SettingsStore store = loaded();
    EXPECT_TRUE(store.entries().empty());
    EXPECT_TRUE(store.写入设定("列印排列", "2 2 20 20"));
    EXPECT_EQ(readBytes(file()), "\"" K_LAYOUT "\",\"2 2 20 20\"\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SettingsStoreTest, DataFoldersAreCreatedWhenMissing) {
    std::filesystem::remove_all(recordsFolder(folder.path()));
    EXPECT_TRUE(createDataFolders(folder.path()));
    EXPECT_TRUE(std::filesystem::is_directory(recordsFolder(folder.path())));
    EXPECT_TRUE(std::filesystem::is_directory(picturesFolder(folder.path())));
    EXPECT_TRUE(createDataFolders(folder.path()));  // already there
}

TEST_F(SettingsStoreTest, LoadsEveryEntryInFileOrder) {
    writeBytes(file(), "\"" K_LAYOUT "\",\"2 2 20 20\"\r\n"
                       "\"x\",\"\"\r\n"
                       "\"" K_LAYOUT "\",\"1 1 1 1\"\r\n"
                       "\"" K_CAPTIONS "\",\"" T_BARCODE STAR T_KIND "\"\r\n");
    EXPECT_EQ(loaded().entries(), (Entries{{"列印排列", "2 2 20 20"},
                                           {"x", ""},
                                           {"列印排列", "1 1 1 1"},
                                           {"标签A", "条码★种类"}}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SettingsStoreTest, WritesRewriteForAKnownKeyAndAppendForANewOne) {
    const std::string start = "\"a\",\"1\"\r\n\"b\",\"2\"\r\n\"a\",\"3\"\r\n";
    struct Case {
        const char* key;
        const char* value;
        std::string file;
        bool rewritten;  // through the temporary file, not appended
    };
    const Case cases[] = {
        {"a", "9", "\"a\",\"9\"\r\n\"b\",\"2\"\r\n\"a\",\"9\"\r\n", true},  // both entries change
        {"b", "2", start, true},                                            // same value: still rewritten
        {"c", "x y", start + "\"c\",\"x y\"\r\n", false},
        {"A", "", start + "\"A\",\"\"\r\n", false},                         // keys are case-sensitive
    };
    for (const auto& c : cases) {
        writeBytes(file(), start);
        FailingFileSystem counting;
        SettingsStore store = loaded(counting);
        EXPECT_TRUE(store.写入设定(c.key, c.value));
        EXPECT_EQ(readBytes(file()), c.file) << c.key;
        EXPECT_EQ(counting.points(), c.rewritten ? 3u : 2u) << c.key;  // write+flush+rename / append+flush
        EXPECT_EQ(loaded().entries(), store.entries()) << c.key;
    }
}

TEST_F(SettingsStoreTest, TextOutsideCodePage936IsStoredAndReadBack) {
    SettingsStore store = loaded();
    // ǹ, ḿ, ⿰ and ⺁ have two-byte codes in GB18030 that Windows reads as other characters.
    ASSERT_TRUE(store.写入设定("标签A", "条码😀★𠀀ǹḿ⿰⺁"));
    EXPECT_EQ(loaded().entries(), (Entries{{"标签A", "条码😀★𠀀ǹḿ⿰⺁"}}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SettingsStoreTest, UserDefinedCharactersOfAWindowsFileLoadAndKeepTheirBytes) {
    // AA A1, FE 50 and A8 BF, which Windows reads as U+E000, U+E815 and U+E7C8.
    const std::string start = "\"a\",\"\xaa\xa1\xfe\x50\xa8\xbf\"\r\n\"b\",\"1\"\r\n";
    writeBytes(file(), start);
    SettingsStore store = loaded();
    EXPECT_EQ(store.entries(), (Entries{{"a", "\uE000\uE815\uE7C8"}, {"b", "1"}}));
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_TRUE(store.写入设定("b", "1"));  // rewrites the whole file
    EXPECT_EQ(readBytes(file()), start);
}

TEST_F(SettingsStoreTest, AnAppendEndsAnUnterminatedLastLineFirst) {
    writeBytes(file(), "\"a\",\"1\"");
    SettingsStore store = loaded();
    ASSERT_TRUE(store.写入设定("new", "x"));
    EXPECT_EQ(readBytes(file()), "\"a\",\"1\"\r\n\"new\",\"x\"\r\n");
    EXPECT_EQ(loaded().entries(), (Entries{{"a", "1"}, {"new", "x"}}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SettingsStoreTest, QuotesAndLineBreaksNeverReachTheFile) {
    SettingsStore store = loaded();
    ASSERT_TRUE(store.写入设定("k", "a\"b\r\nc"));
    EXPECT_EQ(store.entries(), (Entries{{"k", "abc"}}));
    EXPECT_EQ(loaded().entries(), store.entries());
}

TEST_F(SettingsStoreTest, DamagedFilesAreRepaired) {
    struct Case {
        const char* name;
        std::string file;
        std::optional<std::string> repaired;  // nothing: the file is deleted
        Entries tableAfterLoad;               // what the failed load had read
    };
    const Case cases[] = {
        {"last line holds only a key", "\"a\",\"1 2\"\r\n\"b\",\"\"\r\n\"c\"",
         "\"a\",\"1 2\"\r\n\"b\",\"\"\r\n", {{"a", "1 2"}, {"b", ""}}},
        {"stars come back as blanks", "\"" K_CAPTIONS "\",\"" T_BARCODE STAR T_KIND "\"\r\n\"z\"\r\n",
         "\"" K_CAPTIONS "\",\"" T_BARCODE " " T_KIND "\"\r\n", {{"标签A", "条码★种类"}}},
        {"a value with a comma is dropped", "\"a\",\"1,2\"\r\n\"b\",\"3\"\r\n\"c\",\"x\"y\r\n",
         "\"b\",\"3\"\r\n\"c\",\"xy\"\r\n", {{"a", "1,2"}, {"b", "3"}}},
        {"bytes that are not code page 936", "\"a\",\"1\"\r\n\"\x81\",\"2\"\r\n", "\"a\",\"1\"\r\n", {}},
        {"quote never closed", "\"a\",\"1\r\n\"b\",\"2\"\r\n", "\"a\",\"1\"\r\n\"b\",\"2\"\r\n", {}},
    };
    for (const auto& c : cases) {
        ui.clear();
        writeBytes(file(), c.file);
        EXPECT_EQ(loaded().entries(), c.tableAfterLoad) << c.name;
        EXPECT_EQ(readBytes(file()), c.repaired) << c.name;
        EXPECT_EQ(ui.messages, (std::vector<RecordedMessage>{kRepairWarning, kRepairDone})) << c.name;
        EXPECT_EQ(ui.endProgramCalls, 1) << c.name;
        ui.clear();
        loaded();
        EXPECT_TRUE(ui.messages.empty()) << c.name << ": the repaired file loads";
    }
}

TEST_F(SettingsStoreTest, NothingToKeepDeletesTheFileAndStartUpGoesOn) {
    writeBytes(file(), "\"only one word\"\r\n\"a\",\"b\",\"c\"\r\n");
    EXPECT_TRUE(loaded().entries().empty());
    EXPECT_FALSE(std::filesystem::exists(file()));
    EXPECT_EQ(ui.messages, (std::vector<RecordedMessage>{kRepairWarning}));
    EXPECT_EQ(ui.endProgramCalls, 0);
}

TEST_F(SettingsStoreTest, TheTableHoldsAtMost251Entries) {
    std::string full;
    for (int i = 0; i < 251; ++i) full += "\"k" + std::to_string(i) + "\",\"v\"\r\n";

    writeBytes(file(), full);
    SettingsStore store = loaded();
    EXPECT_EQ(store.entries().size(), 251u);
    EXPECT_FALSE(store.写入设定("new", "v"));  // refused: nothing beyond the table
    EXPECT_EQ(readBytes(file()), full);
    EXPECT_TRUE(store.写入设定("k7", "w"));   // known keys still change

    // A 252nd line is damage; the repair keeps the first 251 lines so the file loads again.
    ui.clear();
    writeBytes(file(), full + "\"k251\",\"v\"\r\n");
    loaded();
    EXPECT_EQ(readBytes(file()), full);
    EXPECT_EQ(ui.endProgramCalls, 1);
}

TEST_F(SettingsStoreTest, AFailedWriteIsReportedAndChangesNothing) {
    const std::string start = "\"a\",\"1\"\r\n";
    for (const char* key : {"a", "new"}) {
        writeBytes(file(), start);
        ui.clear();
        FailingFileSystem failing(0);
        SettingsStore store = loaded(failing);
        EXPECT_FALSE(store.写入设定(key, "2"));
        EXPECT_EQ(readBytes(file()), start) << key;
        EXPECT_EQ(store.entries(), (Entries{{"a", "1"}})) << key;
        ASSERT_EQ(ui.titles(), std::vector<std::string>{"存档错误提示"}) << key;
        EXPECT_NE(ui.messages[0].text.find("TOP.reg"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(file())));
    }
}

}  // namespace
}  // namespace kestrin::storage
