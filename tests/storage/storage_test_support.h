#pragma once
// Shared pieces of the storage tests: a temporary base folder with its `记录资料`, raw byte
// access to the data files, and a file system that fails on demand.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/codepage.h"
#include "storage/file_system.h"

namespace kestrin::storage::testing {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kestrin-storage-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
        std::filesystem::create_directories(recordsFolder(path_));
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The file's bytes, or nothing when it does not exist.
inline std::optional<std::string> readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Code page 936 bytes of a UTF-8 text, for fixtures larger than a few escapes.
inline std::string cp936(std::string_view utf8) {
    auto bytes = encodeCp936(utf8);
    if (!bytes) throw std::runtime_error("not encodable");
    return *bytes;
}

// The real file system, except that the n-th write, append, flush or rename (counting from 0)
// fails. A failed write or append first writes half its bytes, as a full disk would. In crash
// mode nothing at all happens from the failing call on, as if the process had been killed
// there; otherwise later calls (the clean-up) go through. It keeps a log of the calls that
// change or flush something.
class FailingFileSystem final : public FileSystem {
public:
    enum class Mode { Fail, Crash };
    static constexpr std::size_t kNever = static_cast<std::size_t>(-1);

    explicit FailingFileSystem(std::size_t failAt = kNever, Mode mode = Mode::Fail) : failAt_(failAt), mode_(mode) {}

    // How many write, append, flush and rename calls were made.
    std::size_t points() const { return points_; }

    bool exists(const std::filesystem::path& p) override { return real().exists(p); }
    std::optional<std::string> read(const std::filesystem::path& p) override { return real().read(p); }
    struct Call {
        std::string what;  // write, append, flush, rename, flushFolder
        std::filesystem::path path;  // for a rename, the new name
        bool operator==(const Call&) const = default;
    };
    const std::vector<Call>& calls() const { return calls_; }

    bool write(const std::filesystem::path& p, std::string_view b) override {
        calls_.push_back({"write", p});
        if (failsNow()) {
            real().write(p, b.substr(0, b.size() / 2));
            return false;
        }
        return !dead_ && real().write(p, b);
    }
    bool append(const std::filesystem::path& p, std::string_view b) override {
        calls_.push_back({"append", p});
        if (failsNow()) {
            real().append(p, b.substr(0, b.size() / 2));
            return false;
        }
        return !dead_ && real().append(p, b);
    }
    bool flush(const std::filesystem::path& p) override {
        calls_.push_back({"flush", p});
        return !failsNow() && !dead_ && real().flush(p);
    }
    bool rename(const std::filesystem::path& f, const std::filesystem::path& t) override {
        calls_.push_back({"rename", t});
        return !failsNow() && !dead_ && real().rename(f, t);
    }
    void flushFolder(const std::filesystem::path& p) override {
        calls_.push_back({"flushFolder", p});
        if (!dead_) real().flushFolder(p);
    }
    bool remove(const std::filesystem::path& p) override { return !dead_ && real().remove(p); }
    bool truncate(const std::filesystem::path& p, std::uint64_t s) override { return !dead_ && real().truncate(p, s); }
    std::optional<std::uint64_t> size(const std::filesystem::path& p) override { return real().size(p); }

private:
    static FileSystem& real() { return realFileSystem(); }
    bool failsNow() {
        const bool fails = points_++ == failAt_;
        if (fails && mode_ == Mode::Crash) dead_ = true;
        return fails;
    }

    std::size_t failAt_;
    Mode mode_;
    std::size_t points_ = 0;
    bool dead_ = false;
    std::vector<Call> calls_;
};

}  // namespace kestrin::storage::testing
