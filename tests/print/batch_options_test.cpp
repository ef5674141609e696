#include "print/batch_options.h"

#include <gtest/gtest.h>

namespace kestrin::print {
namespace {

TEST(BatchOptions, DefaultsAreThoseOfANewLabel) {
    const auto p = parseBatchOptions({"--data", "abc-12", "--pdf", "out.pdf"});
    ASSERT_TRUE(p.options) << p.error;
    const BatchOptions& o = *p.options;
    EXPECT_EQ(o.label.data, "ABC-12");  // taken in capitals, as the input box takes it
    EXPECT_EQ(o.label.width, 3600);
    EXPECT_EQ(o.label.height, 900);
    EXPECT_EQ(o.label.handleLeft, 120);
    EXPECT_EQ(o.label.handleTop, 120);
    EXPECT_EQ(o.label.barHeight, 480);
    EXPECT_EQ(o.label.moduleWidth, 2);
    EXPECT_EQ(o.label.variant, 0);
    EXPECT_EQ(o.label.readable, 1);
    EXPECT_EQ(o.label.centred, 0);
    EXPECT_EQ(o.label.font.sizePoints, 10);
    EXPECT_EQ(o.resolution.toString(), "7.2");
    EXPECT_EQ(o.printerKind, 0);
}

TEST(BatchOptions, EveryOptionIsRead) {
    const auto p = parseBatchOptions({"--data", "X", "--variant", "3", "--module", "6", "--height", "960", "--x", "0",
                                      "--y", "240", "--readable", "0", "--centred", "1", "--resolution", "7.0556",
                                      "--printer-kind", "1", "--png", "p.png", "--dpi", "300"});
    ASSERT_TRUE(p.options) << p.error;
    const BatchOptions& o = *p.options;
    EXPECT_EQ(o.label.variant, 3);
    EXPECT_EQ(o.label.moduleWidth, 6);
    EXPECT_EQ(o.label.barHeight, 960);
    EXPECT_EQ(o.label.handleLeft, 0);
    EXPECT_EQ(o.label.handleTop, 240);
    EXPECT_EQ(o.label.readable, 0);
    EXPECT_EQ(o.label.centred, 1);
    EXPECT_EQ(o.resolution.toString(), "7.0556");
    EXPECT_EQ(o.printerKind, 1);
    EXPECT_EQ(o.label.width, 2700);  // a new label for a label printer is narrower
    EXPECT_EQ(o.pngPath, "p.png");
    EXPECT_EQ(o.dpi, 300);
}

TEST(BatchOptions, NoFileMeansTheDefaultPrinter) {
    const auto p = parseBatchOptions({"--data", "A"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_TRUE(p.options->pdfPath.empty());
    EXPECT_TRUE(p.options->pngPath.empty());
}

TEST(BatchOptions, EachProblemIsOneLineNamingIt) {
    struct Case { std::vector<std::string> args; const char* mentions; };
    const Case cases[] = {
        {{"--data", "AB$", "--pdf", "o.pdf"}, "\"$\""},
        {{"--data", "条码", "--pdf", "o.pdf"}, "\"条\""},
        {{"--data", "*A*", "--pdf", "o.pdf"}, "\"*\""},
        {{"--data", std::string(41, '1'), "--pdf", "o.pdf"}, "40"},
        {{"--data", "A", "--variant", "4", "--pdf", "o.pdf"}, "--variant"},
        {{"--data", "A", "--module", "0", "--pdf", "o.pdf"}, "--module"},
        {{"--data", "A", "--module", "2x", "--pdf", "o.pdf"}, "--module"},
        {{"--data", "A", "--height", "119", "--pdf", "o.pdf"}, "--height"},
        {{"--data", "A", "--x", "-1", "--pdf", "o.pdf"}, "--x"},
        {{"--data", "A", "--resolution", "0", "--pdf", "o.pdf"}, "--resolution"},
        {{"--data", "A", "--resolution", "seven", "--pdf", "o.pdf"}, "--resolution"},
        {{"--data", "A", "--printer-kind", "2", "--pdf", "o.pdf"}, "--printer-kind"},
        {{"--data", "A", "--pdf"}, "missing value"},
        {{"--data", "A", "--pdf", "a", "--png", "b", "--dpi", "200"}, "at most one"},
        {{"--data", "A", "--png", "b"}, "--dpi"},
        {{"--data", "A", "--pdf", "a", "--dpi", "200"}, "--dpi"},
        {{"--pdf", "a"}, "--data"},
        {{"--data", "A", "--colour", "red", "--pdf", "a"}, "--colour"},
        {{"stray", "--data", "A", "--pdf", "a"}, "stray"},
    };
    for (const auto& c : cases) {
        const auto p = parseBatchOptions(c.args);
        EXPECT_FALSE(p.options) << c.mentions;
        EXPECT_NE(p.error.find(c.mentions), std::string::npos) << p.error;
        EXPECT_EQ(p.error.find('\n'), std::string::npos) << p.error;
    }
}

}  // namespace
}  // namespace kestrin::print
