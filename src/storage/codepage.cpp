#include "storage/codepage.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <utility>
#include <vector>

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
        std::size_t done = 0;
        while (done < in.size()) {
            // A few hundred bytes at a time: to find a character it refuses, glibc converts its
            // whole internal buffer again, which on a text full of such characters would cost a
            // buffer per character.
            const std::string_view window = in.substr(done, 256);
            const std::size_t n = convertWindow(window, out);
            done += n;
            if (n == window.size()) continue;
            // Stopped by a character the window's end cut in two: go on from it.
            const bool cut = done < in.size() && window.size() - n < 4;
            if (n == 0 || !cut) break;
        }
        return done;
    }

    // The whole of in converted, or nothing.
    std::optional<std::string> convertAll(std::string_view in) {
        std::string out;
        if (convert(in, out) != in.size()) return std::nullopt;
        return out;
    }

private:
    std::size_t convertWindow(std::string_view in, std::string& out) {
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char buffer[1024];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) break;
        }
        return in.size() - inLeft;
    }

    iconv_t cd_;
};

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

// Length of the UTF-8 sequence that starts with this byte, or 0 for a byte that starts none.
std::size_t utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The character of one UTF-8 sequence, or nothing when it is not a well-formed one.
std::optional<char32_t> scalarOf(std::string_view sequence) {
    const std::size_t n = sequence.size();
    if (n == 0 || utf8SequenceLength(static_cast<unsigned char>(sequence[0])) != n) return std::nullopt;
    if (n == 1) return static_cast<char32_t>(sequence[0]);
    char32_t c = static_cast<unsigned char>(sequence[0]) & (0x7Fu >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(sequence[i]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (b & 0x3Fu);
    }
    static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kShortest[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    return c;
}

std::string utf8Of(char32_t c) {
    std::string out;
    const auto byte = [&out](char32_t b) { out += static_cast<char>(b); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
    return out;
}

bool isGb18030FourByte(std::string_view s) {
    if (s.size() < 4) return false;
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    return b(0) >= 0x81 && b(0) <= 0xFE && b(1) >= 0x30 && b(1) <= 0x39 && b(2) >= 0x81 &&
           b(2) <= 0xFE && b(3) >= 0x30 && b(3) <= 0x39;
}

// Four-byte forms count up in the order 81 30 81 30, 81 30 81 31, ...; the position in that
// order is what GB18030's linear rules work with.
std::uint32_t fourByteIndex(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(s[i])); };
    return (((b(0) - 0x81) * 10 + (b(1) - 0x30)) * 126 + (b(2) - 0x81)) * 10 + (b(3) - 0x30);
}

std::string fourByteForm(std::uint32_t index) {
    std::string s(4, '\0');
    s[3] = static_cast<char>(0x30 + index % 10);
    index /= 10;
    s[2] = static_cast<char>(0x81 + index % 126);
    index /= 126;
    s[1] = static_cast<char>(0x30 + index % 10);
    s[0] = static_cast<char>(0x81 + index / 10);
    return s;
}

// Characters beyond U+FFFF follow one another from 90 30 81 30 on.
constexpr std::uint32_t kSupplementaryStart = 189000;  // index of 90 30 81 30

// Characters that GB18030 once wrote in four bytes and its 2022 edition moved to two-byte
// codes which Windows reads as private-use characters. They keep their old four-byte forms,
// whichever edition the C library follows.
struct MovedRun {
    std::uint32_t index;  // first four-byte form
    char32_t first;
    std::uint32_t count;
};
constexpr MovedRun kOldFourByteForms[] = {
    {19057, U'\u9FB4', 8},   // 82 35 90 37
    {39076, U'\uFE10', 10},  // 84 31 82 36
};

bool isTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// A run of two-byte codes: leads lead..lastLead, each with trails trail..lastTrail (0x7F is
// never a trail byte).
struct CodeRun {
    unsigned char lead, lastLead, trail, lastTrail;
};

// Windows reads the two-byte codes that plain GBK leaves free as private-use characters,
// numbered from U+E000 in this order: the three user-defined areas, then every free code of
// the GB2312 rows, the GBK symbol extensions and row FE, in code order. glibc's CP936 refuses
// all of them.
constexpr CodeRun kPrivateCodes[] = {
    {0xAA, 0xAF, 0xA1, 0xFE}, {0xF8, 0xFE, 0xA1, 0xFE}, {0xA1, 0xA7, 0x40, 0xA0},
    {0xA2, 0xA2, 0xAB, 0xB0}, {0xA2, 0xA2, 0xE3, 0xE4}, {0xA2, 0xA2, 0xEF, 0xF0}, {0xA2, 0xA2, 0xFD, 0xFE},
    {0xA4, 0xA4, 0xF4, 0xFE}, {0xA5, 0xA5, 0xF7, 0xFE}, {0xA6, 0xA6, 0xB9, 0xC0}, {0xA6, 0xA6, 0xD9, 0xDF},
    {0xA6, 0xA6, 0xEC, 0xED}, {0xA6, 0xA6, 0xF3, 0xF3}, {0xA6, 0xA6, 0xF6, 0xFE}, {0xA7, 0xA7, 0xC2, 0xD0},
    {0xA7, 0xA7, 0xF2, 0xFE}, {0xA8, 0xA8, 0x96, 0xA0}, {0xA8, 0xA8, 0xBC, 0xBC}, {0xA8, 0xA8, 0xBF, 0xBF},
    {0xA8, 0xA8, 0xC1, 0xC4}, {0xA8, 0xA8, 0xEA, 0xFE}, {0xA9, 0xA9, 0x58, 0x58}, {0xA9, 0xA9, 0x5B, 0x5B},
    {0xA9, 0xA9, 0x5D, 0x5F}, {0xA9, 0xA9, 0x89, 0x95}, {0xA9, 0xA9, 0x97, 0xA3}, {0xA9, 0xA9, 0xF0, 0xFE},
    {0xD7, 0xD7, 0xFA, 0xFE}, {0xFE, 0xFE, 0x50, 0xA0},
};
constexpr char32_t kFirstPrivate = 0xE000;
constexpr char32_t kPrivateCount = 0x865;  // U+E000 to U+E864
// The single byte FF, which Windows also reads as a private-use character.
constexpr char32_t kByteFF = 0xF8F5;

// Code page 936 as Windows reads it, beyond what glibc's CP936 table holds.
class WindowsExtras {
public:
    static const WindowsExtras& get() {
        static const WindowsExtras extras;
        return extras;
    }

    std::optional<char32_t> privateChar(unsigned char lead, unsigned char trail) const {
        const char32_t c = charByCode_[codeSlot(lead, trail)];
        if (c == 0) return std::nullopt;
        return c;
    }

    std::optional<std::string> privateCode(char32_t c) const {
        if (c == kByteFF) return std::string(1, '\xFF');
        if (c < kFirstPrivate || c >= kFirstPrivate + kPrivateCount) return std::nullopt;
        return codeByChar_[c - kFirstPrivate];
    }

    // A GB18030 four-byte form read as the character it stands for in the files.
    std::optional<char32_t> fourByteChar(std::string_view form) const {
        const std::uint32_t index = fourByteIndex(form);
        for (const MovedRun& run : kOldFourByteForms) {
            if (index >= run.index && index < run.index + run.count) return run.first + (index - run.index);
        }
        const std::optional<std::string> utf8 = converter("UTF-8", "GB18030").convertAll(form);
        const std::optional<char32_t> c = utf8 ? scalarOf(*utf8) : std::nullopt;
        if (!c) return std::nullopt;
        for (const auto& [own, displaced] : displaced_) {
            if (*c == own) return displaced;
        }
        return c;
    }

    // The four-byte form of a character code page 936 lacks.
    std::optional<std::string> fourByteFormOf(char32_t c) const {
        for (const MovedRun& run : kOldFourByteForms) {
            if (c >= run.first && c < run.first + run.count) return fourByteForm(run.index + (c - run.first));
        }
        if (c >= 0x10000) return fourByteForm(kSupplementaryStart + (c - 0x10000));
        Converter& gb18030 = converter("GB18030", "UTF-8");
        std::optional<std::string> form = gb18030.convertAll(utf8Of(c));
        if (form && form->size() == 2) {
            // GB18030 gives it a code that Windows reads as a private-use character: it takes
            // over that character's four-byte form.
            form.reset();
            for (const auto& [own, displaced] : displaced_) {
                if (displaced == c) form = gb18030.convertAll(utf8Of(own));
            }
        }
        if (!form || form->size() != 4) return std::nullopt;
        return form;
    }

private:
    WindowsExtras() : charByCode_(126 * 191, 0), codeByChar_(kPrivateCount) {
        char32_t next = kFirstPrivate;
        for (const CodeRun& run : kPrivateCodes) {
            for (unsigned lead = run.lead; lead <= run.lastLead; ++lead) {
                for (unsigned trail = run.trail; trail <= run.lastTrail; ++trail) {
                    if (trail == 0x7F) continue;
                    const auto l = static_cast<unsigned char>(lead), t = static_cast<unsigned char>(trail);
                    charByCode_[codeSlot(l, t)] = next;
                    codeByChar_[next - kFirstPrivate] = {static_cast<char>(l), static_cast<char>(t)};
                    noteDisplaced(next, codeByChar_[next - kFirstPrivate]);
                    ++next;
                }
            }
        }
    }

    static std::size_t codeSlot(unsigned char lead, unsigned char trail) {
        return static_cast<std::size_t>(lead - 0x81) * 191 + static_cast<std::size_t>(trail - 0x40);
    }

    // Newer GB18030 editions give some of these codes a real character (ǹ at A8 BF, ⺁ at
    // FE 50) that code page 936 lacks. Such a character is written in the four-byte form of the
    // private-use character Windows reads at that code, and that form reads back as the
    // character: both survive, and each byte sequence has one meaning.
    void noteDisplaced(char32_t own, const std::string& code) {
        const std::optional<std::string> utf8 = converter("UTF-8", "GB18030").convertAll(code);
        const std::optional<char32_t> gb = utf8 ? scalarOf(*utf8) : std::nullopt;
        if (!gb || *gb == own || converter("CP936", "UTF-8").convertAll(*utf8)) return;
        displaced_.emplace_back(own, *gb);
    }

    std::vector<char32_t> charByCode_;
    std::vector<std::string> codeByChar_;
    std::vector<std::pair<char32_t, char32_t>> displaced_;  // private-use character, GB18030's one
};

// glibc's converters drop the tag characters U+E0000 to U+E007F without a word, so they never
// go to one: the position of the first at or after `from`, or npos.
std::size_t nextTagCharacter(std::string_view utf8, std::size_t from) {
    for (std::size_t i = utf8.find('\xF3', from); i != std::string_view::npos; i = utf8.find('\xF3', i + 1)) {
        if (i + 2 < utf8.size() && utf8[i + 1] == '\xA0' && (utf8[i + 2] == '\x80' || utf8[i + 2] == '\x81')) return i;
    }
    return std::string_view::npos;
}

bool convertersOpen() {
    return converter("CP936", "UTF-8").ok() && converter("GB18030", "UTF-8").ok() &&
           converter("UTF-8", "CP936").ok() && converter("UTF-8", "GB18030").ok();
}

// Reads the sequence at the front of bytes that glibc's CP936 refused. Its length, or 0 when
// the bytes are not code page 936 or a GB18030 four-byte form.
std::size_t decodeExtra(std::string_view bytes, std::string& out) {
    const WindowsExtras& extras = WindowsExtras::get();
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead == 0xFF) {
        out += utf8Of(kByteFF);
        return 1;
    }
    if (bytes.size() >= 2 && lead >= 0x81 && isTrailByte(static_cast<unsigned char>(bytes[1]))) {
        const std::optional<char32_t> c = extras.privateChar(lead, static_cast<unsigned char>(bytes[1]));
        if (!c) return 0;
        out += utf8Of(*c);
        return 2;
    }
    if (!isGb18030FourByte(bytes)) return 0;
    const std::optional<char32_t> c = extras.fourByteChar(bytes.substr(0, 4));
    if (!c) return 0;
    out += utf8Of(*c);
    return 4;
}

}  // namespace

std::optional<std::string> encodeCp936(std::string_view utf8) {
    if (!convertersOpen()) return std::nullopt;
    Converter& cp936 = converter("CP936", "UTF-8");
    const WindowsExtras& extras = WindowsExtras::get();
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    std::size_t tag = nextTagCharacter(utf8, 0);
    while (pos < utf8.size()) {
        if (tag < pos) tag = nextTagCharacter(utf8, pos);
        pos += cp936.convert(utf8.substr(pos, tag - pos), out);
        if (pos == utf8.size()) break;
        // A character glibc's CP936 refused or must not see: Windows' own private-use code, or
        // a four-byte form.
        const std::size_t n = utf8SequenceLength(static_cast<unsigned char>(utf8[pos]));
        const std::optional<char32_t> c = n == 0 || n > utf8.size() - pos ? std::nullopt : scalarOf(utf8.substr(pos, n));
        if (!c) return std::nullopt;
        std::optional<std::string> bytes = extras.privateCode(*c);
        if (!bytes) bytes = extras.fourByteFormOf(*c);
        if (!bytes) return std::nullopt;
        out += *bytes;
        pos += n;
    }
    return out;
}

std::optional<std::string> decodeCp936(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) return std::nullopt;
    if (!convertersOpen()) return std::nullopt;
    Converter& cp936 = converter("UTF-8", "CP936");
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    while (!bytes.empty()) {
        bytes.remove_prefix(cp936.convert(bytes, out));
        if (bytes.empty()) break;
        const std::size_t n = decodeExtra(bytes, out);
        if (n == 0) return std::nullopt;
        bytes.remove_prefix(n);
    }
    return out;
}

}  // namespace kestrin::storage
