#include "storage/record_text.h"

#include <gtest/gtest.h>

namespace kestrin::storage {
namespace {

TEST(RecordText, RemovesOnlyTheSeparatorsAndKeepsOrder) {
    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {"A,B", "AB"},
        {"line\r\nbreak", "linebreak"},
        {"say \"hi\"", "say hi"},
        {"〃＂★中文", "中文"},
        {"☆□ plain", "☆□ plain"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(filterRecordText(c.in), c.out) << c.in;
}

TEST(RecordText, LongTextIsFilteredWhole) {
    const std::string text(1000, 'x');
    EXPECT_EQ(filterRecordText(text + "," + text), text + text);
}

TEST(RecordText, TrimsBlanksOnly) {
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks("\ta\t"), "\ta\t");
}

}  // namespace
}  // namespace kestrin::storage
