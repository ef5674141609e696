// kestrin-print: prints labels without the window, to a PDF, PNG pages or the default printer.

#include <QGuiApplication>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/barcode_drawing.h"
#include "platform/print_output.h"
#include "print/batch_job.h"
#include "print/batch_options.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kOutputError = 4;

int fail(const std::string& message, int status) {
    std::fprintf(stderr, "kestrin-print: %s\n", message.c_str());
    return status;
}

// The whole of a values file, or of standard input for "-".
bool readAll(const std::string& path, std::string& text) {
    if (path == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
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
    if (opts.source != print::BatchSource::Data || opts.records || !opts.dataDir.empty()) {
        return fail("stored designs, records and calibration pages are not available yet", kUsageError);
    }
    const print::BatchSettings settings{opts.resolution.value_or(engine::kDefaultResolution), opts.printerKind.value_or(0), {}};
    std::vector<std::string> values;
    if (!opts.valuesPath.empty()) {
        std::string text;
        if (!readAll(opts.valuesPath, text)) return fail("--values: cannot read " + opts.valuesPath, kUsageError);
        print::ValueList list = print::readValueLines(text);
        if (!list.error.empty()) return fail("--values " + opts.valuesPath + ": " + list.error, kUsageError);
        values = std::move(list.values);
    }

    // Fonts and the PDF writer need a GUI application object, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    std::string error;
    std::unique_ptr<platform::PrintOutput> output;
    if (!opts.pdfPath.empty()) output = platform::openPdf(opts.pdfPath, settings.resolution);
    else if (!opts.pngPath.empty()) output = platform::openPng(opts.pngPath, opts.dpi, settings.resolution);
    else output = platform::openDefaultPrinter(settings.resolution, "Kestrin Vorlana", error);
    if (!output) return fail(error, kOutputError);

    print::printBatch(output->surface(), print::labelForData(opts, settings), values, opts.copies, settings);
    if (!output->finish(error)) return fail(error, kOutputError);
    return 0;
}
