#include "engine/barcode_drawing.h"

#include <gtest/gtest.h>

#include <map>

#include "common/recording_surface.h"
#include "engine/code39.h"

namespace kestrin::engine {
namespace {

const Fixed4 k72 = *Fixed4::parse("7.2");
const Fixed4 k70 = *Fixed4::parse("7");

Barcode labelWith(const std::string& data, int variant = 0, int module = 2) {
    Barcode l;
    l.data = data;
    l.variant = static_cast<std::uint8_t>(variant);
    l.moduleWidth = static_cast<std::uint8_t>(module);
    return l;
}

// The modules the label should print, each cell padded with spaces to the start character's
// length, each module repeated once per dot.
std::string expectedDots(const std::string& data, int variant, int module) {
    std::vector<std::string> cells{"*"};
    for (char c : data) cells.emplace_back(1, c);
    cells.emplace_back("*");
    const std::size_t L = 条码编码("*", variant).size();
    std::string dots;
    for (const auto& c : cells) {
        std::string m = 条码编码(c, variant);
        m.resize(L, '0');
        for (char bit : m) dots.append(static_cast<std::size_t>(module), bit);
    }
    return dots;
}

// Reads the printed rectangles back into one character per dot, failing on any rectangle
// whose edges are not on the dot grid from x0.
std::string printedDots(const RecordingSurface& s, Fixed4 x0, Fixed4 res, std::size_t count) {
    std::string dots(count, '0');
    for (const auto& f : s.all<DrawFill>()) {
        const Fixed4 offset = f.rect.x - x0;
        EXPECT_EQ(offset.raw() % res.raw(), 0) << "left edge off the dot grid at " << f.rect.x.toString();
        EXPECT_EQ(f.rect.width.raw() % res.raw(), 0) << "right edge off the dot grid at " << f.rect.x.toString();
        const auto first = static_cast<std::size_t>(offset.raw() / res.raw());
        const auto last = first + static_cast<std::size_t>(f.rect.width.raw() / res.raw());
        for (std::size_t d = first; d < last; ++d) {
            if (d < count) dots[d] = '1';
            else ADD_FAILURE() << "bar past the end at dot " << d;
        }
    }
    return dots;
}

TEST(BarcodeGeometry, PrintWidthFollowsVariantModuleAndResolution) {
    EXPECT_EQ(printWidth(buildCells("A", 0), k72, 2).toString(), "691.2");
    EXPECT_EQ(printWidth(buildCells("A", 3), k72, 2).toString(), "561.6");  // 13/16 of it
    EXPECT_EQ(printWidth(buildCells("A/", 1), k72, 3).toString(), "1296");
    EXPECT_EQ(printWidth(buildCells("12345", 0), *Fixed4::parse("7.0001"), 1).toString(), "784.0112");
}

TEST(BarcodeGeometry, DataPastFortyCharactersIsCut) {
    const Cells cells = buildCells(std::string(45, 'A'), 0);
    EXPECT_EQ(cells.data.size(), 40u);
    EXPECT_EQ(cells.modules.size(), 42u);
}

TEST(PrintedBarcode, EveryModuleIsWholeDotsOnTheGrid) {
    struct Case { const char* data; int variant; int module; };
    const Case cases[] = {
        {"A", 0, 2}, {"A", 3, 1}, {"/", 1, 2}, {"+-.", 2, 3}, {"HELLO 42", 1, 6}, {"Z9", 3, 4}, {"X", 0, 5},
    };
    for (const auto& c : cases) {
        Barcode label = labelWith(c.data, c.variant, c.module);
        RecordingSurface s;
        printBarcode(s, label, k72, 0, 0);
        const std::string expected = expectedDots(c.data, c.variant, c.module);
        const Fixed4 x0 = snapToDots(label.handleLeft, k72);
        EXPECT_EQ(printedDots(s, x0, k72, expected.size()), expected) << c.data << " v" << c.variant << " w" << c.module;
    }
}

TEST(PrintedBarcode, OriginSnapsToTheNearestDot) {
    struct Case { const char* res; int left; const char* firstBar; };
    const Case cases[] = {{"7", 100, "98"}, {"7.2", 100, "100.8"}, {"7.2", 120, "122.4"}, {"7.2", 0, "0"}};
    for (const auto& c : cases) {
        Barcode label = labelWith("1");
        label.handleLeft = c.left;
        RecordingSurface s;
        printBarcode(s, label, *Fixed4::parse(c.res), 0, 0);
        EXPECT_EQ(s.all<DrawFill>().front().rect.x.toString(), c.firstBar) << c.res << " " << c.left;
    }
    // The base point of the label counts before snapping: 300 + 120 = 420 is 58.3 dots.
    Barcode label = labelWith("1");
    RecordingSurface s;
    printBarcode(s, label, k72, 300, 300);
    const Rect first = s.all<DrawFill>().front().rect;
    EXPECT_EQ(first.x.toString(), "417.6");
    EXPECT_EQ(first.y.toString(), "417.6");
    EXPECT_EQ(first.height, Fixed4(480));  // the height is not snapped
}

TEST(PrintedBarcode, ReadableCharactersSpreadOrCentred) {
    Barcode spread = labelWith("AB");
    RecordingSurface s1;
    printBarcode(s1, spread, k72, 0, 0);
    const auto texts = s1.all<DrawText>();
    ASSERT_EQ(texts.size(), 2u);
    // Each character stands at the left edge of its own cell: 16 modules × 2 dots × 7.2 apart.
    EXPECT_EQ(texts[0].topLeft, (Point{*Fixed4::parse("352.8"), *Fixed4::parse("647.4")}));
    EXPECT_EQ(texts[1].topLeft.x.toString(), "583.2");
    EXPECT_EQ(texts[0].text, "A");

    Barcode centred = labelWith("AB");
    centred.centred = 1;
    RecordingSurface s2;
    printBarcode(s2, centred, k72, 0, 0);
    const auto block = s2.all<DrawText>();
    ASSERT_EQ(block.size(), 1u);
    // 122.4 + 921.6 / 2 − 200 / 2 − 30: thirty twips left of where the screen puts it.
    EXPECT_EQ(block[0].topLeft.x.toString(), "453.2");
    EXPECT_EQ(block[0].text, "AB");

    Barcode hidden = labelWith("AB");
    hidden.readable = 0;
    RecordingSurface s3;
    printBarcode(s3, hidden, k72, 0, 0);
    EXPECT_TRUE(s3.all<DrawText>().empty());
}

TEST(PrintedBarcode, CharacterWithoutPatternLeavesABlankCellOfFullWidth) {
    Barcode label = labelWith("A$B");
    RecordingSurface s;
    printBarcode(s, label, k72, 0, 0);
    const std::string expected = expectedDots("A$B", 0, 2);
    ASSERT_EQ(expected.size(), 5u * 16 * 2);
    EXPECT_EQ(printedDots(s, *Fixed4::parse("122.4"), k72, expected.size()), expected);
}

TEST(PrintedBarcode, EmptyDataDrawsNothingAndModuleZeroDrawsAsTwo) {
    Barcode empty = labelWith("");
    RecordingSurface s;
    printBarcode(s, empty, k72, 0, 0);
    EXPECT_TRUE(s.ops().empty());

    Barcode zero = labelWith("A", 0, 0);
    RecordingSurface s2;
    printBarcode(s2, zero, k72, 0, 0);
    EXPECT_EQ(zero.moduleWidth, 0);  // drawing reads the label and never changes it
    const std::string expected = expectedDots("A", 0, 2);
    EXPECT_EQ(printedDots(s2, *Fixed4::parse("122.4"), k72, expected.size()), expected);
}

// The x positions (relative to the bar origin) of the screen lines.
std::vector<std::int64_t> screenLines(Barcode& label, Fixed4 res = k72) {
    RecordingSurface s;
    绘制条码(s, label, res);
    std::vector<std::int64_t> xs;
    for (const auto& l : s.all<DrawLine>()) {
        EXPECT_EQ(l.from.y, Fixed4(label.handleTop));
        EXPECT_EQ(l.to.y, Fixed4(label.handleTop + label.barHeight));
        xs.push_back((l.from.x - label.handleLeft).roundToWhole());
    }
    return xs;
}

std::vector<std::int64_t> expectedScreenLines(const std::string& modules, int perModule, int pitch, std::size_t drawn) {
    std::vector<std::int64_t> xs;
    std::int64_t off = 0;
    for (std::size_t m = 0; m < drawn; ++m) {
        for (int r = 0; r < perModule; ++r, off += pitch) {
            if (modules[m] == '1') xs.push_back(off);
        }
    }
    return xs;
}

TEST(ScreenBarcode, PitchesAndTheStopAtThePrintWidth) {
    // "A" in variant 0: 48 modules, W = 691.2 at module width 2 and 1036.8 at 3.
    const std::string modules = expectedDots("A", 0, 1);
    Barcode w2 = labelWith("A", 0, 2);
    // 15 twips per module: the 47th module reaches 705 ≥ 691.2, so 47 modules are drawn.
    EXPECT_EQ(screenLines(w2), expectedScreenLines(modules, 1, 15, 47));
    Barcode w3 = labelWith("A", 0, 3);
    // 3 × 8 twips per module: 44 × 24 = 1056 ≥ 1036.8.
    EXPECT_EQ(screenLines(w3), expectedScreenLines(modules, 3, 8, 44));
}

TEST(ScreenBarcode, ModuleWidthOneShowsThePlaceholderHatchWhateverTheData) {
    const std::string hatch = "1011010101010101";
    const std::string expected = hatch + hatch + hatch;
    Barcode a = labelWith("A", 0, 1);
    Barcode b = labelWith("7", 0, 1);
    // W = 345.6: the 24th module reaches 360.
    EXPECT_EQ(screenLines(a), expectedScreenLines(expected, 1, 15, 24));
    EXPECT_EQ(screenLines(a), screenLines(b));
}

TEST(ScreenBarcode, ReadableCharactersSpreadOrCentred) {
    Barcode spread = labelWith("AB");
    RecordingSurface s;
    绘制条码(s, spread, k72);
    const auto texts = s.all<DrawText>();
    ASSERT_EQ(texts.size(), 2u);
    // step = 921.6 / 4 = 230.4, rounded to 230; characters 1 and 2 sit at one and two steps.
    EXPECT_EQ(texts[0].topLeft, (Point{120 + 230, 120 + 480 + 45}));
    EXPECT_EQ(texts[1].topLeft, (Point{120 + 460, 645}));

    Barcode centred = labelWith("AB");
    centred.centred = 1;
    RecordingSurface s2;
    绘制条码(s2, centred, k72);
    ASSERT_EQ(s2.all<DrawText>().size(), 1u);
    EXPECT_EQ(s2.all<DrawText>()[0].topLeft.x.toString(), "480.8");  // 120 + 460.8 − 100
}

TEST(ScreenBarcode, EmptyDataDrawsNothing) {
    Barcode l = labelWith("");
    RecordingSurface s;
    绘制条码(s, l, k72);
    EXPECT_TRUE(s.ops().empty());
}

TEST(AdjustButtons, StepsAndLimits) {
    struct Case { int button; int before; int after; };
    // before/after are the value the button acts on: top, top, left, left, height, height, module, module.
    const Case cases[] = {
        {0, 100, 40}, {0, 50, 0}, {1, 0, 60}, {2, 30, 0}, {3, 120, 180},
        {4, 150, 120}, {4, 480, 360}, {5, 120, 240}, {6, 1, 1}, {6, 3, 2}, {7, 6, 6}, {7, 2, 3},
    };
    for (const auto& c : cases) {
        Barcode l;
        int* field[] = {&l.handleTop, &l.handleTop, &l.handleLeft, &l.handleLeft, &l.barHeight, &l.barHeight};
        if (c.button < 6) *field[c.button] = c.before;
        else l.moduleWidth = static_cast<std::uint8_t>(c.before);
        调整位置(l, c.button);
        const int after = c.button < 6 ? *field[c.button] : l.moduleWidth;
        EXPECT_EQ(after, c.after) << "button " << c.button << " from " << c.before;
    }
    EXPECT_STREQ(adjustHint(0), "移动 条码位置 ↑");
    EXPECT_STREQ(adjustHint(6), "条码 宽度-减细，若使用最细线条，建议格式选择，正规");
}

TEST(HandleDrag, MovesOnlyPastTheThresholdAndStaysInsideTheLabel) {
    struct Case { int dx, dy; bool moved; int left, top; };
    // The handle starts at (600, 300) in a 3600 × 900 label; the pointer went down at (0, 0).
    const Case cases[] = {
        {60, -60, false, 600, 300},   // at the threshold: nothing yet
        {61, 0, true, 661, 300},      // horizontal only
        {0, 90, true, 600, 390},
        {-570, 0, true, 0, 300},      // a left below 60 becomes 0
        {-900, -900, true, 0, 0},
        {5000, 5000, true, 3600 - kHandleSize, 900 - kHandleSize},
    };
    for (const auto& c : cases) {
        Barcode l;
        l.handleLeft = 600;
        l.handleTop = 300;
        EXPECT_EQ(dragHandle(l, 3600, 900, 0, 0, c.dx, c.dy), c.moved) << c.dx << "," << c.dy;
        EXPECT_EQ(l.handleLeft, c.left) << c.dx << "," << c.dy;
        EXPECT_EQ(l.handleTop, c.top) << c.dx << "," << c.dy;
    }
}

}  // namespace
}  // namespace kestrin::engine
