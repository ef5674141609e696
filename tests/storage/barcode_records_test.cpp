#include "storage/barcode_records.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "storage/storage_test_support.h"
#include "support/recording_ui.h"

namespace kestrin::storage {
namespace {

using kestrin::test::RecordedMessage;
using kestrin::test::RecordingUi;
using testing::cp936;
using testing::FailingFileSystem;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// A record line as UTF-8 text: barcode, kind, name, nine more texts, the mark.
std::string line(std::string_view barcode, std::string_view kind, std::string_view name = "",
                 std::string_view extra = "", std::string_view mark = "1") {
    std::string out = "\"" + std::string(barcode) + "\",\"" + std::string(kind) + "\",\"" + std::string(name) + "\"";
    for (int i = 3; i < 12; ++i) out += i == 7 ? ",\"" + std::string(extra) + "\"" : ",\"\"";
    return out + "," + std::string(mark) + "\r\n";
}

std::string manyLines(std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) text += line("C" + std::to_string(i), "K");
    return text;
}

BarcodeFields fields(std::string_view barcode, std::string_view kind, std::string_view name = "",
                     std::string_view extra = "") {
    BarcodeFields f;
    f[0] = barcode;
    f[1] = kind;
    f[2] = name;
    f[7] = extra;
    return f;
}

const RecordedMessage kTooMany{MessageIcon::Warning, "提示",
    "资料过多、无法全部显示、请输入一项要指定查询的内容后、按下【指定读取】按钮、显示只需要查看的资料"};
const RecordedMessage kTargetedTooMany{MessageIcon::Warning, "提示",
    "指定读取的资料过多、无法全部显示、请输入更详细的内容后、按下【指定读取】按钮、显示只需要查看的资料"};
const RecordedMessage kRepairWarning{MessageIcon::Warning, "自动修复提示",
    "读取 条码记录档案，时发现错误，程式将自动修复错误"};
const RecordedMessage kRepairDone{MessageIcon::Information, "完成修复提示",
    "完成：条码记录 档案修复，程式将自动关闭，请重新执行"};

class BarcodeRecordsTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return barcodeRecordsFilePath(folder.path()); }
    BarcodeRecordsFile records(FileSystem& files = realFileSystem()) {
        return BarcodeRecordsFile(folder.path(), ui, files);
    }

    TempFolder folder;
    RecordingUi ui;
};

TEST_F(BarcodeRecordsTest, FullLoadFillsBothTablesWithLineNumbers) {
    // 条码 / 种类 as code page 936 bytes.
    writeBytes(file(), "\"A1\",\"\xcc\xf5\xc2\xeb\",\"n\",\"\",\"\",\"\",\"\",\"r7\",\"\",\"\",\"\",\"\",1\r\n" +
                           cp936(line("B2", "种类", "名 称")));
    BarcodeTables tables;
    EXPECT_EQ(records().fullLoad(tables), BarcodeReadOutcome::Complete);
    const std::vector<BarcodeRow> expected{{fields("A1", "条码", "n", "r7"), 0}, {fields("B2", "种类", "名 称"), 1}};
    EXPECT_EQ(tables.master, expected);
    EXPECT_EQ(tables.display, expected);
    EXPECT_EQ(tables.master[1].lineText(), "1");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BarcodeRecordsTest, FullLoadStopsAt6000Records) {
    struct Case {
        std::optional<std::size_t> lines;  // nothing: no file
        BarcodeReadOutcome outcome;
        std::size_t master, display;
        std::vector<RecordedMessage> messages;
    };
    const Case cases[] = {
        {std::nullopt, BarcodeReadOutcome::Missing, 0, 0, {}},
        {0, BarcodeReadOutcome::Complete, 0, 0, {}},
        {5999, BarcodeReadOutcome::Complete, 5999, 5999, {}},
        {6000, BarcodeReadOutcome::LimitReached, 6000, 0, {kTooMany}},
        {6001, BarcodeReadOutcome::LimitReached, 6000, 0, {kTooMany}},
    };
    for (const auto& c : cases) {
        ui.clear();
        std::filesystem::remove(file());
        if (c.lines) writeBytes(file(), manyLines(*c.lines));
        BarcodeTables tables;
        EXPECT_EQ(records().fullLoad(tables), c.outcome);
        EXPECT_EQ(tables.master.size(), c.master);
        EXPECT_EQ(tables.display.size(), c.display);
        EXPECT_EQ(ui.messages, c.messages);
    }
}

TEST_F(BarcodeRecordsTest, EveryReaderRepairsADamagedFile) {
    const std::string good = line("A", "K") + line("B", "K", "x★y");  // hand-made star
    struct Case {
        const char* name;
        std::string file;
        std::optional<std::string> repaired;  // nothing: left as it was
    };
    const Case cases[] = {
        {"last line cut short", cp936(good) + "\"C\",\"K\",\"", cp936(line("A", "K", "", "", "20") + line("B", "K", "x y", "", "20"))},
        {"bytes that are not code page 936", cp936(line("A", "K")) + "\"\x81\"," + cp936(line("A", "K")).substr(4),
         cp936(line("A", "K", "", "", "20"))},
        {"no line has thirteen pieces", "\"A\",\"B\"\r\n\"open\r\n", std::nullopt},
    };
    using Read = std::function<BarcodeReadOutcome(BarcodeRecordsFile&)>;
    const std::pair<const char*, Read> readers[] = {
        {"full load", [](BarcodeRecordsFile& f) { BarcodeTables t; return f.fullLoad(t); }},
        {"targeted read", [](BarcodeRecordsFile& f) { BarcodeTables t; return f.targetedRead(t, {"A"}); }},
        {"picker load", [](BarcodeRecordsFile& f) { PickerValues v; return f.pickerLoad(v); }},
    };
    for (const auto& [reader, read] : readers) {
        for (const auto& c : cases) {
            ui.clear();
            writeBytes(file(), c.file);
            BarcodeRecordsFile f = records();
            const BarcodeReadOutcome outcome = read(f);
            const std::string what = std::string(reader) + ": " + c.name;
            if (c.repaired) {
                EXPECT_EQ(outcome, BarcodeReadOutcome::Repaired) << what;
                EXPECT_EQ(readBytes(file()), c.repaired) << what;
                EXPECT_EQ(ui.messages, (std::vector<RecordedMessage>{kRepairWarning, kRepairDone})) << what;
                EXPECT_EQ(ui.endProgramCalls, 1) << what;
            } else {
                EXPECT_EQ(outcome, BarcodeReadOutcome::Unrepaired) << what;
                EXPECT_EQ(readBytes(file()), c.file) << what;
                EXPECT_EQ(ui.messages, (std::vector<RecordedMessage>{kRepairWarning})) << what;
                EXPECT_EQ(ui.endProgramCalls, 0) << what;
            }
        }
    }
}

TEST_F(BarcodeRecordsTest, NothingAfterTheLimitIsRead) {
    const std::string damaged = "\"\x81\",\"K\"\r\n";  // a byte that is not code page 936
    using Read = std::function<BarcodeReadOutcome(BarcodeRecordsFile&)>;
    const std::tuple<const char*, std::size_t, Read> readers[] = {
        {"full load", BarcodeRecordsFile::kLoadLimit, [](BarcodeRecordsFile& f) { BarcodeTables t; return f.fullLoad(t); }},
        {"targeted read", BarcodeRecordsFile::kLoadLimit,
         [](BarcodeRecordsFile& f) { BarcodeTables t; return f.targetedRead(t, {"C0"}); }},
        {"picker load", BarcodeRecordsFile::kPickerLimit, [](BarcodeRecordsFile& f) { PickerValues v; return f.pickerLoad(v); }},
    };
    for (const auto& [name, limit, read] : readers) {
        ui.clear();
        const std::string start = manyLines(limit) + damaged;
        writeBytes(file(), start);
        BarcodeRecordsFile f = records();
        EXPECT_EQ(read(f), BarcodeReadOutcome::LimitReached) << name;
        EXPECT_EQ(readBytes(file()), start) << name;
        EXPECT_EQ(ui.endProgramCalls, 0) << name;
        for (const auto& m : ui.messages) EXPECT_NE(m.title, kRepairWarning.title) << name;
    }
}

TEST_F(BarcodeRecordsTest, CharactersOutsideCodePage936AndUserDefinedOnesLoadBack) {
    // A line from Windows with user-defined characters (AA A1, F8 A1, A1 40: U+E000, U+E234,
    // U+E4C6) keeps its bytes through a rewrite of another line.
    const std::string windowsLine = "\"A\",\"\xaa\xa1\xf8\xa1\xa1\x40\"" + cp936(line("", "")).substr(5);
    writeBytes(file(), windowsLine + cp936(line("B", "K")));
    BarcodeTables tables;
    ASSERT_EQ(records().fullLoad(tables), BarcodeReadOutcome::Complete);
    EXPECT_EQ(tables.master[0].fields[1], "\uE000\uE234\uE4C6");
    ASSERT_TRUE(records().modify(1, {"B2", "K"}));
    EXPECT_EQ(readBytes(file()), windowsLine + cp936(line("B2", "K")));

    // Characters GB18030 writes in two bytes that Windows reads as others.
    ASSERT_TRUE(records().append(std::vector<BarcodeColumns>{{"C", "ǹḿ", "⿰⺁", "\uE000"}}));
    ASSERT_EQ(records().fullLoad(tables), BarcodeReadOutcome::Complete);
    ASSERT_EQ(tables.master.size(), 3u);
    EXPECT_EQ(tables.master[2].fields, (BarcodeFields{"C", "ǹḿ", "⿰⺁", "\uE000"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BarcodeRecordsTest, AnAppendEndsAnUnterminatedLastLineFirst) {
    std::string cut = cp936(line("A", "K"));
    cut.resize(cut.size() - 2);
    writeBytes(file(), cut);
    ASSERT_TRUE(records().append(std::vector<BarcodeColumns>{{"B", "K"}}));
    EXPECT_EQ(readBytes(file()), cp936(line("A", "K") + line("B", "K")));
    BarcodeTables tables;
    EXPECT_EQ(records().fullLoad(tables), BarcodeReadOutcome::Complete);
    EXPECT_EQ(tables.master.size(), 2u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BarcodeRecordsTest, TargetedReadShowsRecordsWithAnyEqualTypedValue) {
    writeBytes(file(), cp936(line("A1", "K", "n1") + line("B2", "k", "n2") + line("C3", "L", "A1") + line("D4", "K", "")));
    struct Case {
        BarcodeColumns typed;
        std::vector<std::size_t> lines;
    };
    const Case cases[] = {
        {{"", "K"}, {0, 3}},
        {{"A1"}, {0}},                 // column 0 only: "A1" as a name does not count
        {{"", "", "A1"}, {2}},
        {{"B2", "L"}, {1, 2}},         // any column may match
        {{"", "", "", ""}, {}},        // all empty: nothing matches
        {{"a1"}, {}},                  // case-sensitive
    };
    for (const auto& c : cases) {
        BarcodeTables tables;
        EXPECT_EQ(records().targetedRead(tables, c.typed), BarcodeReadOutcome::Complete);
        EXPECT_EQ(tables.master.size(), 4u);
        std::vector<std::size_t> shown;
        for (const auto& row : tables.display) shown.push_back(row.lineNumber);
        EXPECT_EQ(shown, c.lines) << c.typed[0] << "|" << c.typed[1] << "|" << c.typed[2];
    }
}

TEST_F(BarcodeRecordsTest, TargetedReadExaminesOnly6000Records) {
    writeBytes(file(), manyLines(6000) + line("C0", "K"));
    BarcodeTables tables;
    EXPECT_EQ(records().targetedRead(tables, {"C0"}), BarcodeReadOutcome::LimitReached);
    ASSERT_EQ(tables.display.size(), 1u);  // the copy at line 6000 is never examined
    EXPECT_EQ(tables.display[0].lineNumber, 0u);
    EXPECT_EQ(ui.messages, (std::vector<RecordedMessage>{kTargetedTooMany}));
}

TEST_F(BarcodeRecordsTest, PickerCollectsDistinctValuesOfTheFirst3500Records) {
    std::string text = line("A", "K", "x") + line("B", "K", "") + line("A", "L", "y");
    for (int i = 3; i < 3500; ++i) text += line("A", "K");
    text += line("Z", "late", "late");
    writeBytes(file(), cp936(text));
    PickerValues values;
    EXPECT_EQ(records().pickerLoad(values), BarcodeReadOutcome::LimitReached);
    EXPECT_EQ(values[0], (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(values[1], (std::vector<std::string>{"K", "L"}));
    EXPECT_EQ(values[2], (std::vector<std::string>{"x", "y"}));
    EXPECT_TRUE(values[3].empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BarcodeRecordsTest, AppendWritesFilteredLinesAtTheEnd) {
    const BarcodeColumns first{"ABC123", "A", "B"};
    const BarcodeColumns second{"X", "种,类\"", "名★称", "😀"};
    ASSERT_TRUE(records().append(std::vector<BarcodeColumns>{first}));
    EXPECT_EQ(readBytes(file()), "\"ABC123\",\"A\",\"B\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n");
    ASSERT_TRUE(records().append(std::vector<BarcodeColumns>{second, first}));
    BarcodeTables tables;
    ASSERT_EQ(records().fullLoad(tables), BarcodeReadOutcome::Complete);
    ASSERT_EQ(tables.master.size(), 3u);
    EXPECT_EQ(tables.master[1].fields[1], "种类");
    EXPECT_EQ(tables.master[1].fields[2], "名称");
    EXPECT_EQ(tables.master[1].fields[3], "😀");
}

TEST_F(BarcodeRecordsTest, RewritesChangeOneLineAndKeepTheRest) {
    const std::string start = line("A", "K", "", "keep7", "20") + line("B", "K") + line("C", "K");
    struct Case {
        const char* name;
        std::function<bool(BarcodeRecordsFile&, BarcodeTables&)> change;
        std::string expected;
    };
    const Case cases[] = {
        {"modify keeps fields 7 to 11 and the position",
         [](BarcodeRecordsFile& f, BarcodeTables&) { return f.modify(0, {"A9", "K9", "n,9"}); },
         line("A9", "K9", "n9", "keep7") + line("B", "K") + line("C", "K")},
        {"delete", [](BarcodeRecordsFile& f, BarcodeTables&) { return f.remove(1); },
         line("A", "K", "", "keep7") + line("C", "K")},
        {"swap first and last", [](BarcodeRecordsFile& f, BarcodeTables& t) { return f.swap(t, 0, 2); },
         line("C", "K") + line("B", "K") + line("A", "K", "", "keep7")},
        {"line past the end changes nothing", [](BarcodeRecordsFile& f, BarcodeTables&) { return f.remove(7); },
         line("A", "K", "", "keep7") + line("B", "K") + line("C", "K")},
    };
    for (const auto& c : cases) {
        writeBytes(file(), cp936(start));
        BarcodeTables tables;
        BarcodeRecordsFile f = records();
        ASSERT_EQ(f.fullLoad(tables), BarcodeReadOutcome::Complete);
        EXPECT_TRUE(c.change(f, tables)) << c.name;
        EXPECT_EQ(readBytes(file()), cp936(c.expected)) << c.name;
        EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(file()))) << c.name;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BarcodeRecordsTest, SwapExchangesTheMasterRowsButNotTheirLineNumbers) {
    writeBytes(file(), cp936(line("A", "K") + line("B", "K") + line("C", "K")));
    BarcodeTables tables;
    BarcodeRecordsFile f = records();
    ASSERT_EQ(f.fullLoad(tables), BarcodeReadOutcome::Complete);
    ASSERT_TRUE(f.swap(tables, 0, 2));
    EXPECT_EQ(tables.master[0], (BarcodeRow{fields("C", "K"), 0}));
    EXPECT_EQ(tables.master[2], (BarcodeRow{fields("A", "K"), 2}));
    EXPECT_FALSE(f.swap(tables, 0, 3));  // no such row
}

TEST_F(BarcodeRecordsTest, DeletingTheOnlyRecordLeavesAnEmptyFile) {
    writeBytes(file(), cp936(line("A", "K")));
    ASSERT_TRUE(records().remove(0));
    EXPECT_EQ(readBytes(file()), "");
    BarcodeTables tables;
    EXPECT_EQ(records().fullLoad(tables), BarcodeReadOutcome::Complete);
    EXPECT_TRUE(tables.master.empty());
}

TEST_F(BarcodeRecordsTest, FailedWritesAreReportedAndChangeNothing) {
    const std::string start = cp936(line("A", "K") + line("B", "K"));
    using Write = std::function<bool(BarcodeRecordsFile&, BarcodeTables&)>;
    const std::pair<const char*, Write> writes[] = {
        {"append", [](BarcodeRecordsFile& f, BarcodeTables&) { return f.append(std::vector<BarcodeColumns>{{"N", "K"}}); }},
        {"modify", [](BarcodeRecordsFile& f, BarcodeTables&) { return f.modify(0, {"N", "K"}); }},
        {"delete", [](BarcodeRecordsFile& f, BarcodeTables&) { return f.remove(0); }},
        {"swap", [](BarcodeRecordsFile& f, BarcodeTables& t) { return f.swap(t, 0, 1); }},
    };
    for (const auto& [name, write] : writes) {
        writeBytes(file(), start);
        BarcodeTables tables;
        ASSERT_EQ(records().fullLoad(tables), BarcodeReadOutcome::Complete);
        ui.clear();
        FailingFileSystem failing(0);
        BarcodeRecordsFile f = records(failing);
        EXPECT_FALSE(write(f, tables)) << name;
        EXPECT_EQ(readBytes(file()), start) << name;
        EXPECT_EQ(tables.master[0].fields[0], "A") << name;
        EXPECT_EQ(ui.titles(), std::vector<std::string>{"存档错误提示"}) << name;
    }
}

}  // namespace
}  // namespace kestrin::storage
