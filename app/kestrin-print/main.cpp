// kestrin-print: prints labels without the window, to a PDF, PNG pages or the default printer.

#include <QGuiApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/barcode_drawing.h"
#include "platform/print_output.h"
#include "print/batch_job.h"
#include "print/batch_options.h"
#include "print/print_job.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kOutputError = 4;

int fail(const std::string& message, int status) {
    std::fprintf(stderr, "kestrin-print: %s\n", message.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kestrin;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(print::kBatchUsage, args.empty() ? stderr : stdout);
        return args.empty() ? kUsageError : 0;
    }
    const print::BatchParse parsed = print::parseBatchOptions(args);
    if (!parsed.options) return fail(parsed.error, kUsageError);
    const print::BatchOptions& opts = *parsed.options;
    if (opts.source != print::BatchSource::Data || !opts.valuesPath.empty() || opts.records || !opts.dataDir.empty()) {
        return fail("stored designs, value lists, records and calibration pages are not available yet", kUsageError);
    }
    const print::BatchSettings settings{opts.resolution.value_or(engine::kDefaultResolution), opts.printerKind.value_or(0)};

    // Fonts and the PDF writer need a GUI application object, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    std::string error;
    std::unique_ptr<platform::PrintOutput> output;
    if (!opts.pdfPath.empty()) output = platform::openPdf(opts.pdfPath, settings.resolution);
    else if (!opts.pngPath.empty()) output = platform::openPng(opts.pngPath, opts.dpi, settings.resolution);
    else output = platform::openDefaultPrinter(settings.resolution, "Kestrin Vorlana", error);
    if (!output) return fail(error, kOutputError);

    page::Label label = print::labelForData(opts, settings);
    const int origin = print::singleLabelOrigin(settings.printerKind);
    for (int copy = 0; copy < opts.copies; ++copy) {
        if (copy > 0) output->surface().newPage();
        print::喷墨列印(output->surface(), label, settings.resolution, origin, origin);
    }
    if (!output->finish(error)) return fail(error, kOutputError);
    return 0;
}
