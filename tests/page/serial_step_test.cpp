#include "page/serial_step.h"

#include <gtest/gtest.h>

namespace kestrin::page {
namespace {

TEST(SerialStep, StepsTheNumberMadeOfAllDigits) {
    struct Case { const char* data; int button; const char* result; };
    const Case cases[] = {
        {"A009-2", 0, "A009-3"}, {"A009-9", 0, "A010-0"}, {"99", 0, "00"},
        {"A010-0", 1, "A009-9"}, {"B-1", 1, "B-0"},     {"00", 1, "99"},
        {"ABC", 0, "ABC"},       {"", 0, ""},           {"12345678901234567899", 0, "12345678901234567900"},
    };
    for (const auto& c : cases) EXPECT_EQ(流水加减(c.data, c.button), c.result) << c.data << " " << c.button;
    EXPECT_EQ(serialStepHint("", 0), "请先输入条码，才能使用此功能");
    EXPECT_EQ(serialStepHint("1", 1), "依照条码编号【扣除一码】");
}

}  // namespace
}  // namespace kestrin::page
