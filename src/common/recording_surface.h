#pragma once
// A surface that keeps a list of what was drawn into it. The screen's label pictures keep
// their drawing this way and replay it when painted; tests read it to check coordinates.

#include <functional>
#include <variant>
#include <vector>

#include "common/surface.h"

namespace kestrin {

struct DrawFont { Font font; };
struct DrawColour { Rgb colour; };
struct DrawLineWidth { int dots; };
struct DrawLine { Point from, to; };
struct DrawDeviceDotLine { Point from, to; };
struct DrawText { Point topLeft; std::string text; };
struct DrawFill { Rect rect; Rgb colour; };
struct DrawOutline { Rect rect; };
struct DrawPicture { Rect rect; std::string path; };
struct DrawNewPage {};

using DrawOp = std::variant<DrawFont, DrawColour, DrawLineWidth, DrawLine, DrawDeviceDotLine, DrawText,
                            DrawFill, DrawOutline, DrawPicture, DrawNewPage>;

class RecordingSurface : public PageSurface {
public:
    // Measures text; the default rule is deterministic so that tests can predict it:
    // every character is half the font size wide (size × 10 twips), bold adds a tenth.
    using TextMeasure = std::function<Fixed4(const Font&, std::string_view)>;

    RecordingSurface();
    explicit RecordingSurface(TextMeasure measure);

    void setFont(const Font& font) override;
    void setColour(Rgb colour) override;
    void setLineWidthDots(int dots) override;
    void line(Point from, Point to) override;
    void deviceDotLine(Point from, Point to) override;
    void text(Point topLeft, std::string_view utf8) override;
    Fixed4 textWidth(std::string_view utf8) override;
    void fillRect(const Rect& r, Rgb colour) override;
    void outlineRect(const Rect& r) override;
    void picture(const Rect& r, const std::string& path) override;
    void newPage() override;
    bool endDocument() override;

    void clear();
    const std::vector<DrawOp>& ops() const { return ops_; }
    bool ended() const { return ended_; }
    // Replays the list onto another surface (the screen painting a label picture).
    void replay(Surface& target) const;

    template <typename T>
    std::vector<T> all() const {
        std::vector<T> out;
        for (const auto& op : ops_) {
            if (const auto* p = std::get_if<T>(&op)) out.push_back(*p);
        }
        return out;
    }

private:
    TextMeasure measure_;
    Font font_;
    std::vector<DrawOp> ops_;
    bool ended_ = false;
};

Fixed4 simpleTextWidth(const Font& font, std::string_view utf8);

}  // namespace kestrin
