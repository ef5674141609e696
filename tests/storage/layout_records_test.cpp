#include "storage/layout_records.h"

#include <gtest/gtest.h>

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
using Records = std::vector<LayoutRecord>;
using Names = std::vector<std::string>;

LayoutRecord rec(std::string_view kind, std::string_view name, std::string_view type = "标签",
                 std::string_view field3 = "") {
    LayoutRecord r;
    r[0] = kind;
    r[1] = name;
    r[2] = type;
    r[3] = field3;
    return r;
}

// A format: its label record and one text item.
Records format(std::string_view kind, std::string_view name) {
    return {rec(kind, name, "条码", "3600"), rec(kind, name, "标签", "caption")};
}

std::string fileOf(const Records& records) {
    std::string text;
    for (const auto& r : records) text += layoutLine(r);
    return cp936(text);
}

Records concat(std::initializer_list<Records> parts) {
    Records out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

class LayoutRecordsTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return layoutRecordsFilePath(folder.path()); }
    LayoutRecordsFile layouts(FileSystem& files = realFileSystem()) { return LayoutRecordsFile(folder.path(), ui, files); }

    TempFolder folder;
    RecordingUi ui;
};

TEST_F(LayoutRecordsTest, ReadsElevenFieldsAndDropsTheLastTwoItems) {
    // The label record 样品 / A1 / 条码 ... as code page 936 bytes.
    writeBytes(file(),
               "\"\xd1\xf9\xc6\xb7\",\"A1\",\"\xcc\xf5\xc2\xeb\",\"3600\",\"900\",\"123\",\"16777215\",\"1\","
               "\"120 120 480\",\"False False False 0 10\",\"2 0 0 0\",\"\",1\r\n");
    const LayoutRecord expected{"样品", "A1", "条码", "3600", "900", "123", "16777215", "1",
                                "120 120 480", "False False False 0 10", "2 0 0 0"};
    EXPECT_EQ(layouts().readAll(), Records{expected});
    EXPECT_EQ(fileOf({expected}), readBytes(file()));  // and writes the same bytes back
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LayoutRecordsTest, ListsKindsAndNamesInOrderOfFirstAppearance) {
    writeBytes(file(), fileOf(concat({format("B", "n1"), format("A", "n2"), format("B", "n3"), format("", "n4"),
                                      format("B", ""), format("B", "n1")})));
    EXPECT_EQ(layouts().kinds(), (Names{"B", "A"}));
    EXPECT_EQ(layouts().namesOf("B"), (Names{"n1", "n3"}));
    EXPECT_EQ(layouts().namesOf("C"), Names{});
    std::filesystem::remove(file());
    EXPECT_EQ(layouts().kinds(), Names{});
}

TEST_F(LayoutRecordsTest, FiltersNamesByTheirLeadingCharacters) {
    const Names names{"A10", "a1", "A1", "B1", "条码1", "条"};
    struct Case {
        const char* leading;
        Names expected;
    };
    const Case cases[] = {
        {"A1", {"A10", "A1"}}, {"", names}, {"条码", {"条码1"}}, {"A100", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(filterNames(names, c.leading), c.expected) << c.leading;
}

TEST_F(LayoutRecordsTest, ReadsOneFormatUpTo253Records) {
    Records big{rec("K", "big", "条码")};
    for (int i = 0; i < 300; ++i) big.push_back(rec("K", "big", "标签", std::to_string(i)));
    writeBytes(file(), fileOf(concat({format("K", "small"), big, format("K", "bi")})));
    EXPECT_EQ(layouts().formatRecords("K", "small"), format("K", "small"));
    const Records read = layouts().formatRecords("K", "big");
    EXPECT_EQ(read, Records(big.begin(), big.begin() + 253));
    EXPECT_EQ(layouts().formatRecords("K", "none"), Records{});
}

TEST_F(LayoutRecordsTest, SavingReplacesOnlyTheSameKindAndNameAndMovesItToTheEnd) {
    const Records start = concat({format("A", "BC"), format("AB", "C"), format("X", "Y")});
    writeBytes(file(), fileOf(start));
    Records saved{rec("A", "BC", "条码", "9999")};
    EXPECT_EQ(layouts().saveFormat("A", "BC", saved), LayoutSaveOutcome::Saved);
    EXPECT_EQ(layouts().readAll(), concat({format("AB", "C"), format("X", "Y"), saved}));

    std::filesystem::remove(file());
    EXPECT_EQ(layouts().saveFormat("A", "BC", saved), LayoutSaveOutcome::Saved);  // first save creates the file
    EXPECT_EQ(layouts().readAll(), saved);
    EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(file())));
}

TEST_F(LayoutRecordsTest, ASaveBeyond30001RecordsIsRefusedAndLosesNothing) {
    Records start = format("old", "keep");  // 2 records
    for (int i = 0; i < 29998; ++i) start.push_back(rec("K", "N" + std::to_string(i / 100)));
    const std::string bytes = fileOf(start);  // 30000 records
    writeBytes(file(), bytes);

    EXPECT_EQ(layouts().saveFormat("new", "one", format("new", "one")), LayoutSaveOutcome::TooManyRecords);
    EXPECT_EQ(readBytes(file()), bytes);
    EXPECT_EQ(ui.titles(), Names{"储存 错误提示"});

    // Replacing a stored format counts only what stays: 30000 - 2 + 3 = 30001 fits.
    const Records bigger = {rec("old", "keep", "条码"), rec("old", "keep"), rec("old", "keep")};
    EXPECT_EQ(layouts().saveFormat("old", "keep", bigger), LayoutSaveOutcome::Saved);
    EXPECT_EQ(layouts().readAll().size(), 30001u);
}

TEST_F(LayoutRecordsTest, DeletingKeepsTheOtherLinesUnchangedAndInOrder) {
    writeBytes(file(), fileOf(concat({format("A", "1"), format("B", "2"), format("A", "2"), format("A", "1")})));
    ASSERT_TRUE(layouts().deleteFormat("A", "1"));
    EXPECT_EQ(readBytes(file()), fileOf(concat({format("B", "2"), format("A", "2")})));
    EXPECT_EQ(layouts().namesOf("A"), Names{"2"});
    EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(file())));
    std::filesystem::remove(file());
    EXPECT_TRUE(layouts().deleteFormat("A", "2"));
    EXPECT_FALSE(std::filesystem::exists(file()));
}

TEST_F(LayoutRecordsTest, DamagedLinesAreSkippedWithAWarningAndDroppedByTheNextSave) {
    const std::string good = fileOf(format("A", "1"));
    writeBytes(file(), good + "\"\xff\xff\",\"x\"\r\n\"cut\",\"" + "\r\n");
    EXPECT_EQ(layouts().readAll(), format("A", "1"));
    ASSERT_EQ(ui.titles(), Names{"错误提示"});
    EXPECT_NE(ui.messages[0].text.find("2 行"), std::string::npos);
    ui.clear();
    EXPECT_EQ(layouts().saveFormat("B", "2", format("B", "2")), LayoutSaveOutcome::Saved);
    ui.clear();
    EXPECT_EQ(layouts().readAll(), concat({format("A", "1"), format("B", "2")}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LayoutRecordsTest, FailedWritesAreReportedAndChangeNothing) {
    const std::string start = fileOf(concat({format("A", "1"), format("B", "2")}));
    for (const bool save : {true, false}) {
        writeBytes(file(), start);
        ui.clear();
        FailingFileSystem failing(0);
        LayoutRecordsFile f = layouts(failing);
        if (save) {
            EXPECT_EQ(f.saveFormat("A", "1", format("A", "1")), LayoutSaveOutcome::Failed);
        } else {
            EXPECT_FALSE(f.deleteFormat("A", "1"));
        }
        EXPECT_EQ(readBytes(file()), start);
        EXPECT_EQ(ui.titles(), Names{"存档错误提示"});
    }
}

}  // namespace
}  // namespace kestrin::storage
