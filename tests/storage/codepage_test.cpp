#include "storage/codepage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrin::storage {
namespace {

struct Pair {
    const char* utf8;
    const char* bytes;
};

// Characters with the bytes Windows writes for them, and the ones code page 936 lacks with
// their four-byte forms.
const Pair kPairs[] = {
    {"ABC 123", "ABC 123"},
    {"中文", "\xd6\xd0\xce\xc4"},
    {"条码,种类", "\xcc\xf5\xc2\xeb,\xd6\xd6\xc0\xe0"},
    {"★□", "\xa1\xef\xa1\xf5"},
    {"€", "\x80"},                    // code page 936's own euro byte
    {"\uF8F5", "\xff"},               // the last single byte
    // User-defined areas, first and last code of each, as Windows reads them.
    {"\uE000", "\xaa\xa1"},
    {"\uE233", "\xaf\xfe"},
    {"\uE234", "\xf8\xa1"},
    {"\uE4C5", "\xfe\xfe"},
    {"\uE4C6", "\xa1\x40"},
    {"\uE765", "\xa7\xa0"},
    // Codes GBK leaves free, which Windows reads as private-use characters too, although
    // newer GB18030 editions put real characters there.
    {"\uE766", "\xa2\xab"},
    {"\uE76C", "\xa2\xe3"},           // GB18030's euro
    {"\uE7C7", "\xa8\xbc"},
    {"\uE7C8", "\xa8\xbf"},
    {"\uE78D", "\xa6\xd9"},
    {"\uE815", "\xfe\x50"},
    {"\uE864", "\xfe\xa0"},
    // Characters code page 936 lacks: four-byte forms.
    {"A😀B", "A\x94\x39\xfc\x36" "B"},  // emoji
    {"𠀀", "\x95\x32\x82\x36"},         // ideograph beyond U+FFFF
    {"ǹ", "\x83\x36\xc8\x30"},         // the four-byte form of U+E7C8, which Windows reads at A8 BF
    {"ḿ", "\x81\x35\xf4\x37"},
    {"⿰", "\x83\x36\xc8\x32"},
    {"⺁", "\x83\x36\xc9\x34"},
    {"︐", "\x84\x31\x82\x36"},         // no longer four bytes in GB18030-2022
    {"\u9FB4", "\x82\x35\x90\x37"},
    {"𠂇", "\x95\x32\x90\x31"},         // GB18030-2022 puts it at FE 51
    {"", ""},
};

TEST(Codepage, EncodesAndDecodesEachCharacterExactly) {
    for (const auto& p : kPairs) {
        EXPECT_EQ(encodeCp936(p.utf8), std::string(p.bytes)) << p.utf8;
        EXPECT_EQ(decodeCp936(p.bytes), std::string(p.utf8)) << p.utf8;
    }
}

// Number of characters in a UTF-8 text.
std::size_t characterCount(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

TEST(Codepage, EveryOneAndTwoByteCodeReadsAsOneCharacterAndWritesBackTheSameBytes) {
    std::vector<std::string> codes;
    for (unsigned b = 0x01; b <= 0x80; ++b) codes.emplace_back(1, static_cast<char>(b));
    codes.emplace_back(1, '\xff');
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail != 0x7F) codes.push_back({static_cast<char>(lead), static_cast<char>(trail)});
        }
    }
    ASSERT_EQ(codes.size(), 0x80u + 1 + 126 * 190);
    for (const std::string& code : codes) {
        const std::optional<std::string> text = decodeCp936(code);
        ASSERT_TRUE(text.has_value()) << code;
        EXPECT_EQ(characterCount(*text), 1u) << code;
        EXPECT_EQ(encodeCp936(*text), code) << code;
    }
}

TEST(Codepage, EveryCharacterSurvivesWritingAndReading) {
    std::string all, nonAscii;
    for (char32_t c = 1; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::string& text = c < 0x80 ? all : nonAscii;
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else if (c < 0x800) {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            text += static_cast<char>(0xE0 | (c >> 12));
            text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            text += static_cast<char>(0xF0 | (c >> 18));
            text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    const std::optional<std::string> written = encodeCp936(nonAscii);
    ASSERT_TRUE(written.has_value());
    // The line format relies on it: no byte of a non-ASCII character is a quote, a comma, a
    // blank or a line break.
    EXPECT_EQ(written->find_first_of("\",\r\n "), std::string::npos);
    EXPECT_EQ(decodeCp936(*written), nonAscii);
    all += nonAscii;
    const std::optional<std::string> allWritten = encodeCp936(all);
    ASSERT_TRUE(allWritten.has_value());
    EXPECT_EQ(decodeCp936(*allWritten), all);
}

TEST(Codepage, RefusesBytesThatAreNotCodePage936) {
    using namespace std::string_literals;
    const std::string bad[] = {
        "\xd6"s,               // lead byte cut off at the end
        "A\xd6\x0d"s,          // lead byte followed by a line break
        "\x81\x7f"s,           // 7F is never a trail byte
        "\x81\x30\x81"s,       // four-byte form cut short
        "\x84\x31\xa5\x30"s,   // four-byte form past those of U+FFFF
        "\xe3\x32\x9a\x36"s,   // four-byte form past U+10FFFF
        "ok\0"s,               // NUL
    };
    for (const std::string& bytes : bad) EXPECT_FALSE(decodeCp936(bytes).has_value()) << bytes;
}

TEST(Codepage, RefusesTextThatIsNotUtf8) {
    EXPECT_FALSE(encodeCp936("A\xff").has_value());
    EXPECT_FALSE(encodeCp936("\xe4\xb8").has_value());
    EXPECT_FALSE(encodeCp936("\xed\xa0\x80").has_value());  // a surrogate
    EXPECT_FALSE(encodeCp936("\xc0\xa2").has_value());      // an overlong quote
}

}  // namespace
}  // namespace kestrin::storage
