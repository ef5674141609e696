#include "common/utf8.h"

namespace kestrin::utf8 {
namespace {

// Length of the well-formed sequence starting at s[i], or 1 for a stray byte.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t n = 1;
    if (lead >= 0xC2 && lead <= 0xDF) n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) n = 4;
    if (i + n > s.size()) return 1;
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

}  // namespace

std::vector<std::string> characters(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = sequenceLength(text, i);
        out.emplace_back(text.substr(i, n));
        i += n;
    }
    return out;
}

std::size_t length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += sequenceLength(text, i)) ++count;
    return count;
}

std::string left(std::string_view text, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < text.size(); ++k) i += sequenceLength(text, i);
    return std::string(text.substr(0, i));
}

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

}  // namespace kestrin::utf8
