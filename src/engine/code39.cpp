#include "engine/code39.h"

#include <array>
#include <string>
#include <utility>

#include "common/utf8.h"

namespace kestrin::engine::换算模组 {
namespace {

// The standard Code 39 table: the nine elements bar, space, bar, ... of each symbol
// character, "1" where the element is wide.
constexpr std::array<std::pair<char, const char*>, 43> kWideElements{{
    {'0', "000110100"}, {'1', "100100001"}, {'2', "001100001"}, {'3', "101100000"},
    {'4', "000110001"}, {'5', "100110000"}, {'6', "001110000"}, {'7', "000100101"},
    {'8', "100100100"}, {'9', "001100100"}, {'A', "100001001"}, {'B', "001001001"},
    {'C', "101001000"}, {'D', "000011001"}, {'E', "100011000"}, {'F', "001011000"},
    {'G', "000001101"}, {'H', "100001100"}, {'I', "001001100"}, {'J', "000011100"},
    {'K', "100000011"}, {'L', "001000011"}, {'M', "101000010"}, {'N', "000010011"},
    {'O', "100010010"}, {'P', "001010010"}, {'Q', "000000111"}, {'R', "100000110"},
    {'S', "001000110"}, {'T', "000010110"}, {'U', "110000001"}, {'V', "011000001"},
    {'W', "111000000"}, {'X', "010010001"}, {'Y', "110010000"}, {'Z', "011010000"},
    {'-', "010000101"}, {'.', "110000100"}, {' ', "011000100"}, {'*', "010010100"},
    {'/', "010100010"}, {'+', "010001010"}, {'$', nullptr},  // "$" is deliberately unsupported
}};

struct WideWidths {
    int bar;
    int space;
};
constexpr std::array<WideWidths, 4> kVariants{{{3, 3}, {3, 2}, {2, 3}, {2, 2}}};

// The symbol character an input form stands for, or 0 when it has no pattern.
char symbolFor(std::string_view c) {
    if (c.size() == 1) {
        const char ch = c[0];
        if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z')) return ch;
        if (ch >= 'a' && ch <= 'z') return static_cast<char>(ch - 'a' + 'A');
        if (ch == '-' || ch == '.' || ch == ' ' || ch == '/' || ch == '+' || ch == '*') return ch;
        return 0;
    }
    static constexpr std::array<std::pair<std::string_view, char>, 6> kFullWidth{{
        {"－", '-'}, {"．", '.'}, {"　", ' '}, {"／", '/'}, {"＋", '+'}, {"＊", '*'},
    }};
    for (const auto& [form, symbol] : kFullWidth) {
        if (c == form) return symbol;
    }
    return 0;
}

std::string buildModules(const char* wide, WideWidths widths) {
    std::string out;
    for (int e = 0; e < 9; ++e) {
        const bool isBar = e % 2 == 0;
        const bool isWide = wide[e] == '1';
        const int count = !isWide ? 1 : isBar ? widths.bar : widths.space;
        out.append(static_cast<std::size_t>(count), isBar ? '1' : '0');
    }
    out.push_back('0');
    return out;
}

}  // namespace

std::string 条码编码(std::string_view character, int variant) {
    if (variant < 0 || variant > 3) return {};
    const char symbol = symbolFor(character);
    if (symbol == 0) return {};
    WideWidths widths = kVariants[static_cast<std::size_t>(variant)];
    // "/" and "+" have three wide spaces; in the "减粗" variant they keep 2-module wide spaces
    // so that they do not grow past the start character.
    if (variant == 2 && (symbol == '/' || symbol == '+')) widths.space = 2;
    for (const auto& [sym, wide] : kWideElements) {
        if (sym == symbol && wide != nullptr) return buildModules(wide, widths);
    }
    return {};
}

std::string 过滤条码文字(std::string_view text, Ui& ui) {
    if (text.empty()) return {};
    std::string kept;
    bool dropped = false;
    for (const std::string& c : utf8::characters(text)) {
        if (isBarcodeInputCharacter(c)) kept += c;
        else dropped = true;
    }
    if (dropped) {
        ui.message(MessageIcon::Information, "移除提示", "记录的条码中含有不能使用的文字，程式将自动清除");
    }
    return kept;
}

}  // namespace kestrin::engine::换算模组

namespace kestrin::engine {

bool isBarcodeInputCharacter(std::string_view character) {
    // The encoder also knows "*" and the full-width forms, but typed data never holds them.
    return character.size() == 1 && character[0] != '*' && !条码编码(character, 0).empty();
}

std::string firstRefusedCharacter(std::string_view text) {
    for (const std::string& c : utf8::characters(text)) {
        if (!isBarcodeInputCharacter(c)) return c;
    }
    return {};
}

}  // namespace kestrin::engine
