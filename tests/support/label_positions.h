#pragma once
// The places of a page's labels 1..250, in index order, for tests of arranging and generating.

#include <ostream>
#include <vector>

#include "document/label_page.h"

namespace kestrin::test {

struct Pos {
    int left, top;
    bool operator==(const Pos&) const = default;
};
inline void PrintTo(const Pos& p, std::ostream* os) { *os << "(" << p.left << ", " << p.top << ")"; }

inline std::vector<Pos> positions(const document::LabelPage& page) {
    std::vector<Pos> out;
    for (const int i : page.pageLabels()) out.push_back({page.label(i).left, page.label(i).top});
    return out;
}

}  // namespace kestrin::test
