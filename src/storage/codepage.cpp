#include "storage/codepage.h"

#include <iconv.h>

#include <cerrno>

namespace kestrin::storage {
namespace {

// One iconv conversion descriptor.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }  // NOLINT

    // Converts as much of in as it can, appending to out. Returns the number of input bytes
    // consumed; stops at the first sequence it cannot convert (or an incomplete one at the end).
    std::size_t convert(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char buffer[4096];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) break;
        }
        return in.size() - inLeft;
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence that starts with this byte, or 0 for a byte that starts none.
std::size_t utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool isGb18030FourByte(std::string_view s) {
    if (s.size() < 4) return false;
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    return b(0) >= 0x81 && b(0) <= 0xFE && b(1) >= 0x30 && b(1) <= 0x39 && b(2) >= 0x81 &&
           b(2) <= 0xFE && b(3) >= 0x30 && b(3) <= 0x39;
}

// Opening a converter costs far more than converting a line, and the repairs convert line by
// line: each thread keeps its four converters open.
Converter& converter(const char* to, const char* from) {
    thread_local Converter toCp936("CP936", "UTF-8");
    thread_local Converter toGb18030("GB18030", "UTF-8");
    thread_local Converter fromCp936("UTF-8", "CP936");
    thread_local Converter fromGb18030("UTF-8", "GB18030");
    const std::string_view target(to), source(from);
    if (target == "CP936") return toCp936;
    if (target == "GB18030") return toGb18030;
    return source == "CP936" ? fromCp936 : fromGb18030;
}

}  // namespace

std::optional<std::string> encodeCp936(std::string_view utf8) {
    Converter& cp936 = converter("CP936", "UTF-8");
    Converter& gb18030 = converter("GB18030", "UTF-8");
    if (!cp936.ok() || !gb18030.ok()) return std::nullopt;
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        utf8.remove_prefix(cp936.convert(utf8, out));
        if (utf8.empty()) break;
        // The character code page 936 refused: write its GB18030 form instead.
        const std::size_t n = utf8SequenceLength(static_cast<unsigned char>(utf8.front()));
        if (n == 0 || n > utf8.size()) return std::nullopt;
        if (gb18030.convert(utf8.substr(0, n), out) != n) return std::nullopt;
        utf8.remove_prefix(n);
    }
    return out;
}

std::optional<std::string> decodeCp936(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) return std::nullopt;
    Converter& cp936 = converter("UTF-8", "CP936");
    Converter& gb18030 = converter("UTF-8", "GB18030");
    if (!cp936.ok() || !gb18030.ok()) return std::nullopt;
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    while (!bytes.empty()) {
        bytes.remove_prefix(cp936.convert(bytes, out));
        if (bytes.empty()) break;
        if (!isGb18030FourByte(bytes)) return std::nullopt;
        if (gb18030.convert(bytes.substr(0, 4), out) != 4) return std::nullopt;
        bytes.remove_prefix(4);
    }
    return out;
}

}  // namespace kestrin::storage
