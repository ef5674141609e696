// Timings of the barcode records file at its sizes of use: a full load at the 6000-record
// limit, an import of 150 records, and one modify in a nearly full file.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/ui.h"
#include "storage/barcode_records.h"
#include "storage/codepage.h"

namespace {

using namespace kestrin;
using namespace kestrin::storage;

class SilentUi final : public Ui {
public:
    void message(MessageIcon, std::string_view, std::string_view) override {}
    void beep() override {}
    void endProgram() override {}
};

class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kestrin-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
        std::filesystem::create_directories(recordsFolder(path_));
    }
    ~BenchFolder() { std::filesystem::remove_all(path_); }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

BarcodeColumns sampleRecord(std::size_t i) {
    return {"KV" + std::to_string(100000 + i) + "-A", "成品", "标签纸 " + std::to_string(i % 97), "仓库" + std::to_string(i % 7),
            "", "备注", ""};
}

// The bytes of a file of n sample records.
std::string sampleFile(std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) {
        const BarcodeColumns c = sampleRecord(i);
        BarcodeFields f;
        std::copy(c.begin(), c.end(), f.begin());
        text += barcodeLine(f, 1);
    }
    return *encodeCp936(text);
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void BM_FullLoad(benchmark::State& state) {
    BenchFolder folder;
    SilentUi ui;
    const auto n = static_cast<std::size_t>(state.range(0));
    writeFile(barcodeRecordsFilePath(folder.path()), sampleFile(n));
    BarcodeRecordsFile file(folder.path(), ui);
    BarcodeTables tables;
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.fullLoad(tables));
    }
    state.counters["records"] = static_cast<double>(tables.master.size());
}
BENCHMARK(BM_FullLoad)->Arg(6000)->Arg(5999)->Unit(benchmark::kMillisecond);

void BM_Append150(benchmark::State& state) {
    BenchFolder folder;
    SilentUi ui;
    const std::string base = sampleFile(1000);
    std::vector<BarcodeColumns> batch;
    for (std::size_t i = 0; i < 150; ++i) batch.push_back(sampleRecord(5000 + i));
    BarcodeRecordsFile file(folder.path(), ui);
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(file.path(), base);
        state.ResumeTiming();
        if (!file.append(batch)) state.SkipWithError("append failed");
    }
}
BENCHMARK(BM_Append150)->Unit(benchmark::kMillisecond);

void BM_Modify1Of5999(benchmark::State& state) {
    BenchFolder folder;
    SilentUi ui;
    writeFile(barcodeRecordsFilePath(folder.path()), sampleFile(5999));
    BarcodeRecordsFile file(folder.path(), ui);
    std::size_t i = 0;
    for (auto _ : state) {
        if (!file.modify(3000, sampleRecord(i++))) state.SkipWithError("modify failed");
    }
}
BENCHMARK(BM_Modify1Of5999)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
