#include "print/quantity.h"

#include <limits>

namespace kestrin::print {

int 印量加减(int value, int button) {
    if (button == 0) return value < std::numeric_limits<int>::max() ? value + 1 : value;
    return value > 1 ? value - 1 : value;
}

}  // namespace kestrin::print
