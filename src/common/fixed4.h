#pragma once
// Four-decimal fixed point: an exact count of 1/10000 twip. The print resolution, printed
// coordinates and print widths are kept this way so that a bar's position never depends on
// the rounding of a binary fraction.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrin {

class Fixed4 {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Fixed4() = default;
    // Whole twips convert implicitly: they are exact in this representation.
    constexpr Fixed4(int whole) : raw_(std::int64_t{whole} * kScale) {}  // NOLINT(google-explicit-constructor)
    static constexpr Fixed4 fromRaw(std::int64_t raw) { Fixed4 f; f.raw_ = raw; return f; }

    // Parses a plain decimal number ("7.2", "-3", "0.0125"); digits past the fourth decimal
    // are rounded half to even. Returns nothing for text that is not such a number.
    static std::optional<Fixed4> parse(std::string_view text);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / kScale; }
    // Nearest whole number, halves to even.
    std::int64_t roundToWhole() const;
    // Shortest decimal text: "7.2", "100.8", "98", "-0.5".
    std::string toString() const;

    constexpr Fixed4 operator+(Fixed4 o) const { return fromRaw(raw_ + o.raw_); }
    constexpr Fixed4 operator-(Fixed4 o) const { return fromRaw(raw_ - o.raw_); }
    constexpr Fixed4 operator-() const { return fromRaw(-raw_); }
    constexpr Fixed4 operator*(std::int64_t k) const { return fromRaw(raw_ * k); }
    Fixed4& operator+=(Fixed4 o) { raw_ += o.raw_; return *this; }
    Fixed4& operator-=(Fixed4 o) { raw_ -= o.raw_; return *this; }
    // Product and quotient rounded to four decimals, halves to even.
    Fixed4 times(Fixed4 o) const;
    Fixed4 dividedBy(std::int64_t k) const;
    // The whole number nearest to this / o (halves to even): how many steps of o fit.
    std::int64_t roundedQuotient(Fixed4 o) const;

    constexpr auto operator<=>(const Fixed4&) const = default;

private:
    std::int64_t raw_ = 0;
};

// Rounds numerator / denominator to the nearest integer, halves to even. denominator > 0.
std::int64_t roundHalfEven(std::int64_t numerator, std::int64_t denominator);

}  // namespace kestrin
