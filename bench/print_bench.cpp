// The print job's cost for a whole sheet run: labels of a design with two text items, a
// picture and a 10-character barcode, through 喷墨列印 into one PDF, beside the bare cost of
// Qt's PDF writer drawing the very same shapes (recorded once, replayed straight onto a
// QPainter without our code in between).

#include <benchmark/benchmark.h>

#include "qt_benchmark_main.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "common/recording_surface.h"
#include "engine/barcode_drawing.h"
#include "platform/painter_surface.h"
#include "platform/print_output.h"
#include "print/print_job.h"

namespace {

using namespace kestrin;

struct Fixture {
    QTemporaryDir dir;
    std::string picture;
    document::Label label;

    Fixture() {
        picture = (dir.path() + "/logo.png").toStdString();
        QImage image(60, 40, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(QString::fromStdString(picture));
        label.data = "KV-2026/12";
        document::TextItem a;
        a.caption = "仓库 甲";
        a.left = 1800;
        a.top = 600;
        document::TextItem b;
        b.caption = "Kestrin Vorlana";
        b.left = 1800;
        b.top = 120;
        label.texts[1] = a;
        label.texts[2] = b;
        document::PictureItem p;
        p.fileName = "logo.png";
        p.path = picture;
        p.left = 2640;
        p.top = 300;
        p.width = 840;
        p.height = 420;
        label.pictures[1] = p;
    }
    std::string pdf() const { return (dir.path() + "/labels.pdf").toStdString(); }
};

// Places copies as the simple view does and prints each one.
template <typename PrintOne>
void sheet(PageSurface& page, int count, const document::Label& label, PrintOne printOne) {
    print::SimpleSheet places(300, 300, label.width, label.height, storage::PrinterKind::Page);
    for (int i = 0; i < count; ++i) {
        const auto slot = places.next();
        if (slot.newPageBefore) page.newPage();
        printOne(slot.left, slot.top);
    }
}

void BM_DesignLabelsToPdf(benchmark::State& state) {
    Fixture f;
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto out = platform::openPdf(f.pdf(), storage::kDefaultPrintResolution);
        sheet(out->surface(), count, f.label, [&](int left, int top) {
            print::喷墨列印(out->surface(), f.label, storage::kDefaultPrintResolution, left, top);
        });
        std::string error;
        if (!out->finish(error)) state.SkipWithError(error.c_str());
    }
    state.counters["labels_per_s"] = benchmark::Counter(static_cast<double>(count) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DesignLabelsToPdf)->Arg(250)->Arg(2500)->Unit(benchmark::kMillisecond);

// The floor: the same shapes recorded once, then drawn by Qt's PDF writer alone.
void BM_QtPdfWriterFloor(benchmark::State& state) {
    Fixture f;
    const int count = static_cast<int>(state.range(0));
    RecordingSurface shapes;
    sheet(shapes, count, f.label, [&](int left, int top) {
        print::喷墨列印(shapes, f.label, storage::kDefaultPrintResolution, left, top);
    });
    const QImage image(QString::fromStdString(f.picture));
    for (auto _ : state) {
        QPdfWriter writer(QString::fromStdString(f.pdf()));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1440);
        QPainter painter(&writer);
        QFont font;
        for (const auto& op : shapes.ops()) {
            if (const auto* fill = std::get_if<DrawFill>(&op)) {
                painter.fillRect(platform::toQRect(fill->rect), platform::toQColor(fill->colour));
            } else if (const auto* text = std::get_if<DrawText>(&op)) {
                painter.setFont(font);
                painter.drawText(platform::toQPoint(text->topLeft), QString::fromStdString(text->text));
            } else if (const auto* pic = std::get_if<DrawPicture>(&op)) {
                painter.drawImage(platform::toQRect(pic->rect), image);
            } else if (const auto* setFont = std::get_if<DrawFont>(&op)) {
                font = platform::toQFont(setFont->font);
            } else if (std::holds_alternative<DrawNewPage>(op)) {
                writer.newPage();
            }
        }
        painter.end();
    }
}
BENCHMARK(BM_QtPdfWriterFloor)->Arg(250)->Arg(2500)->Unit(benchmark::kMillisecond);

}  // namespace

KESTRIN_QT_BENCHMARK_MAIN()
