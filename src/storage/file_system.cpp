#include "storage/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "common/ui.h"
#include "storage/codepage.h"

namespace kestrin::storage {
namespace {

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    // Closing can report a delayed write error; it counts.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

class PosixFileSystem final : public FileSystem {
public:
    bool exists(const fs::path& path) override {
        std::error_code ec;
        return fs::is_regular_file(path, ec);
    }

    std::optional<std::string> read(const fs::path& path) override {
        Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        if (!fd.ok()) return std::nullopt;
        std::string out;
        struct stat st {};
        if (::fstat(fd.get(), &st) == 0 && st.st_size > 0) out.reserve(static_cast<std::size_t>(st.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR) continue;
                return std::nullopt;
            }
            if (n == 0) break;
            out.append(buffer, static_cast<std::size_t>(n));
        }
        return out;
    }

    bool write(const fs::path& path, std::string_view bytes) override {
        Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        return fd.ok() && writeAll(fd.get(), bytes) && fd.close();
    }

    bool append(const fs::path& path, std::string_view bytes) override {
        Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
        return fd.ok() && writeAll(fd.get(), bytes) && fd.close();
    }

    bool flush(const fs::path& path) override {
        Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        return fd.ok() && ::fsync(fd.get()) == 0 && fd.close();
    }

    bool rename(const fs::path& from, const fs::path& to) override { return ::rename(from.c_str(), to.c_str()) == 0; }

    void flushFolder(const fs::path& folder) override {
        Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.ok()) ::fsync(dir.get());
    }

    bool remove(const fs::path& path) override { return ::unlink(path.c_str()) == 0; }

    bool truncate(const fs::path& path, std::uint64_t size) override {
        return ::truncate(path.c_str(), static_cast<off_t>(size)) == 0;
    }

    std::optional<std::uint64_t> size(const fs::path& path) override {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) return std::nullopt;
        return static_cast<std::uint64_t>(st.st_size);
    }
};

}  // namespace

FileSystem& realFileSystem() {
    static PosixFileSystem files;
    return files;
}

fs::path recordsFolder(const fs::path& base) { return base / "记录资料"; }
fs::path picturesFolder(const fs::path& base) { return base / "图形资料"; }

bool createDataFolders(const fs::path& base) {
    std::error_code ec;
    fs::create_directories(recordsFolder(base), ec);
    fs::create_directories(picturesFolder(base), ec);
    return fs::is_directory(recordsFolder(base), ec) && fs::is_directory(picturesFolder(base), ec);
}

fs::path settingsFilePath(const fs::path& base) { return recordsFolder(base) / "TOP.reg"; }
fs::path layoutRecordsFilePath(const fs::path& base) { return recordsFolder(base) / "排版记录.zip"; }
fs::path barcodeRecordsFilePath(const fs::path& base) { return recordsFolder(base) / "条码档.zip"; }

fs::path temporaryPathFor(const fs::path& dataFile) {
    fs::path temp = dataFile;
    temp += "_";
    return temp;
}

bool replaceFile(FileSystem& files, const fs::path& dataFile, std::string_view bytes) {
    const fs::path temp = temporaryPathFor(dataFile);
    if (files.write(temp, bytes) && files.flush(temp) && files.rename(temp, dataFile)) {
        files.flushFolder(dataFile.parent_path());
        return true;
    }
    files.remove(temp);
    return false;
}

namespace {

bool endsWithLineBreak(FileSystem& files, const fs::path& file) {
    const std::optional<std::string> bytes = files.read(file);
    return bytes && (bytes->empty() || bytes->back() == '\n' || bytes->back() == '\r');
}

}  // namespace

bool appendToFile(FileSystem& files, const fs::path& dataFile, std::string_view bytes) {
    const bool existed = files.exists(dataFile);
    const std::optional<std::uint64_t> oldSize = existed ? files.size(dataFile) : 0;
    if (!oldSize) return false;
    std::string text;
    if (*oldSize > 0 && !endsWithLineBreak(files, dataFile)) text = "\r\n";
    text += bytes;
    if (files.append(dataFile, text) && files.flush(dataFile)) return true;
    if (!existed) {
        files.remove(dataFile);
    } else {
        files.truncate(dataFile, *oldSize);
    }
    return false;
}

void reportWriteFailure(Ui& ui, const fs::path& dataFile) {
    ui.message(MessageIcon::Critical, "存档错误提示",
               "无法写入档案【" + dataFile.filename().string() +
                   "】，资料没有储存，原档案保持不变。\r\n请检查磁碟空间、档案是否被占用或资料夹是否可以写入。");
}

void reportUnstorableText(Ui& ui, const fs::path& dataFile) {
    ui.message(MessageIcon::Warning, "存档错误提示",
               "资料含有无法储存的字元，档案【" + dataFile.filename().string() + "】没有变更。");
}

bool writeDataText(FileSystem& files, Ui& ui, const fs::path& dataFile, std::string_view text, WriteMode mode) {
    const std::optional<std::string> bytes = encodeCp936(text);
    if (!bytes) {
        reportUnstorableText(ui, dataFile);
        return false;
    }
    const bool written = mode == WriteMode::Replace ? replaceFile(files, dataFile, *bytes)
                                                    : appendToFile(files, dataFile, *bytes);
    if (!written) reportWriteFailure(ui, dataFile);
    return written;
}

}  // namespace kestrin::storage
