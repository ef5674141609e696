#pragma once
// The main window's geometry in twips, shared by its views.

namespace kestrin::shell {

constexpr int kSimpleViewWidth = 6000;
constexpr int kSimpleViewHeight = 7470;
constexpr int kProfessionalViewWidth = 12090;
constexpr int kProfessionalViewHeight = 7470;

// In the simple view the paper sits this far inside the paper frame, holding label 0 at its
// origin, and the panels stack in a column below it.
constexpr int kSimplePaperOffset = 120;
constexpr int kPanelColumnLeft = 255;
constexpr int kPanelGap = 120;

// The top of the first panel below the paper: the paper's foot inside the window plus the gap.
constexpr int firstPanelTop(int frameTop, int paperHeight) {
    return frameTop + kSimplePaperOffset + paperHeight + kPanelGap;
}

}  // namespace kestrin::shell
