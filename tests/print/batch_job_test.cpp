#include "print/batch_job.h"

#include <gtest/gtest.h>

#include "common/recording_surface.h"
#include "print/print_job.h"

namespace kestrin::print {
namespace {

constexpr auto kPagePrinter = storage::PrinterKind::Page;
constexpr auto kLabelPrinter = storage::PrinterKind::Label;

TEST(ValueLines, OneValuePerLineInCapitals) {
    const ValueList list = readValueLines("abc\r\n12-3\n\n  \nlast");
    EXPECT_EQ(list.error, "");
    EXPECT_EQ(list.values, (std::vector<std::string>{"ABC", "12-3", "  ", "LAST"}));
    EXPECT_TRUE(readValueLines("").values.empty());
}

TEST(ValueLines, ABadValueNamesItsLine) {
    struct Case { const char* text; const char* error; };
    const Case cases[] = {
        {"A\nB$\nC", "line 2: Code 39 cannot encode the character \"$\""},
        {"\n\nok\n条码", "line 4: Code 39 cannot encode the character \"条\""},
        {"A\r\n0123456789012345678901234567890123456789X", "line 2: at most 40 characters"},
    };
    for (const auto& c : cases) {
        const ValueList list = readValueLines(c.text);
        EXPECT_EQ(list.error, c.error);
        EXPECT_TRUE(list.values.empty());
    }
}

struct Printed {
    std::vector<std::pair<std::int64_t, std::int64_t>> places;  // label backgrounds
    int pages = 1;
    std::vector<std::string> texts;
};

Printed print(const std::vector<std::string>& values, int copies, storage::PrinterKind printerKind, int start = 20) {
    BatchSettings settings{*Fixed4::parse("7.2"), printerKind, {}};
    settings.start.startLeft = start;
    settings.start.startTop = start;
    document::Label label;
    label.data = "X";
    RecordingSurface s;
    EXPECT_TRUE(printBatch(s, label, values, copies, settings));
    EXPECT_TRUE(s.ended());
    Printed p;
    for (const auto& op : s.ops()) {
        if (const auto* f = std::get_if<DrawFill>(&op); f != nullptr && f->colour == kWhite) {
            p.places.emplace_back(f->rect.x.roundToWhole(), f->rect.y.roundToWhole());
        }
        if (std::holds_alternative<DrawNewPage>(op)) ++p.pages;
        if (const auto* t = std::get_if<DrawText>(&op)) p.texts.push_back(t->text);
    }
    return p;
}

TEST(BatchPrint, ASingleLabelStandsWhereTheSimpleViewPrintsItOnce) {
    EXPECT_EQ(print({}, 1, kPagePrinter).places, (decltype(Printed::places){{300, 300}}));
    EXPECT_EQ(print({}, 1, kLabelPrinter).places, (decltype(Printed::places){{0, 0}}));
}

TEST(BatchPrint, ValuesFillRowsThenPagesLikeTheSimpleView) {
    const Printed p = print({"A", "B", "C", "D", "E", "F", "G"}, 1, kPagePrinter, 0);
    EXPECT_EQ(p.places, (decltype(Printed::places){{0, 0}, {3620, 0}, {7240, 0}, {0, 920}, {3620, 920}, {7240, 920}, {0, 1840}}));
    EXPECT_EQ(p.pages, 1);
    EXPECT_EQ(p.texts, (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G"}));
}

TEST(BatchPrint, CopiesOfEachLabelInTurnAndOnePagePerLabelOnALabelPrinter) {
    const Printed p = print({"A", "B"}, 2, kLabelPrinter);
    EXPECT_EQ(p.texts, (std::vector<std::string>{"A", "A", "B", "B"}));
    EXPECT_EQ(p.pages, 4);
    for (const auto& place : p.places) EXPECT_EQ(place, (std::pair<std::int64_t, std::int64_t>{0, 0}));
}

TEST(BatchPrint, ALongRunBreaksToANewPageAtTheFixedBounds) {
    // From (300, 300): three labels a row, rows 920 apart while the row after would still fit
    // within 16700: 16 rows, so the 49th label opens page two.
    const Printed p = print(std::vector<std::string>(49, "1"), 1, kPagePrinter);
    EXPECT_EQ(p.pages, 2);
    EXPECT_EQ(p.places.back(), (std::pair<std::int64_t, std::int64_t>{300, 300}));
}

}  // namespace
}  // namespace kestrin::print

namespace kestrin::print {
namespace {

TEST(BatchSettingsFromDataFolder, StoredValuesApplyAndTheCommandLineWins) {
    const std::vector<storage::SettingsEntry> entries{
        {"列印解析度", "7"}, {"印表装置", "1"}, {"列印排列", "2 2 10 30"}, {"列印解析度", "bad"}};
    const auto stored = parseBatchOptions({"--data", "A"});
    ASSERT_TRUE(stored.options);
    const BatchSettings s = batchSettings(entries, *stored.options);
    EXPECT_EQ(s.resolution.toString(), "7");  // a later unreadable value hides nothing
    EXPECT_EQ(s.printerKind, kLabelPrinter);
    EXPECT_EQ(s.start.startLeft, 10);
    EXPECT_EQ(s.start.startTop, 30);

    const auto given = parseBatchOptions({"--data", "A", "--resolution", "7.2", "--printer-kind", "0"});
    ASSERT_TRUE(given.options);
    const BatchSettings g = batchSettings(entries, *given.options);
    EXPECT_EQ(g.resolution.toString(), "7.2");
    EXPECT_EQ(g.printerKind, kPagePrinter);
    EXPECT_EQ(batchSettings({}, *stored.options).resolution.toString(), "7.2");
}

}  // namespace
}  // namespace kestrin::print
