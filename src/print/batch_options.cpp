#include "print/batch_options.h"

#include <charconv>
#include <functional>
#include <map>

#include "common/utf8.h"
#include "engine/barcode_drawing.h"
#include "engine/code39.h"

namespace kestrin::print {

const char* const kBatchUsage =
    "usage: kestrin-print --data TEXT [--variant 0-3] [--module 1-6] [--height TWIPS] [--x TWIPS] [--y TWIPS]\n"
    "                     [--readable 0|1] [--centred 0|1] [--resolution TWIPS_PER_DOT] [--printer-kind 0|1]\n"
    "                     [--pdf FILE | --png FILE --dpi N]   (neither: the system's default printer)\n";

namespace {

constexpr int kMaxTwips = 1'000'000;  // far past any paper; keeps arithmetic well inside range

std::optional<int> parseInt(const std::string& text, int lo, int hi) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < lo || value > hi) return std::nullopt;
    return value;
}

struct Parser {
    BatchOptions out;
    std::string error;
    bool sawData = false;

    bool fail(std::string message) {
        if (error.empty()) error = std::move(message);
        return false;
    }

    bool intOption(const std::string& name, const std::string& value, int lo, int hi, const std::function<void(int)>& set) {
        const auto v = parseInt(value, lo, hi);
        if (!v) {
            return fail(name + ": expected a whole number from " + std::to_string(lo) + " to " + std::to_string(hi) +
                        ", got \"" + value + "\"");
        }
        set(*v);
        return true;
    }

    bool data(const std::string& value) {
        const std::string refused = engine::firstRefusedCharacter(value);
        if (!refused.empty()) return fail("--data: Code 39 cannot encode the character \"" + refused + "\"");
        if (utf8::length(value) > engine::kMaxBarcodeCharacters) {
            return fail("--data: at most " + std::to_string(engine::kMaxBarcodeCharacters) + " characters");
        }
        out.label.data = utf8::asciiUpper(value);
        sawData = true;
        return true;
    }

    bool resolution(const std::string& value) {
        const auto r = Fixed4::parse(value);
        // Below a thousandth of a twip or above an inch per dot no printer exists.
        if (!r || *r < Fixed4::fromRaw(10) || *r > Fixed4(1440)) {
            return fail("--resolution: expected twips per dot from 0.001 to 1440, got \"" + value + "\"");
        }
        out.resolution = *r;
        return true;
    }

    bool option(const std::string& name, const std::string& value) {
        page::Label& l = out.label;
        if (name == "--data") return data(value);
        if (name == "--variant") return intOption(name, value, 0, 3, [&](int v) { l.variant = static_cast<std::uint8_t>(v); });
        if (name == "--module") return intOption(name, value, 1, 6, [&](int v) { l.moduleWidth = static_cast<std::uint8_t>(v); });
        if (name == "--height") return intOption(name, value, engine::kMinBarHeight, kMaxTwips, [&](int v) { l.barHeight = v; });
        if (name == "--x") return intOption(name, value, 0, kMaxTwips, [&](int v) { l.handleLeft = v; });
        if (name == "--y") return intOption(name, value, 0, kMaxTwips, [&](int v) { l.handleTop = v; });
        if (name == "--readable") return intOption(name, value, 0, 1, [&](int v) { l.readable = static_cast<std::uint8_t>(v); });
        if (name == "--centred") return intOption(name, value, 0, 1, [&](int v) { l.centred = static_cast<std::uint8_t>(v); });
        if (name == "--printer-kind") return intOption(name, value, 0, 1, [&](int v) { out.printerKind = v; });
        if (name == "--dpi") return intOption(name, value, 10, 2400, [&](int v) { out.dpi = v; });
        if (name == "--resolution") return resolution(value);
        if (name == "--pdf") return !value.empty() ? (out.pdfPath = value, true) : fail("--pdf: empty file name");
        if (name == "--png") return !value.empty() ? (out.pngPath = value, true) : fail("--png: empty file name");
        return fail("unknown option " + name);
    }

    bool finish() {
        if (!sawData) return fail("--data is required");
        if (!out.pdfPath.empty() && !out.pngPath.empty()) return fail("give at most one of --pdf FILE and --png FILE --dpi N");
        if (!out.pngPath.empty() && out.dpi == 0) return fail("--png needs --dpi N");
        if (out.pngPath.empty() && out.dpi != 0) return fail("--dpi goes with --png");
        if (out.printerKind == 1) out.label.width = page::kLabelPrinterLabelWidth;
        return true;
    }
};

}  // namespace

BatchParse parseBatchOptions(const std::vector<std::string>& args) {
    Parser p;
    p.out.resolution = engine::kDefaultResolution;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& name = args[i];
        if (name.rfind("--", 0) != 0) {
            p.fail("unexpected argument \"" + name + "\"");
            break;
        }
        if (i + 1 >= args.size()) {
            p.fail(name + ": missing value");
            break;
        }
        if (!p.option(name, args[i + 1])) break;
    }
    if (p.error.empty()) p.finish();
    if (!p.error.empty()) return {std::nullopt, p.error};
    return {p.out, {}};
}

}  // namespace kestrin::print
