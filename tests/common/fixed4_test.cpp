#include "common/fixed4.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

TEST(Fixed4, ParsesAndPrintsShortestForm) {
    struct Case { const char* in; std::int64_t raw; const char* out; };
    const Case cases[] = {
        {"7.2", 72000, "7.2"},       {"98", 980000, "98"},         {"100.8000", 1008000, "100.8"},
        {"-0.5", -5000, "-0.5"},     {"0.00005", 0, "0"},          {"0.00015", 2, "0.0002"},
        {"0.00025", 2, "0.0002"},    {"7.199999999", 72000, "7.2"}, {"+3", 30000, "3"},
        {".5", 5000, "0.5"},
    };
    for (const auto& c : cases) {
        const auto v = Fixed4::parse(c.in);
        ASSERT_TRUE(v) << c.in;
        EXPECT_EQ(v->raw(), c.raw) << c.in;
        EXPECT_EQ(v->toString(), c.out) << c.in;
    }
}

TEST(Fixed4, RefusesWhatIsNotANumber) {
    for (const char* bad : {"", "-", ".", "1.2.3", "1e3", "12a", " 1", "1,5", "99999999999999999"}) {
        EXPECT_FALSE(Fixed4::parse(bad)) << bad;
    }
}

TEST(Fixed4, RoundsHalvesToEven) {
    struct Case { std::int64_t num, den, expected; };
    const Case cases[] = {{5, 2, 2}, {7, 2, 4}, {-5, 2, -2}, {-7, 2, -4}, {10, 3, 3}, {-10, 3, -3}, {11, 3, 4}};
    for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.num, c.den), c.expected) << c.num << "/" << c.den;
    EXPECT_EQ(Fixed4::parse("2.5")->roundToWhole(), 2);
    EXPECT_EQ(Fixed4::parse("3.5")->roundToWhole(), 4);
}

TEST(Fixed4, SnapsToDotsByRoundedQuotient) {
    // 100 twips on a 7.0 grid is 14.29 dots, on a 7.2 grid 13.89 dots: both 14.
    EXPECT_EQ(Fixed4(100).roundedQuotient(*Fixed4::parse("7")), 14);
    EXPECT_EQ(Fixed4(100).roundedQuotient(*Fixed4::parse("7.2")), 14);
    EXPECT_EQ(Fixed4(36).roundedQuotient(*Fixed4::parse("7.2")), 5);
}

}  // namespace
}  // namespace kestrin
