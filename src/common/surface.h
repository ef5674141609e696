#pragma once
// The one drawing surface that every drawing rule is written against. Coordinates are twips
// (1440 per inch) in four-decimal fixed point; the screen's label pictures, the printer and
// the PDF writer, and the tests' recorder all implement it.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/fixed4.h"

namespace kestrin {

// Colours are packed as R + 256 G + 65536 B.
using Rgb = std::uint32_t;
constexpr Rgb kBlack = 0;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb rgb(unsigned r, unsigned g, unsigned b) { return r + 256 * g + 65536 * b; }

struct Font {
    std::string name = "Arial";
    double sizePoints = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

struct Point {
    Fixed4 x, y;
    bool operator==(const Point&) const = default;
};

struct Rect {
    Fixed4 x, y, width, height;
    bool operator==(const Rect&) const = default;
};

class Surface {
public:
    virtual ~Surface() = default;
    virtual void setFont(const Font& font) = 0;
    // The colour of lines, outlines and text that follow.
    virtual void setColour(Rgb colour) = 0;
    virtual void setLineWidthDots(int dots) = 0;
    virtual void line(Point from, Point to) = 0;
    // A line one dot of the output device wide, whatever the print resolution holds: a test
    // print that looks for the true dot pitch must not be drawn with the pitch it questions.
    virtual void deviceDotLine(Point from, Point to) = 0;
    // Text with its top-left corner at the point, in the current font and colour.
    virtual void text(Point topLeft, std::string_view utf8) = 0;
    virtual Fixed4 textWidth(std::string_view utf8) = 0;
    virtual void fillRect(const Rect& r, Rgb colour) = 0;
    virtual void outlineRect(const Rect& r) = 0;
    // A picture file (a full path the caller has already checked), stretched into r.
    virtual void picture(const Rect& r, const std::string& path) = 0;
};

// A surface with pages: the printer and the PDF writer.
class PageSurface : public Surface {
public:
    virtual void newPage() = 0;
    // Ends the document. A new page requested just before ending adds no blank page.
    virtual bool endDocument() = 0;
};

}  // namespace kestrin
