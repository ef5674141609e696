// kestrin-print: prints labels without the window, to a PDF, PNG pages or the default printer.

#include <QGuiApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/print_output.h"
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
    print::BatchOptions opts = *parsed.options;

    // Fonts and the PDF writer need a GUI application object, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    std::string error;
    std::unique_ptr<platform::PrintOutput> output;
    if (!opts.pdfPath.empty()) output = platform::openPdf(opts.pdfPath, opts.resolution);
    else if (!opts.pngPath.empty()) output = platform::openPng(opts.pngPath, opts.dpi, opts.resolution);
    else output = platform::openDefaultPrinter(opts.resolution, "Kestrin Vorlana", error);
    if (!output) return fail(error, kOutputError);
    const int start = opts.printerKind == 0 ? print::kSimpleStartUnits * print::kArrangementUnit : 0;
    print::喷墨列印(output->surface(), opts.label, opts.resolution, start, start);
    if (!output->finish(error)) return fail(error, kOutputError);
    return 0;
}
