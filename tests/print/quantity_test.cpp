#include "print/quantity.h"

#include <gtest/gtest.h>

namespace kestrin::print {
namespace {

TEST(Quantity, MinusStopsAtOne) {
    EXPECT_EQ(印量加减(1, 0), 2);
    EXPECT_EQ(印量加减(2, 1), 1);
    EXPECT_EQ(印量加减(1, 1), 1);
    EXPECT_EQ(印量加减(0, 1), 0);
}

}  // namespace
}  // namespace kestrin::print
