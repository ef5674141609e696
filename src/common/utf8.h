#pragma once
// The core keeps all text as UTF-8. These split it into code points where a rule speaks of
// characters (a barcode character, a 20-character limit).

#include <string>
#include <string_view>
#include <vector>

namespace kestrin::utf8 {

// The characters of a text, each as its own UTF-8 string. A malformed byte becomes a
// one-byte string of its own, so nothing is lost and nothing reads past the end.
std::vector<std::string> characters(std::string_view text);
std::size_t length(std::string_view text);
// The first n characters of a text.
std::string left(std::string_view text, std::size_t n);
// Upper-cases the ASCII letters a to z and leaves every other character as it is.
std::string asciiUpper(std::string_view text);

}  // namespace kestrin::utf8
