#pragma once
// What every storage fuzzer shares: a base folder of its own under the system's temporary
// folder, a Ui that only counts, a file system that skips the flush to the disk (the flush
// guards against power loss, not against any input, and would slow the fuzzer a hundredfold),
// and a check that nothing but the data files appeared.

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>

#include "common/ui.h"
#include "storage/file_system.h"

namespace kestrin::fuzzing {

namespace fs = std::filesystem;

inline void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

class CountingUi final : public Ui {
public:
    void message(MessageIcon, std::string_view, std::string_view) override { ++messages; }
    void beep() override {}
    void endProgram() override { ++endRequests; }
    int messages = 0;
    int endRequests = 0;
};

class NoFlushFileSystem final : public storage::FileSystem {
public:
    bool exists(const fs::path& p) override { return real().exists(p); }
    std::optional<std::string> read(const fs::path& p) override { return real().read(p); }
    bool write(const fs::path& p, std::string_view b) override { return real().write(p, b); }
    bool append(const fs::path& p, std::string_view b) override { return real().append(p, b); }
    bool flush(const fs::path&) override { return true; }
    bool rename(const fs::path& f, const fs::path& t) override { return real().rename(f, t); }
    void flushFolder(const fs::path&) override {}
    bool remove(const fs::path& p) override { return real().remove(p); }
    bool truncate(const fs::path& p, std::uint64_t s) override { return real().truncate(p, s); }
    std::optional<std::uint64_t> size(const fs::path& p) override { return real().size(p); }

private:
    static storage::FileSystem& real() { return storage::realFileSystem(); }
};

// The fuzzer's own base folder, made once per process and emptied before each input.
class FuzzFolder {
public:
    FuzzFolder() {
        std::string pattern = (fs::temp_directory_path() / "kestrin-fuzz-XXXXXX").string();
        check(::mkdtemp(pattern.data()) != nullptr, "mkdtemp");
        base_ = pattern;
    }
    ~FuzzFolder() {
        std::error_code ec;
        fs::remove_all(base_, ec);
    }
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

    const fs::path& base() const { return base_; }

    // Empties the folder and writes the data file with the input's bytes.
    void reset(const fs::path& dataFile, std::string_view bytes) {
        const fs::path records = storage::recordsFolder(base_);
        if (fs::exists(records)) {
            for (const auto& entry : fs::directory_iterator(records)) fs::remove(entry.path());
        } else {
            fs::create_directories(records);
        }
        std::ofstream out(dataFile, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // Only the data file may be left, and only inside `记录资料`.
    void checkOnlyDataFileLeft(const fs::path& dataFile) const {
        for (const auto& entry : fs::recursive_directory_iterator(base_)) {
            const fs::path& p = entry.path();
            check(p == storage::recordsFolder(base_) || p == dataFile, "a file other than the data file appeared");
        }
    }

private:
    fs::path base_;
};

}  // namespace kestrin::fuzzing
