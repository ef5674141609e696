#pragma once
// Code 39 module strings and the barcode text filter: the conversion module.

#include <string>
#include <string_view>

#include "common/ui.h"

namespace kestrin::engine::换算模组 {

// The module string ("1" bar module, "0" space module, ending with the one-module gap) of one
// character in a ratio variant 0 to 3; the empty text for a character without a pattern, a
// text that is not exactly one character, or a variant above 3.
std::string 条码编码(std::string_view character, int variant);

// Keeps the characters Code 39 can store (digits, letters of either case, "-", " ", ".",
// "/", "+") and says once, through ui, that something was removed.
std::string 过滤条码文字(std::string_view text, Ui& ui);

}  // namespace kestrin::engine::换算模组

namespace kestrin::engine {
using 换算模组::条码编码;
using 换算模组::过滤条码文字;

// The characters the barcode input box lets through and the filter keeps: digits, letters of
// either case, "-", " ", ".", "/" and "+".
bool isBarcodeInputCharacter(std::string_view character);
// The first character of a text that the barcode input box would refuse, or "" if none.
std::string firstRefusedCharacter(std::string_view text);
}  // namespace kestrin::engine
