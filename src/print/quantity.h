#pragma once
// The steppers of the print quantity 列印数量 and the print copies 列印份数.

namespace kestrin::print {

// The plus (0) and minus (1) buttons of the print quantity and the print copies: minus stops
// at 1.
int 印量加减(int value, int button);

}  // namespace kestrin::print
