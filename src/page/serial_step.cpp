#include "page/serial_step.h"

namespace kestrin::page {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Sets the digits of the data, the last one first, to the number plus or minus one, wrapping
// within the count of digits.
void stepDigits(std::string& digits, int button) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (button == 0) {
            if (*it != '9') { ++*it; return; }
            *it = '0';
        } else {
            if (*it != '0') { --*it; return; }
            *it = '9';
        }
    }
}

}  // namespace

std::string 流水加减(std::string_view data, int button) {
    std::string digits;
    for (const char c : data) {
        if (isDigit(c)) digits += c;
    }
    if (digits.empty()) return std::string(data);
    stepDigits(digits, button);
    std::string out(data);
    std::size_t k = 0;
    for (char& c : out) {
        if (isDigit(c)) c = digits[k++];
    }
    return out;
}

std::string serialStepHint(std::string_view data, int button) {
    if (data.empty()) return "请先输入条码，才能使用此功能";
    return button == 0 ? "依照条码编号【增加一码】" : "依照条码编号【扣除一码】";
}

}  // namespace kestrin::page
