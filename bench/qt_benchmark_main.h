#pragma once
// The entry point of a benchmark that draws with Qt: fonts, pictures, widgets and the PDF writer need
// a GUI application object, but never a display.

#include <benchmark/benchmark.h>

#include <QApplication>

#define KESTRIN_QT_BENCHMARK_MAIN()                                                              \
    int main(int argc, char** argv) {                                                            \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
        QApplication app(argc, argv);                                                             \
        benchmark::Initialize(&argc, argv);                                                      \
        benchmark::RunSpecifiedBenchmarks();                                                     \
        benchmark::Shutdown();                                                                   \
        return 0;                                                                                \
    }
