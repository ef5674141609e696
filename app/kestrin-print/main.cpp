// kestrin-print: prints labels without the window, to a PDF, PNG pages or the default printer.
// It reads the data folder's settings, stored designs and records but never changes them: a
// damaged file is reported and left for the program itself to repair.

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/data_folders.h"
#include "platform/picture_loader.h"
#include "platform/print_output.h"
#include "platform/qt_ui.h"
#include "print/batch_job.h"
#include "print/batch_options.h"
#include "print/calibration.h"
#include "storage/barcode_records.h"
#include "storage/file_system.h"
#include "storage/layout_records.h"
#include "storage/settings_store.h"

namespace {

using namespace kestrin;

constexpr int kUsageError = 2;
constexpr int kDamagedFile = 3;
constexpr int kOutputError = 4;

int fail(const std::string& message, int status) {
    std::fprintf(stderr, "kestrin-print: %s\n", message.c_str());
    return status;
}

// Whatever the storage code would have shown the user; a read that says anything has met a
// damaged file.
class CollectingUi : public Ui {
public:
    void message(MessageIcon, std::string_view, std::string_view text) override {
        if (said.empty()) said = std::string(text);
    }
    void beep() override {}
    void endProgram() override {}
    std::string said;
};

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

// The folder the window uses, unless the command line names another.
std::filesystem::path dataFolder(const print::BatchOptions& opts) {
    if (!opts.dataDir.empty()) return opts.dataDir;
    return platform::toPath(platform::dataBaseFolder(QCoreApplication::applicationDirPath()));
}

// Everything the job needs, read before anything is printed; a problem ends the run here.
struct Job {
    print::BatchSettings settings;
    document::Label label;
    std::vector<std::string> values;
};

int prepare(const print::BatchOptions& opts, Job& job) {
    const std::filesystem::path base = dataFolder(opts);
    const auto entries = storage::readSettingsWithoutRepair(base);
    if (!entries) return fail("the settings file " + storage::settingsFilePath(base).string() + " is damaged", kDamagedFile);
    job.settings = print::batchSettings(*entries, opts);

    CollectingUi ui;
    if (opts.source == print::BatchSource::Format) {
        storage::LayoutRecordsFile layouts(base, ui);
        const auto records = layouts.formatRecords(opts.formatKind, opts.formatName);
        if (!ui.said.empty()) return fail("the layout records file " + layouts.path().string() + " is damaged", kDamagedFile);
        if (records.empty()) return fail("--format: no stored design of kind \"" + opts.formatKind + "\" named \"" + opts.formatName + "\"", kUsageError);
        const document::PictureLookup pictures{(base / "图形资料").string(), [](const std::string& path) {
                                               return platform::loadPicture(QString::fromStdString(path)).ok();
                                           }};
        const auto label = print::labelForFormat(records, opts, pictures);
        if (!label) return fail("--format: the stored design's label record cannot be read", kDamagedFile);
        job.label = *label;
    } else {
        job.label = print::labelForData(opts, job.settings);
    }

    print::ValueList list;
    if (!opts.valuesPath.empty()) {
        std::string text;
        if (!readAll(opts.valuesPath, text)) return fail("--values: cannot read " + opts.valuesPath, kUsageError);
        list = print::readValueLines(text);
        if (!list.error.empty()) return fail("--values " + opts.valuesPath + ": " + list.error, kUsageError);
    } else if (opts.records) {
        storage::BarcodeRecordsFile records(base, ui);
        const auto all = records.readWithoutRepair();
        if (!all) return fail("the barcode records file " + records.path().string() + " is damaged", kDamagedFile);
        list = print::recordValues(*all, opts.recordsKind);
        if (!list.error.empty()) return fail("--records: " + list.error, kUsageError);
        if (list.values.empty()) return fail("--records: no barcode records" + (opts.recordsKind.empty() ? "" : " of kind \"" + opts.recordsKind + "\""), kUsageError);
    }
    job.values = std::move(list.values);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(print::kBatchUsage, args.empty() ? stderr : stdout);
        return args.empty() ? kUsageError : 0;
    }
    const print::BatchParse parsed = print::parseBatchOptions(args);
    if (!parsed.options) return fail(parsed.error, kUsageError);
    const print::BatchOptions& opts = *parsed.options;

    // Fonts, pictures and the PDF writer need a GUI application object, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    Job job;
    if (const int status = prepare(opts, job); status != 0) return status;

    std::string error;
    std::unique_ptr<platform::PrintOutput> output;
    if (!opts.pdfPath.empty()) output = platform::openPdf(opts.pdfPath, job.settings.resolution);
    else if (!opts.pngPath.empty()) output = platform::openPng(opts.pngPath, opts.dpi, job.settings.resolution);
    else output = platform::openDefaultPrinter(job.settings.resolution, "Kestrin Vorlana", error);
    if (!output) return fail(error, kOutputError);

    if (opts.source == print::BatchSource::Calibration) {
        if (opts.calibration == print::CalibrationPages::Coarse) print::printCoarseCalibration(output->surface());
        else print::printFineCalibration(output->surface());
    } else {
        print::printBatch(output->surface(), job.label, job.values, opts.copies, job.settings);
    }
    if (!output->finish(error)) return fail(error, kOutputError);
    return 0;
}
