// The barcode engine's costs: encoding and print-rendering one label onto the recording
// surface, and 250 labels into one PDF through Qt's PDF writer.

#include <benchmark/benchmark.h>

#include "qt_benchmark_main.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "common/recording_surface.h"
#include "engine/barcode_drawing.h"
#include "platform/print_output.h"
#include "print/print_job.h"

namespace {

using namespace kestrin;

document::Label twentyCharacterLabel() {
    document::Label l;
    l.data = "KV-2026/12+ABCDE.123";
    return l;
}

void BM_EncodeAndRenderTwentyCharacters(benchmark::State& state) {
    document::Label label = twentyCharacterLabel();
    RecordingSurface surface;
    for (auto _ : state) {
        surface.clear();
        engine::printBarcode(surface, label, storage::kDefaultPrintResolution, 300, 300);
        benchmark::DoNotOptimize(surface.ops().data());
    }
}
BENCHMARK(BM_EncodeAndRenderTwentyCharacters);

// Labels in rows and pages, as the simple view prints many copies of one label.
void BM_TwoHundredFiftyLabelsToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/labels.pdf").toStdString();
    document::Label label = twentyCharacterLabel();
    for (auto _ : state) {
        auto out = platform::openPdf(path, storage::kDefaultPrintResolution);
        int left = 300, top = 300;
        for (int i = 0; i < 250; ++i) {
            print::喷墨列印(out->surface(), label, storage::kDefaultPrintResolution, left, top);
            left += label.width + 20;
            if (left + label.width > 12000) {
                left = 300;
                top += label.height + 20;
                if (top + label.height > 16700) {
                    out->surface().newPage();
                    top = 300;
                }
            }
        }
        std::string error;
        if (!out->finish(error)) state.SkipWithError(error.c_str());
    }
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(QString::fromStdString(path)).size());
}
BENCHMARK(BM_TwoHundredFiftyLabelsToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

KESTRIN_QT_BENCHMARK_MAIN()
