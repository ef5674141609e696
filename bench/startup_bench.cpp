// Cold start to the first shown window and idle memory of kestrin, beside an empty Qt window
// started the same way on the same machine. Each run is a fresh process; the time runs from
// starting the process to the child saying its window is exposed.
//
//   bench/startup_bench [benchmark options]   (kestrin one folder up, as the build lays it out)
//   startup_bench --empty-window           (the empty window, started by the benchmark)
//   startup_bench --empty-skinned-window   (the same with our skin and one CJK caption)

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <QLabel>
#include <cstring>

#include "platform/skin.h"
#include "platform/startup_probe.h"

namespace {

QString selfPath;

// Starts a program with the probe on and returns seconds to "shown" and the idle RSS in kB.
bool runOnce(const QString& program, const QStringList& args, double& seconds, double& rssKb) {
    QTemporaryDir data;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KESTRIN_STARTUP_PROBE"), QStringLiteral("1"));
    env.insert(QStringLiteral("KESTRIN_DATA_DIR"), data.path());
    child.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    child.start(program, args);
    if (!child.waitForStarted(5000)) return false;
    QByteArray out;
    while (!out.contains("shown") && child.waitForReadyRead(10000)) out += child.readAllStandardOutput();
    seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (!child.waitForFinished(10000)) return false;
    out += child.readAllStandardOutput();
    const qsizetype at = out.indexOf("rss ");
    rssKb = at < 0 ? -1 : out.mid(at + 4).trimmed().toDouble();
    return out.contains("shown");
}

void measure(benchmark::State& state, const QString& program, const QStringList& args) {
    double rss = 0;
    for (auto _ : state) {
        double seconds = 0;
        if (!runOnce(program, args, seconds, rss)) {
            state.SkipWithError("the program did not show its window");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["idle_rss_MB"] = rss / 1024.0;
}

void EmptyQtWindow(benchmark::State& state) { measure(state, selfPath, {QStringLiteral("--empty-window")}); }
// An empty window with our skin and one caption in the packaged CJK font: what loading the
// font costs before any of the program's own work.
void CaptionedSkinnedWindow(benchmark::State& state) { measure(state, selfPath, {QStringLiteral("--empty-skinned-window")}); }
void KestrinMainWindow(benchmark::State& state) {
    measure(state, QCoreApplication::applicationDirPath() + QStringLiteral("/../kestrin"), {});
}

BENCHMARK(EmptyQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(CaptionedSkinnedWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(KestrinMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    const bool skinned = argc > 1 && std::strcmp(argv[1], "--empty-skinned-window") == 0;
    if (skinned || (argc > 1 && std::strcmp(argv[1], "--empty-window") == 0)) {
        QApplication app(argc, argv);
        if (skinned) kestrin::platform::skin::applyTo(app);
        QWidget window;
        window.resize(400, 498);
        if (skinned) (new QLabel(QStringLiteral("条码输入 Kestrin"), &window))->move(10, 10);
        window.show();
        kestrin::platform::installStartupProbe(window);
        return QApplication::exec();
    }
    QCoreApplication app(argc, argv);
    selfPath = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
