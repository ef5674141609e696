#include "common/recording_surface.h"

#include <cmath>

#include "common/utf8.h"

namespace kestrin {

Fixed4 simpleTextWidth(const Font& font, std::string_view utf8) {
    const auto perChar = static_cast<std::int64_t>(std::llround(font.sizePoints * (font.bold ? 11 : 10)));
    return Fixed4(1) * (perChar * static_cast<std::int64_t>(utf8::length(utf8)));
}

RecordingSurface::RecordingSurface() : measure_(simpleTextWidth) {}
RecordingSurface::RecordingSurface(TextMeasure measure) : measure_(std::move(measure)) {}

void RecordingSurface::setFont(const Font& font) {
    font_ = font;
    ops_.emplace_back(DrawFont{font});
}
void RecordingSurface::setColour(Rgb colour) { ops_.emplace_back(DrawColour{colour}); }
void RecordingSurface::setLineWidthDots(int dots) { ops_.emplace_back(DrawLineWidth{dots}); }
void RecordingSurface::line(Point from, Point to) { ops_.emplace_back(DrawLine{from, to}); }
void RecordingSurface::deviceDotLine(Point from, Point to) { ops_.emplace_back(DrawDeviceDotLine{from, to}); }
void RecordingSurface::text(Point topLeft, std::string_view utf8) {
    ops_.emplace_back(DrawText{topLeft, std::string(utf8)});
}
Fixed4 RecordingSurface::textWidth(std::string_view utf8) { return measure_(font_, utf8); }
void RecordingSurface::fillRect(const Rect& r, Rgb colour) { ops_.emplace_back(DrawFill{r, colour}); }
void RecordingSurface::outlineRect(const Rect& r) { ops_.emplace_back(DrawOutline{r}); }
void RecordingSurface::picture(const Rect& r, const std::string& path) {
    ops_.emplace_back(DrawPicture{r, path});
}
void RecordingSurface::newPage() { ops_.emplace_back(DrawNewPage{}); }
bool RecordingSurface::endDocument() {
    // A page break right before the end would only make a blank page.
    if (!ops_.empty() && std::holds_alternative<DrawNewPage>(ops_.back())) ops_.pop_back();
    ended_ = true;
    return true;
}

void RecordingSurface::clear() {
    ops_.clear();
    ended_ = false;
}

void RecordingSurface::replay(Surface& target) const {
    for (const auto& op : ops_) {
        std::visit(
            [&target](const auto& o) {
                using T = std::decay_t<decltype(o)>;
                if constexpr (std::is_same_v<T, DrawFont>) target.setFont(o.font);
                else if constexpr (std::is_same_v<T, DrawColour>) target.setColour(o.colour);
                else if constexpr (std::is_same_v<T, DrawLineWidth>) target.setLineWidthDots(o.dots);
                else if constexpr (std::is_same_v<T, DrawLine>) target.line(o.from, o.to);
                else if constexpr (std::is_same_v<T, DrawDeviceDotLine>) target.deviceDotLine(o.from, o.to);
                else if constexpr (std::is_same_v<T, DrawText>) target.text(o.topLeft, o.text);
                else if constexpr (std::is_same_v<T, DrawFill>) target.fillRect(o.rect, o.colour);
                else if constexpr (std::is_same_v<T, DrawOutline>) target.outlineRect(o.rect);
                else if constexpr (std::is_same_v<T, DrawPicture>) target.picture(o.rect, o.path);
            },
            op);
    }
}

}  // namespace kestrin
