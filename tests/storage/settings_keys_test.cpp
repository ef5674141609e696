#include "storage/settings_keys.h"

#include <gtest/gtest.h>

namespace kestrin::storage {
namespace {

TEST(SettingsKeys, LeadingNumericPart) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"20", 20}, {"7.2", 7.2}, {"-3.5", -3.5}, {"  12abc", 12}, {"abc", 0}, {"", 0},
        {".5", 0.5}, {"1e3", 1000}, {"2e", 2}, {"+", 0}, {"1.2.3", 1.2}, {"1e999", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << c.text;
    EXPECT_EQ(leadingWholeNumber("2.5"), 2);  // halves to even
    EXPECT_EQ(leadingWholeNumber("3.5"), 4);
    EXPECT_EQ(leadingWholeNumber("99999999999"), std::numeric_limits<int>::max());
}

TEST(SettingsKeys, PartsAreSplitAtSingleBlanks) {
    EXPECT_EQ(splitParts("a b  c"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(splitParts(""), (std::vector<std::string>{""}));
    EXPECT_FALSE(exactParts("1 2 3", 2).has_value());
}

TEST(SettingsKeys, WindowSizesNeedTheirExactPartCount) {
    EXPECT_EQ(readMainWindowSize("1 2 100 200 9000 6000"), (MainWindowSize{1, 2, 100, 200, 9000, 6000}));
    EXPECT_EQ(readMainWindowSize("1 2 100 200 9000"), std::nullopt);
    EXPECT_EQ(readMainWindowSize("1 2 100 200 9000 6000 7"), std::nullopt);
    EXPECT_EQ(readMainWindowSize("x 2 100 200 9000 6000"), (MainWindowSize{0, 2, 100, 200, 9000, 6000}));
    EXPECT_EQ(readImportWindowSize("0 10 20 300 400"), (ImportWindowSize{0, 10, 20, 300, 400}));
    EXPECT_EQ(readImportWindowSize("0 10 20 300"), std::nullopt);
    const MainWindowSize size{2, 0, -15, 30, 12000, 8000};
    EXPECT_EQ(readMainWindowSize(formatMainWindowSize(size)), size);
    EXPECT_EQ(formatImportWindowSize({2, 1, 2, 3, 4}), "2 1 2 3 4");
}

TEST(SettingsKeys, PrintArrangementKeepsTheTextsAsTyped) {
    EXPECT_EQ(formatPrintArrangement({"2", "2", "20", "20"}), "2 2 20 20");
    EXPECT_EQ(readPrintArrangement("2 2.5 abc 20"), (PrintArrangementTexts{"2", "2.5", "abc", "20"}));
    EXPECT_EQ(readPrintArrangement("2 2 20"), std::nullopt);
}

TEST(SettingsKeys, AlignmentMark) {
    EXPECT_EQ(keys::对齐格式位置(68), "对齐格式位置_68");
    EXPECT_EQ(readAlignmentMark("120 -60"), (AlignmentMark{120, -60}));
    EXPECT_EQ(readAlignmentMark("120"), std::nullopt);
    EXPECT_EQ(formatAlignmentMark({5, 6}), "5 6");
}

TEST(SettingsKeys, ColumnCaptionsUseStarsAndKeepBlanks) {
    const ColumnCaptions captions{"条码", "种类", "名称", "自订", "my col", "自订", "x"};
    const std::string stored = formatColumnCaptions(captions);
    EXPECT_EQ(stored, "条码★种类★名称★自订★my col★自订★x★自订★自订★自订★自订★自订");
    EXPECT_EQ(readColumnCaptions(stored), captions);
    // After a repair the stars are blanks: the value no longer splits into twelve parts.
    std::string repaired = stored;
    for (std::size_t p; (p = repaired.find("★")) != std::string::npos;) repaired.replace(p, 3, " ");
    EXPECT_EQ(readColumnCaptions(repaired), std::nullopt);
    EXPECT_EQ(readColumnCaptions("a★b"), std::nullopt);
}

TEST(SettingsKeys, ColumnPositions) {
    const ColumnPositions positions{0, 1200, 2400, 3600, 4800, 6000, 7200};
    EXPECT_EQ(formatColumnPositions(positions), "0 1200 2400 3600 4800 6000 7200 自订 自订 自订 自订 自订");
    EXPECT_EQ(readColumnPositions(formatColumnPositions(positions)), positions);
    EXPECT_EQ(readColumnPositions("0 1200 2400 3600 4800 6000 7200"), std::nullopt);
}

TEST(SettingsKeys, ColumnChecksNeedTwelveCharacters) {
    EXPECT_EQ(readColumnChecks("101000111111"), (ColumnChecks{true, false, true, false, false, false, true}));
    EXPECT_EQ(readColumnChecks("10100011111"), std::nullopt);
    EXPECT_EQ(readColumnChecks("1010001111111"), std::nullopt);
    EXPECT_EQ(readColumnChecks("中0100011111"), std::nullopt);  // characters, not bytes: 11
    EXPECT_EQ(formatColumnChecks({true, true, false, true, true, true, true}), "110111111111");
}

TEST(SettingsKeys, TheLastReadableEntryWins) {
    const std::vector<SettingsEntry> entries{
        {"列印排列", "1 1 1 1"}, {"x", "9 9 9 9"}, {"列印排列", "2 2 2 2"}, {"列印排列", "bad"}};
    EXPECT_EQ(lastReadable(entries, keys::列印排列, readPrintArrangement),
              (PrintArrangementTexts{"2", "2", "2", "2"}));
    EXPECT_EQ(lastReadable(entries, keys::主视窗大小, readMainWindowSize), std::nullopt);
}

}  // namespace
}  // namespace kestrin::storage
