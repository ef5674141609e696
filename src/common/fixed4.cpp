#include "common/fixed4.h"

#include <cstdlib>

namespace kestrin {

std::int64_t roundHalfEven(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t q = numerator / denominator;
    std::int64_t r = numerator % denominator;
    if (r < 0) {  // make the remainder non-negative so q is the floor
        r += denominator;
        q -= 1;
    }
    const std::int64_t twice = 2 * r;
    if (twice > denominator || (twice == denominator && (q % 2 != 0))) q += 1;
    return q;
}

std::optional<Fixed4> Fixed4::parse(std::string_view text) {
    if (text.empty()) return std::nullopt;
    bool negative = false;
    std::size_t i = 0;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        i = 1;
    }
    std::int64_t whole = 0;
    std::int64_t frac = 0;       // scaled by 10^fracDigits
    std::int64_t fracScale = 1;
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        anyDigit = true;
        const int d = c - '0';
        if (!seenPoint) {
            if (whole > 100'000'000'000LL) return std::nullopt;  // far beyond any twip length
            whole = whole * 10 + d;
        } else if (fracScale < 1'000'000'000'000LL) {  // digits past 12 decimals cannot matter
            frac = frac * 10 + d;
            fracScale *= 10;
        }
    }
    if (!anyDigit) return std::nullopt;
    std::int64_t raw = whole * kScale;
    raw += fracScale >= kScale ? roundHalfEven(frac, fracScale / kScale) : frac * (kScale / fracScale);
    return fromRaw(negative ? -raw : raw);
}

std::int64_t Fixed4::roundToWhole() const { return roundHalfEven(raw_, kScale); }

std::string Fixed4::toString() const {
    const std::int64_t mag = raw_ < 0 ? -raw_ : raw_;
    std::string s = (raw_ < 0 ? "-" : "") + std::to_string(mag / kScale);
    std::int64_t frac = mag % kScale;
    if (frac != 0) {
        std::string digits = std::to_string(frac);
        digits.insert(0, 4 - digits.size(), '0');
        while (digits.back() == '0') digits.pop_back();
        s += "." + digits;
    }
    return s;
}

Fixed4 Fixed4::times(Fixed4 o) const { return fromRaw(roundHalfEven(raw_ * o.raw_, kScale)); }

Fixed4 Fixed4::dividedBy(std::int64_t k) const {
    return k < 0 ? fromRaw(roundHalfEven(-raw_, -k)) : fromRaw(roundHalfEven(raw_, k));
}

std::int64_t Fixed4::roundedQuotient(Fixed4 o) const {
    return o.raw_ < 0 ? roundHalfEven(-raw_, -o.raw_) : roundHalfEven(raw_, o.raw_);
}

}  // namespace kestrin
