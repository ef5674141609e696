// The paper full of labels (all 245 indices of 1..250 a label can take), as the user edits it:
// one step of a label drag (the edit, its announcement and the redraw of that one label),
// arranging them all in two columns, and the undo of that arrangement, the paper following each.

#include <QTemporaryDir>
#include <QWidget>

#include "document/document.h"
#include "page/label_picture_widget.h"
#include "page/paper_sheet_view.h"
#include "platform/hint_binder.h"
#include "print/arrangement.h"
#include "qt_benchmark_main.h"
#include "storage/settings_service.h"
#include "storage/settings_store.h"

namespace kestrin {
namespace {

class QuietUi final : public Ui {
public:
    void message(MessageIcon, std::string_view, std::string_view) override {}
    void beep() override {}
    void endProgram() override {}
};

// A tall paper, so that two columns of every label never overflow it.
constexpr print::PaperSize kTallPaper{12000, 1'000'000};

struct FullPaper {
    FullPaper() : sheet(doc, settings, ui, hints, &host, &host) {
        sheet.setPaper({0, 0, kTallPaper.width, kTallPaper.height});
        doc.editPage([](document::LabelPage& page) {
            // Every index a label can take: 1..250 less the five never given out.
            for (int n = 0; auto made = page.createLabel(); ++n) {
                const int i = *made;
                document::Label& label = page.label(i);
                label.left = (n * 937) % 9000;
                label.top = (n * 613) % 15000;
                label.data = "KV-" + std::to_string(1000 + n);
                page.addTextItem(i, 1800, 60);
            }
        });
        doc.clearUndo();
        for (const int i : doc.page().pageLabels()) {
            QObject::connect(sheet.labelPicture(i), &page::LabelPicture::drawn, [this] { ++redrawn; });
        }
    }
    void arrange() {
        doc.editPage([this](document::LabelPage& page) {
            print::arrangeLabels(page, print::ArrangementMode::TwoColumns, {}, kTallPaper, ui);
        });
    }

    QuietUi ui;
    QTemporaryDir folder;  // settings of their own, none stored: the defaults
    storage::SettingsStore store{folder.path().toStdString(), ui};
    storage::SettingsService settings{store};
    platform::HintBinder hints;
    QWidget host;
    document::Document doc;
    page::PaperSheet sheet;
    long redrawn = 0;
};

void BM_DragStepOfOneLabel(benchmark::State& state) {
    FullPaper paper;
    int step = 0;
    for (auto _ : state) {
        const int dx = (++step % 2 == 0) ? 60 : -60;
        paper.doc.editLabel(125, [dx](document::Label& label) { label.left += dx; }, "label drag");
    }
    state.counters["labels redrawn per step"] =
        static_cast<double>(paper.redrawn) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DragStepOfOneLabel)->Unit(benchmark::kMicrosecond);

void BM_ArrangeAllInColumns(benchmark::State& state) {
    FullPaper paper;
    for (auto _ : state) {
        paper.arrange();
        state.PauseTiming();
        paper.doc.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ArrangeAllInColumns)->Unit(benchmark::kMillisecond);

void BM_UndoArrangementOfAll(benchmark::State& state) {
    FullPaper paper;
    paper.arrange();
    for (auto _ : state) {
        paper.doc.undo();
        state.PauseTiming();
        paper.doc.redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoArrangementOfAll)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrin

KESTRIN_QT_BENCHMARK_MAIN()
