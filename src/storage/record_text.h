#pragma once
// The filter every text passes before it goes into a record file or a typed settings value:
// record files have no escaping, so no stored value may hold a line break, a quote, a comma
// or the star that separates settings parts.

#include <string>
#include <string_view>

namespace kestrin::storage {

// Removes CR, LF, '"', ',', "〃", "＂" and "★"; every other character stays in order. Works on
// texts of any length.
std::string filterRecordText(std::string_view text);
// Removes leading and trailing blanks (spaces only, as the record files know them).
std::string trimBlanks(std::string_view text);

}  // namespace kestrin::storage
