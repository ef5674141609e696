#include "storage/codepage.h"

#include <gtest/gtest.h>

namespace kestrin::storage {
namespace {

struct Pair {
    const char* utf8;
    const char* bytes;
};

// Characters with their code page 936 bytes, and the ones code page 936 lacks with their
// GB18030 four-byte forms.
const Pair kPairs[] = {
    {"ABC 123", "ABC 123"},
    {"中文", "\xd6\xd0\xce\xc4"},
    {"条码,种类", "\xcc\xf5\xc2\xeb,\xd6\xd6\xc0\xe0"},
    {"★□", "\xa1\xef\xa1\xf5"},
    {"€", "\x80"},                         // code page 936's own euro byte
    {"A😀B", "A\x94\x39\xfc\x36" "B"},       // emoji: GB18030 form
    {"𠀀", "\x95\x32\x82\x36"},              // ideograph outside code page 936
    {"", ""},
};

TEST(Codepage, EncodesAndDecodesEachCharacterExactly) {
    for (const auto& p : kPairs) {
        EXPECT_EQ(encodeCp936(p.utf8), std::string(p.bytes)) << p.utf8;
        EXPECT_EQ(decodeCp936(p.bytes), std::string(p.utf8)) << p.utf8;
    }
}

TEST(Codepage, RefusesBytesThatAreNotCodePage936) {
    using namespace std::string_literals;
    const std::string bad[] = {
        "\xff"s,               // never a lead byte
        "\xd6"s,               // lead byte cut off at the end
        "A\xd6\x0d"s,          // lead byte followed by a line break
        "\xfe\xfe"s,           // user-defined area
        "\x81\x30\x81"s,       // four-byte form cut short
        "ok\0"s,               // NUL
    };
    for (const std::string& bytes : bad) EXPECT_FALSE(decodeCp936(bytes).has_value()) << bytes;
}

TEST(Codepage, RefusesTextThatIsNotUtf8) {
    EXPECT_FALSE(encodeCp936("A\xff").has_value());
    EXPECT_FALSE(encodeCp936("\xe4\xb8").has_value());
}

}  // namespace
}  // namespace kestrin::storage
