#pragma once
// The paper picture of the professional view: its size and direction shape the picture that
// bounds the arrangement; neither is sent to the printer.

#include <optional>
#include <string>

namespace kestrin::print {

enum class Direction { Upright, Sideways };  // "直印", "横印"

struct PaperSize {
    int width = 0;
    int height = 0;
    bool operator==(const PaperSize&) const = default;
};

struct PaperPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PaperPlacement&) const = default;
};

constexpr int kPaperSizeCount = 3;  // 0 "A4", 1 "A5", 2 "B5"
// The paper picture's margin when it does not fit the page area.
constexpr int kPaperMargin = 240;

const char* paperCaption(int sizeIndex);
// The size of the paper picture; an index out of range is taken as A4.
PaperSize paperSize(int sizeIndex, Direction direction);
// Places the paper picture inside the page area: at 240 along a side where it does not fit,
// centred along a side where it does.
PaperPlacement 纸张调整(int sizeIndex, Direction direction, int areaWidth, int areaHeight);

// The paper size under a press on the paper panel's background picture, if any.
std::optional<int> paperSizeAt(int x, int y);

std::string paperSizeHint(int sizeIndex);      // "纸张大小【A4】"
std::string directionHint(Direction direction);  // "列印方向【直印】"

}  // namespace kestrin::print
