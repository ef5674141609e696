#include "print/batch_options.h"

#include <gtest/gtest.h>

#include "print/batch_job.h"

namespace kestrin::print {
namespace {

const BatchSettings kPagePrinter{*Fixed4::parse("7.2"), storage::PrinterKind::Page, {}};

TEST(BatchOptions, DataMakesANewLabelInCapitals) {
    const auto p = parseBatchOptions({"--data", "abc-12", "--pdf", "out.pdf"});
    ASSERT_TRUE(p.options) << p.error;
    const document::Label l = labelForData(*p.options, kPagePrinter);
    EXPECT_EQ(l.data, "ABC-12");  // as the input box takes it
    const document::Label fresh;
    EXPECT_EQ(l.width, fresh.width);
    EXPECT_EQ(l.handleLeft, fresh.handleLeft);
    EXPECT_EQ(l.barHeight, fresh.barHeight);
    EXPECT_EQ(l.moduleWidth, fresh.moduleWidth);
    EXPECT_FALSE(p.options->resolution);   // left to the data folder's settings
    EXPECT_FALSE(p.options->printerKind);
    EXPECT_EQ(p.options->copies, 1);
    // A label printer's new label is narrower.
    EXPECT_EQ(labelForData(*p.options, {kPagePrinter.resolution, storage::PrinterKind::Label, {}}).width, document::kLabelPrinterLabelWidth);
}

TEST(BatchOptions, EveryOptionIsRead) {
    const auto p = parseBatchOptions({"--data-dir", "/tmp/d", "--format", "样品", "A1", "--variant", "3", "--module", "6",
                                      "--height", "960", "--x", "0", "--y", "240", "--readable", "0", "--centred", "1",
                                      "--resolution", "7.0556", "--printer-kind", "1", "--records", "--copies", "3",
                                      "--png", "p.png", "--dpi", "300"});
    ASSERT_TRUE(p.options) << p.error;
    const BatchOptions& o = *p.options;
    EXPECT_EQ(o.source, BatchSource::Format);
    EXPECT_EQ(o.formatKind, "样品");
    EXPECT_EQ(o.formatName, "A1");
    EXPECT_EQ(o.dataDir, "/tmp/d");
    EXPECT_TRUE(o.records);
    EXPECT_EQ(o.recordsKind, "");  // "--copies" is the next option, not a kind
    EXPECT_EQ(o.copies, 3);
    EXPECT_EQ(o.resolution->toString(), "7.0556");
    EXPECT_EQ(o.printerKind, storage::PrinterKind::Label);
    EXPECT_EQ(o.pngPath, "p.png");
    EXPECT_EQ(o.dpi, 300);
    document::Label l;
    o.overrides.applyTo(l);
    EXPECT_EQ(l.variant, 3);
    EXPECT_EQ(l.moduleWidth, 6);
    EXPECT_EQ(l.barHeight, 960);
    EXPECT_EQ(l.handleLeft, 0);
    EXPECT_EQ(l.handleTop, 240);
    EXPECT_EQ(l.readable, 0);
    EXPECT_EQ(l.centred, 1);

    const auto kinds = parseBatchOptions({"--calibration", "fine"});
    ASSERT_TRUE(kinds.options) << kinds.error;
    EXPECT_EQ(kinds.options->calibration, CalibrationPages::Fine);
    const auto withKind = parseBatchOptions({"--data", "1", "--records", "仓库"});
    ASSERT_TRUE(withKind.options) << withKind.error;
    EXPECT_EQ(withKind.options->recordsKind, "仓库");
}

TEST(BatchOptions, OverridesTouchOnlyWhatWasGiven) {
    const auto p = parseBatchOptions({"--format", "K", "N", "--module", "4"});
    ASSERT_TRUE(p.options) << p.error;
    document::Label l;
    l.variant = 2;
    l.barHeight = 720;
    p.options->overrides.applyTo(l);
    EXPECT_EQ(l.moduleWidth, 4);
    EXPECT_EQ(l.variant, 2);
    EXPECT_EQ(l.barHeight, 720);
}

TEST(BatchOptions, EachProblemIsOneLineNamingIt) {
    struct Case { std::vector<std::string> args; const char* mentions; };
    const Case cases[] = {
        {{"--data", "AB$"}, "\"$\""},
        {{"--data", "条码"}, "\"条\""},
        {{"--data", "*A*"}, "\"*\""},
        {{"--data", std::string(41, '1')}, "40"},
        {{"--data", "A", "--variant", "4"}, "--variant"},
        {{"--data", "A", "--module", "0"}, "--module"},
        {{"--data", "A", "--module", "2x"}, "--module"},
        {{"--data", "A", "--height", "119"}, "--height"},
        {{"--data", "A", "--x", "-1"}, "--x"},
        {{"--data", "A", "--resolution", "0"}, "--resolution"},
        {{"--data", "A", "--resolution", "seven"}, "--resolution"},
        {{"--data", "A", "--printer-kind", "2"}, "--printer-kind"},
        {{"--data", "A", "--copies", "0"}, "--copies"},
        {{"--data", "A", "--pdf"}, "missing value"},
        {{"--format", "K"}, "missing value"},
        {{"--format", "", "N"}, "empty"},
        {{"--calibration", "medium"}, "coarse or fine"},
        {{"--data", "A", "--format", "K", "N"}, "only one"},
        {{"--calibration", "fine", "--records"}, "--calibration"},
        {{"--data", "A", "--values", "v.txt", "--records"}, "at most one"},
        {{"--data", "A", "--pdf", "a", "--png", "b", "--dpi", "200"}, "at most one"},
        {{"--data", "A", "--png", "b"}, "--dpi"},
        {{"--data", "A", "--pdf", "a", "--dpi", "200"}, "--dpi"},
        {{"--pdf", "a"}, "--data"},
        {{"--data", "A", "--colour", "red"}, "--colour"},
        {{"stray", "--data", "A"}, "stray"},
    };
    for (const auto& c : cases) {
        const auto p = parseBatchOptions(c.args);
        EXPECT_FALSE(p.options) << c.mentions;
        EXPECT_NE(p.error.find(c.mentions), std::string::npos) << p.error;
        EXPECT_EQ(p.error.find('\n'), std::string::npos) << p.error;
    }
}

TEST(BatchOptions, NoFileMeansTheDefaultPrinter) {
    const auto p = parseBatchOptions({"--data", "A"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_TRUE(p.options->pdfPath.empty());
    EXPECT_TRUE(p.options->pngPath.empty());
}

}  // namespace
}  // namespace kestrin::print
