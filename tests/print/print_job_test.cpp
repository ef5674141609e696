#include "print/print_job.h"

#include <gtest/gtest.h>

#include "common/recording_surface.h"

namespace kestrin::print {
namespace {

const Fixed4 kRes = storage::kDefaultPrintResolution;
constexpr auto kPagePrinter = storage::PrinterKind::Page;
constexpr auto kLabelPrinter = storage::PrinterKind::Label;
constexpr Rgb kMarker = rgb(1, 2, 3);  // the background that tells a printed label

struct Pos {
    Fixed4 left, top;
    bool operator==(const Pos&) const = default;
};
void PrintTo(const Pos& p, std::ostream* os) { *os << "(" << p.left.toString() << ", " << p.top.toString() << ")"; }

// Where each printed label stands, page by page, read from the label backgrounds.
std::vector<std::vector<Pos>> pages(const RecordingSurface& s) {
    std::vector<std::vector<Pos>> out(1);
    for (const auto& op : s.ops()) {
        if (std::holds_alternative<DrawNewPage>(op)) out.emplace_back();
        if (const auto* f = std::get_if<DrawFill>(&op); f && f->colour == kMarker) {
            out.back().push_back({f->rect.x, f->rect.y});
        }
    }
    return out;
}

document::Label markedLabel(int width = 3600, int height = 900) {
    document::Label l;
    l.width = width;
    l.height = height;
    l.background = kMarker;
    return l;
}

TEST(PrintOneLabel, BackgroundFrameTextsPicturesThenBarsOnTop) {
    document::Label label = markedLabel();
    label.frame = 1;
    label.data = "1";
    Font itemFont;
    itemFont.name = "宋体";
    itemFont.sizePoints = 12;
    label.texts[2] = {"second", 60, 30, rgb(255, 0, 0), itemFont};
    label.texts[1] = {"first", 0, 0, kBlack, Font{}};
    label.pictures[1] = {"a.bmp", "/p/a.bmp", 10, 20, 300, 200};
    label.pictures[2] = {"", "", 0, 0, 100, 100};  // empty item: nothing to paint

    RecordingSurface s;
    const Fixed4 bx = Fixed4::fromRaw(3'005'000);  // 300.5
    喷墨列印(s, label, kRes, bx, 450);
    const auto& ops = s.ops();
    ASSERT_GT(ops.size(), 12u);
    EXPECT_EQ(std::get<DrawFill>(ops[0]).rect, (Rect{bx, 450, 3600, 900}));
    EXPECT_EQ(std::get<DrawFill>(ops[0]).colour, kMarker);
    EXPECT_EQ(std::get<DrawLineWidth>(ops[1]).dots, 1);
    EXPECT_EQ(std::get<DrawColour>(ops[2]).colour, kBlack);
    EXPECT_EQ(std::get<DrawOutline>(ops[3]).rect, (Rect{bx, 450, 3600, 900}));
    EXPECT_EQ(std::get<DrawFont>(ops[4]).font, Font{});
    EXPECT_EQ(std::get<DrawColour>(ops[5]).colour, kBlack);
    EXPECT_EQ(std::get<DrawText>(ops[6]).topLeft, (Point{bx, 450}));
    EXPECT_EQ(std::get<DrawText>(ops[6]).text, "first");
    EXPECT_EQ(std::get<DrawFont>(ops[7]).font, itemFont);
    EXPECT_EQ(std::get<DrawColour>(ops[8]).colour, rgb(255, 0, 0));
    EXPECT_EQ(std::get<DrawText>(ops[9]).topLeft, (Point{bx + 60, 480}));
    // Picture corners are whole twips: 310.5 rounds to 310.
    EXPECT_EQ(std::get<DrawPicture>(ops[10]).rect, (Rect{310, 470, 300, 200}));
    EXPECT_EQ(std::get<DrawPicture>(ops[10]).path, "/p/a.bmp");
    // Everything after the pictures is the barcode: bars and its readable character.
    bool bars = false;
    for (std::size_t i = 11; i < ops.size(); ++i) {
        EXPECT_FALSE(std::holds_alternative<DrawPicture>(ops[i]));
        EXPECT_FALSE(std::holds_alternative<DrawOutline>(ops[i]));
        if (const auto* f = std::get_if<DrawFill>(&ops[i])) bars = bars || f->colour == kBlack;
    }
    EXPECT_TRUE(bars);
}

TEST(PrintOneLabel, EmptyDataStillPrintsTheRest) {
    document::Label label = markedLabel();
    label.texts[1] = {"t", 0, 0, kBlack, Font{}};
    RecordingSurface s;
    喷墨列印(s, label, kRes, 0, 0);
    EXPECT_EQ(s.all<DrawFill>().size(), 1u);
    EXPECT_EQ(s.all<DrawText>().size(), 1u);
}

TEST(SimplePrint, StartValuesComeFromTheStoredArrangementTexts) {
    EXPECT_EQ(arrangementValues(storage::PrintArrangementTexts{"4", "6", "30.7", "x"}), (ArrangementValues{4, 6, 31, 0}));
    EXPECT_EQ(arrangementValues(std::nullopt), ArrangementValues{});
}

TEST(SimplePrint, PagePrinterFillsRowsAtTheFixedBounds) {
    document::Label label = markedLabel();
    RecordingSurface s;
    EXPECT_TRUE(simplePrint(s, label, 7, {2, 2, 0, 0}, {kRes, kPagePrinter, 1}));
    const std::vector<std::vector<Pos>> expected{
        {{0, 0}, {3620, 0}, {7240, 0}, {0, 920}, {3620, 920}, {7240, 920}, {0, 1840}}};
    EXPECT_EQ(pages(s), expected);
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(label.left, 0);  // label 0 keeps its own place on screen
}

TEST(SimplePrint, PagePrinterStartsANewPageBelowTheBound) {
    // From (300, 300): rows at 300 + 920 k while the row after would still fit within 16700:
    // 16 rows of three, so copy 49 opens page two at the start position.
    document::Label label = markedLabel();
    RecordingSurface s;
    simplePrint(s, label, 49, {2, 2, 20, 20}, {kRes, kPagePrinter, 1});
    const auto printed = pages(s);
    ASSERT_EQ(printed.size(), 2u);
    ASSERT_EQ(printed[0].size(), 48u);
    EXPECT_EQ(printed[0].front(), (Pos{300, 300}));
    EXPECT_EQ(printed[0].back(), (Pos{7540, 300 + 15 * 920}));
    EXPECT_EQ(printed[1], (std::vector<Pos>{{300, 300}}));
}

TEST(SimplePrint, QuantitiesAndPrinterKinds) {
    struct Case {
        const char* what;
        int quantity;
        storage::PrinterKind kind;
        int copies;
        std::vector<std::vector<Pos>> pages;
    };
    const Case cases[] = {
        {"label printer: a page per copy at the corner", 3, kLabelPrinter, 1, {{{0, 0}}, {{0, 0}}, {{0, 0}}}},
        {"one copy at the start boxes", 1, kPagePrinter, 1, {{{300, 300}}}},
        {"one copy on a label printer", 1, kLabelPrinter, 1, {{{0, 0}}}},
        {"nothing below one", 0, kPagePrinter, 1, {{}}},
        {"copies repeat the quantity", 2, kPagePrinter, 2, {{{300, 300}, {3920, 300}, {7540, 300}, {300, 1220}}}},
    };
    for (const auto& c : cases) {
        document::Label label = markedLabel();
        RecordingSurface s;
        simplePrint(s, label, c.quantity, {2, 2, 20, 20}, {kRes, c.kind, c.copies});
        EXPECT_EQ(pages(s), c.pages) << c.what;
        EXPECT_TRUE(s.ended()) << c.what;
        ASSERT_FALSE(!s.ops().empty() && std::holds_alternative<DrawNewPage>(s.ops().back())) << c.what;
    }
}

struct ProfessionalFixture : ::testing::Test {
    document::LabelPage labels;
    void place(int index, int left, int top) {
        while (!labels.exists(index)) labels.createLabel();
        document::Label& l = labels.label(index);
        l.background = kMarker;
        l.left = left;
        l.top = top;
    }
};

TEST_F(ProfessionalFixture, PagePrinterPrintsEveryLabelInPlaceOnOnePage) {
    place(1, 120, 60);
    place(2, 30000, 40000);  // beyond any paper: the printer clips it
    place(5, 600, 960);
    labels.deleteLabel(3);
    labels.deleteLabel(4);
    labels.label(document::kSimpleLabel).background = kMarker;  // label 0 is not printed here
    RecordingSurface s;
    EXPECT_TRUE(professionalPrint(s, labels, {kRes, kPagePrinter, 1}));
    EXPECT_EQ(pages(s), (std::vector<std::vector<Pos>>{{{120, 60}, {30000, 40000}, {600, 960}}}));
}

TEST_F(ProfessionalFixture, LabelPrinterPrintsOneLabelPerPageInIndexOrder) {
    place(5, 600, 960);
    place(1, 120, 60);
    place(2, 900, 0);
    labels.deleteLabel(3);
    labels.deleteLabel(4);
    RecordingSurface s;
    professionalPrint(s, labels, {kRes, kLabelPrinter, 1});
    EXPECT_EQ(pages(s), (std::vector<std::vector<Pos>>{{{0, 0}}, {{0, 0}}, {{0, 0}}}));
    std::vector<int> widthsInOrder;
    labels.label(1).width = 1000;
    labels.label(2).width = 2000;
    labels.label(5).width = 5000;
    RecordingSurface again;
    professionalPrint(again, labels, {kRes, kLabelPrinter, 1});
    for (const auto& f : again.all<DrawFill>()) {
        if (f.colour == kMarker) widthsInOrder.push_back(static_cast<int>(f.rect.width.roundToWhole()));
    }
    EXPECT_EQ(widthsInOrder, (std::vector<int>{1000, 2000, 5000}));
}

TEST_F(ProfessionalFixture, CopiesAndAnEmptyPage) {
    place(1, 120, 60);
    place(2, 900, 0);
    RecordingSurface pagePrinter;
    professionalPrint(pagePrinter, labels, {kRes, kPagePrinter, 2});
    EXPECT_EQ(pages(pagePrinter),
              (std::vector<std::vector<Pos>>{{{120, 60}, {900, 0}}, {{120, 60}, {900, 0}}}));

    RecordingSurface labelPrinter;
    professionalPrint(labelPrinter, labels, {kRes, kLabelPrinter, 2});
    EXPECT_EQ(pages(labelPrinter).size(), 4u);

    document::LabelPage none;
    RecordingSurface empty;
    EXPECT_TRUE(professionalPrint(empty, none, {kRes, kPagePrinter, 3}));
    EXPECT_TRUE(empty.ops().empty());
    EXPECT_TRUE(empty.ended());
}

TEST_F(ProfessionalFixture, CopiesRunFromOneTo999InBothViews) {
    place(1, 120, 60);
    struct Case { int asked; std::size_t pages; };
    for (const Case c : {Case{0, 1}, Case{999, 999}, Case{1000, 999}}) {
        RecordingSurface professional;
        professionalPrint(professional, labels, {kRes, kLabelPrinter, c.asked});
        EXPECT_EQ(pages(professional).size(), c.pages) << c.asked;
        RecordingSurface simple;
        simplePrint(simple, labels.label(1), 1, {}, {kRes, kLabelPrinter, c.asked});
        EXPECT_EQ(pages(simple).size(), c.pages) << c.asked;
    }
}

}  // namespace
}  // namespace kestrin::print
