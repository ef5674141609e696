#include "storage/record_line.h"

#include <gtest/gtest.h>

namespace kestrin::storage {
namespace {

using Items = std::vector<std::string>;

TEST(RecordLine, FormatsQuotedTextsAndTheTrailingNumber) {
    const Items texts{"ABC123", "", "a b"};
    EXPECT_EQ(formatQuotedLine(texts), "\"ABC123\",\"\",\"a b\"\r\n");
    EXPECT_EQ(formatQuotedLine(texts, 1), "\"ABC123\",\"\",\"a b\",1\r\n");
    // A quote or line break would end the item early: it never reaches the file.
    const Items unsafe{"say \"hi\"\r\n"};
    EXPECT_EQ(formatQuotedLine(unsafe), "\"say hi\"\r\n");
}

TEST(RecordLine, SplitsAtEveryKindOfLineEnd) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string_view>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string_view>{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(RecordLine, ReadsItems) {
    struct Case {
        std::string_view line;
        std::optional<Items> items;
    };
    const Case cases[] = {
        {R"("a","b")", Items{"a", "b"}},
        {R"("a,b",c)", Items{"a,b", "c"}},          // a quoted item keeps its commas
        {R"("x","",1)", Items{"x", "", "1"}},
        {R"(  "x" , 12 ,)", Items{"x", "12", ""}},  // blanks around items, empty last item
        {R"(plain text)", Items{"plain text"}},
        {R"("open)", std::nullopt},                 // quote never closed
        {R"("a"b,"c")", std::nullopt},              // text after the closing quote
        {R"(a"b,"c")", std::nullopt},               // a quote inside an unquoted item
    };
    for (const auto& c : cases) EXPECT_EQ(readItems(c.line), c.items) << c.line;
}

TEST(RecordLine, ReadsRecordsOfAFixedItemCount) {
    EXPECT_EQ(readRecords("\"a\",\"b\"\r\n\r\n\"c\",\"d\"\r\n", 2),
              (std::vector<Items>{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(readRecords("", 2), std::vector<Items>{});
    EXPECT_FALSE(readRecords("\"a\",\"b\"\r\n\"c\"\r\n", 2).has_value());  // cut short
    EXPECT_FALSE(readRecords("\"a\",\"b\",\"c\"\r\n", 2).has_value());
}

TEST(RecordLine, RepairPiecesFollowTheCommas) {
    EXPECT_EQ(repairPieces(R"("a b","c",1)"), (Items{"a b", "c", "1"}));
    EXPECT_EQ(repairPieces(R"("a,b","")"), (Items{"a", "b", ""}));
    EXPECT_EQ(repairPieces("\"x★y\""), (Items{"x y"}));
    EXPECT_EQ(repairPieces(R"("cut)"), (Items{"cut"}));
}

}  // namespace
}  // namespace kestrin::storage
