#include "storage/record_text.h"

#include <array>

#include "common/utf8.h"

namespace kestrin::storage {

std::string filterRecordText(std::string_view text) {
    static constexpr std::array<std::string_view, 7> kRemoved{"\r", "\n", "\"", ",", "〃", "＂", "★"};
    std::string out;
    out.reserve(text.size());
    for (const std::string& c : utf8::characters(text)) {
        bool removed = false;
        for (const auto r : kRemoved) removed = removed || c == r;
        if (!removed) out += c;
    }
    return out;
}

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace kestrin::storage
