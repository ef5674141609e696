#pragma once
// The serial step buttons 流水加减 beside the barcode input panel's data box: the next or the
// previous number of the typed barcode data.

#include <string>
#include <string_view>

namespace kestrin::page {

// Adds one (button 0) to or subtracts one (button 1) from the number made of all the digits
// in the data, keeping every other character and the number of digits: A009-9 + 1 is A010-0,
// 99 + 1 is 00 and 00 - 1 is 99.
std::string 流水加减(std::string_view data, int button);
std::string serialStepHint(std::string_view data, int button);

}  // namespace kestrin::page
