#include "engine/code39.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/recording_ui.h"

namespace kestrin::engine {
namespace {

const char* const kEveryCharacter = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. /+*";

TEST(Code39, PatternsOfTheReferenceCharacters) {
    struct Case { const char* c; const char* v[4]; };
    const Case cases[] = {
        {"0", {"1010001110111010", "101001110111010", "10100011011010", "1010011011010"}},
        {"A", {"1110101000101110", "111010100101110", "11010100010110", "1101010010110"}},
        {"*", {"1000101110111010", "100101110111010", "10001011011010", "1001011011010"}},
        {"-", {"1000101011101110", "100101011101110", "10001010110110", "1001010110110"}},
        {"/", {"1000100010100010", "1001001010010", "1001001010010", "1001001010010"}},
        {"+", {"1000101000100010", "1001010010010", "1001010010010", "1001010010010"}},
    };
    for (const auto& c : cases) {
        for (int v = 0; v < 4; ++v) EXPECT_EQ(条码编码(c.c, v), c.v[v]) << c.c << " variant " << v;
    }
}

TEST(Code39, EveryCharacterHasTheLengthOfItsVariant) {
    const std::size_t common[] = {16, 15, 14, 13};
    const std::size_t slashPlus[] = {16, 13, 13, 13};
    for (int v = 0; v < 4; ++v) {
        for (const char* p = kEveryCharacter; *p != '\0'; ++p) {
            const std::string c(1, *p);
            const std::string m = 条码编码(c, v);
            const bool narrowOnly = c == "/" || c == "+";
            EXPECT_EQ(m.size(), narrowOnly ? slashPlus[v] : common[v]) << c << " variant " << v;
            EXPECT_EQ(m.front(), '1') << c;
            EXPECT_EQ(m.back(), '0') << c;
        }
    }
}

TEST(Code39, AllCharactersDifferWithinAVariant) {
    for (int v = 0; v < 4; ++v) {
        std::set<std::string> seen;
        for (const char* p = kEveryCharacter; *p != '\0'; ++p) seen.insert(条码编码(std::string(1, *p), v));
        EXPECT_EQ(seen.size(), std::string(kEveryCharacter).size()) << "variant " << v;
    }
}

TEST(Code39, InputFormsAndCharactersWithoutPattern) {
    struct Case { const char* input; const char* same; };  // same: "" means no pattern
    const Case cases[] = {
        {"a", "A"}, {"z", "Z"}, {"－", "-"}, {"．", "."}, {"　", " "}, {"／", "/"}, {"＋", "+"}, {"＊", "*"},
        {"ａ", ""}, {"$", ""}, {"%", ""}, {"中", ""}, {"AB", ""}, {"", ""}, {"\xff", ""}, {"_", ""},
    };
    for (const auto& c : cases) {
        for (int v = 0; v < 4; ++v) {
            const std::string expected = *c.same ? 条码编码(c.same, v) : std::string();
            EXPECT_EQ(条码编码(c.input, v), expected) << c.input << " variant " << v;
        }
    }
}

TEST(Code39, VariantOutsideZeroToThreeHasNoPattern) {
    for (int v : {-1, 4, 255}) {
        EXPECT_EQ(条码编码("*", v), "");
        EXPECT_EQ(条码编码("A", v), "");
    }
}

TEST(BarcodeTextFilter, KeepsWhatCode39StoresAndSaysOnceWhenItRemoved) {
    struct Case { const char* in; const char* out; bool message; };
    const Case cases[] = {
        {"abc-123", "abc-123", false},
        {"A B.C/D+E", "A B.C/D+E", false},
        {"12$34$", "1234", true},
        {"条码", "", true},
        {"", "", false},
        {"*AB*", "AB", true},
        {"ＡＢ", "", true},
        {"A\xffZ", "AZ", true},
    };
    for (const auto& c : cases) {
        test::RecordingUi ui;
        EXPECT_EQ(过滤条码文字(c.in, ui), c.out) << c.in;
        ASSERT_EQ(ui.messages.size(), c.message ? 1u : 0u) << c.in;
        if (c.message) {
            EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
            EXPECT_EQ(ui.messages[0].title, "移除提示");
            EXPECT_EQ(ui.messages[0].text, "记录的条码中含有不能使用的文字，程式将自动清除");
        }
    }
}

}  // namespace
}  // namespace kestrin::engine
