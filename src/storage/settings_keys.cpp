#include "storage/settings_keys.h"

#include <cmath>
#include <limits>

#include "common/utf8.h"

namespace kestrin::storage {
namespace {

constexpr std::string_view kStar = "★";
constexpr std::string_view kBox = "□";
constexpr std::string_view kCustom = "自订";

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos) break;
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

template <std::size_t N>
std::optional<std::array<int, N>> wholeNumbers(std::string_view value) {
    const auto parts = exactParts(value, N);
    if (!parts) return std::nullopt;
    std::array<int, N> numbers{};
    for (std::size_t i = 0; i < N; ++i) numbers[i] = leadingWholeNumber((*parts)[i]);
    return numbers;
}

std::string joinNumbers(std::initializer_list<int> numbers) {
    std::string out;
    for (const int n : numbers) {
        if (!out.empty()) out += ' ';
        out += std::to_string(n);
    }
    return out;
}

}  // namespace

std::string keys::对齐格式位置(int paperFormat) { return "对齐格式位置_" + std::to_string(paperFormat); }

std::vector<std::string> splitParts(std::string_view value) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = value.find(' ', start);
        if (blank == std::string_view::npos) break;
        parts.emplace_back(value.substr(start, blank - start));
        start = blank + 1;
    }
    parts.emplace_back(value.substr(start));
    return parts;
}

std::optional<std::vector<std::string>> exactParts(std::string_view value, std::size_t n) {
    std::vector<std::string> parts = splitParts(value);
    if (parts.size() != n) return std::nullopt;
    return parts;
}

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return k < text.size() ? text[k] : '\0'; };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    while (at(i) == ' ' || at(i) == '\t') ++i;
    const std::size_t start = i;
    if (at(i) == '+' || at(i) == '-') ++i;
    std::size_t digits = 0;
    while (isDigit(at(i))) ++i, ++digits;
    if (at(i) == '.') {
        ++i;
        while (isDigit(at(i))) ++i, ++digits;
    }
    if (digits == 0) return 0;
    std::size_t end = i;
    if (at(i) == 'e' || at(i) == 'E') {
        std::size_t j = i + 1;
        if (at(j) == '+' || at(j) == '-') ++j;
        if (isDigit(at(j))) {
            while (isDigit(at(j))) ++j;
            end = j;
        }
    }
    // strtod on a copy: the text is not NUL-terminated and strtod wants a C string.
    const std::string number(text.substr(start, end - start));
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

int leadingWholeNumber(std::string_view text) {
    const double rounded = std::nearbyint(leadingNumber(text));  // default mode: halves to even
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    if (rounded > kMax) return std::numeric_limits<int>::max();
    if (rounded < kMin) return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

std::optional<MainWindowSize> readMainWindowSize(std::string_view value) {
    const auto n = wholeNumbers<6>(value);
    if (!n) return std::nullopt;
    return MainWindowSize{(*n)[0], (*n)[1], (*n)[2], (*n)[3], (*n)[4], (*n)[5]};
}

std::string formatMainWindowSize(const MainWindowSize& s) {
    return joinNumbers({s.viewMode, s.windowState, s.left, s.top, s.width, s.height});
}

std::optional<ImportWindowSize> readImportWindowSize(std::string_view value) {
    const auto n = wholeNumbers<5>(value);
    if (!n) return std::nullopt;
    return ImportWindowSize{(*n)[0], (*n)[1], (*n)[2], (*n)[3], (*n)[4]};
}

std::string formatImportWindowSize(const ImportWindowSize& s) {
    return joinNumbers({s.windowState, s.left, s.top, s.width, s.height});
}

std::optional<PrintArrangementTexts> readPrintArrangement(std::string_view value) {
    const auto parts = exactParts(value, 4);
    if (!parts) return std::nullopt;
    return PrintArrangementTexts{(*parts)[0], (*parts)[1], (*parts)[2], (*parts)[3]};
}

std::string formatPrintArrangement(const PrintArrangementTexts& texts) {
    return texts[0] + ' ' + texts[1] + ' ' + texts[2] + ' ' + texts[3];
}

std::optional<AlignmentMark> readAlignmentMark(std::string_view value) {
    const auto n = wholeNumbers<2>(value);
    if (!n) return std::nullopt;
    return AlignmentMark{(*n)[0], (*n)[1]};
}

std::string formatAlignmentMark(const AlignmentMark& mark) { return joinNumbers({mark.left, mark.top}); }

std::optional<ColumnCaptions> readColumnCaptions(std::string_view value) {
    // Blanks inside captions are hidden as "□" while the stars become the split points.
    const std::string spaced = replaceAll(replaceAll(value, " ", kBox), kStar, " ");
    const auto parts = exactParts(spaced, 12);
    if (!parts) return std::nullopt;
    ColumnCaptions captions;
    for (std::size_t i = 0; i < captions.size(); ++i) captions[i] = replaceAll((*parts)[i], kBox, " ");
    return captions;
}

std::string formatColumnCaptions(const ColumnCaptions& captions) {
    std::string out;
    for (const std::string& c : captions) {
        out += c;
        out += kStar;
    }
    for (int i = 0; i < 5; ++i) {
        out += kCustom;
        if (i < 4) out += kStar;
    }
    return out;
}

std::optional<ColumnPositions> readColumnPositions(std::string_view value) {
    const auto parts = exactParts(value, 12);
    if (!parts) return std::nullopt;
    ColumnPositions positions{};
    for (std::size_t i = 0; i < positions.size(); ++i) positions[i] = leadingWholeNumber((*parts)[i]);
    return positions;
}

std::string formatColumnPositions(const ColumnPositions& p) {
    std::string out = joinNumbers({p[0], p[1], p[2], p[3], p[4], p[5], p[6]});
    for (int i = 0; i < 5; ++i) out += std::string(" ") + std::string(kCustom);
    return out;
}

std::optional<ColumnChecks> readColumnChecks(std::string_view value) {
    const std::vector<std::string> chars = utf8::characters(value);
    if (chars.size() != 12) return std::nullopt;
    ColumnChecks checks{};
    for (std::size_t i = 0; i < checks.size(); ++i) checks[i] = chars[i] == "1";
    return checks;
}

std::string formatColumnChecks(const ColumnChecks& checks) {
    std::string out;
    for (const bool shown : checks) out += shown ? '1' : '0';
    return out + "11111";
}

std::optional<Fixed4> readPrintResolution(std::string_view value) {
    // Only a pitch a printer could have: zero or less would put every bar on one spot.
    const std::optional<Fixed4> r = Fixed4::parse(value);
    if (!r || *r <= Fixed4(0) || *r >= Fixed4(1000)) return std::nullopt;
    return r;
}

}  // namespace kestrin::storage
