#include "print/batch_options.h"

#include <charconv>
#include <functional>

#include "common/utf8.h"
#include "engine/barcode_drawing.h"
#include "engine/code39.h"

namespace kestrin::print {

const char* const kBatchUsage =
    "usage: kestrin-print [--data-dir DIR] (--data TEXT | --format KIND NAME | --calibration coarse|fine)\n"
    "                     [--values FILE | --records [KIND]] [--copies N]\n"
    "                     [--variant 0-3] [--module 1-6] [--height TWIPS] [--x TWIPS] [--y TWIPS]\n"
    "                     [--readable 0|1] [--centred 0|1] [--resolution TWIPS_PER_DOT] [--printer-kind 0|1]\n"
    "                     [--pdf FILE | --png FILE --dpi N]   (neither: the system's default printer)\n";

void LabelOverrides::applyTo(document::Label& label) const {
    const auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
    if (variant) label.variant = byte(*variant);
    if (moduleWidth) label.moduleWidth = byte(*moduleWidth);
    if (barHeight) label.barHeight = *barHeight;
    if (x) label.handleLeft = *x;
    if (y) label.handleTop = *y;
    if (readable) label.readable = byte(*readable);
    if (centred) label.centred = byte(*centred);
}

std::string barcodeValueProblem(const std::string& value) {
    const std::string refused = engine::firstRefusedCharacter(value);
    if (!refused.empty()) return "Code 39 cannot encode the character \"" + refused + "\"";
    if (utf8::length(value) > engine::kMaxBarcodeCharacters) {
        return "at most " + std::to_string(engine::kMaxBarcodeCharacters) + " characters";
    }
    return {};
}

namespace {

constexpr int kMaxTwips = 1'000'000;  // far past any paper; keeps arithmetic well inside range
constexpr int kMaxCopies = 100'000;

std::optional<int> parseInt(const std::string& text, int lo, int hi) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < lo || value > hi) return std::nullopt;
    return value;
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {}

    BatchParse run() {
        while (error_.empty() && i_ < args_.size()) option(args_[i_++]);
        if (error_.empty()) finish();
        if (!error_.empty()) return {std::nullopt, error_};
        return {out_, {}};
    }

private:
    bool fail(std::string message) {
        if (error_.empty()) error_ = std::move(message);
        return false;
    }

    // The next argument as the value of option name.
    std::optional<std::string> value(const std::string& name) {
        if (i_ >= args_.size()) {
            fail(name + ": missing value");
            return std::nullopt;
        }
        return args_[i_++];
    }

    bool number(const std::string& name, int lo, int hi, std::optional<int>& into) {
        const auto text = value(name);
        if (!text) return false;
        const auto v = parseInt(*text, lo, hi);
        if (!v) {
            return fail(name + ": expected a whole number from " + std::to_string(lo) + " to " +
                        std::to_string(hi) + ", got \"" + *text + "\"");
        }
        into = v;
        return true;
    }

    bool text(const std::string& name, std::string& into) {
        const auto v = value(name);
        if (!v) return false;
        if (v->empty()) return fail(name + ": empty value");
        into = *v;
        return true;
    }

    bool source(const std::string& name, BatchSource s) {
        if (sources_++ > 0) return fail(name + ": give only one of --data, --format and --calibration");
        out_.source = s;
        return true;
    }

    bool data(const std::string& name) {
        const auto v = value(name);
        if (!v) return false;
        if (const std::string problem = barcodeValueProblem(*v); !problem.empty()) return fail(name + ": " + problem);
        out_.data = utf8::asciiUpper(*v);
        return source(name, BatchSource::Data);
    }

    bool format(const std::string& name) {
        return text(name, out_.formatKind) && text(name, out_.formatName) && source(name, BatchSource::Format);
    }

    bool calibration(const std::string& name) {
        const auto v = value(name);
        if (!v) return false;
        if (*v == "coarse") out_.calibration = CalibrationPages::Coarse;
        else if (*v == "fine") out_.calibration = CalibrationPages::Fine;
        else return fail(name + ": expected coarse or fine, got \"" + *v + "\"");
        return source(name, BatchSource::Calibration);
    }

    bool records() {
        out_.records = true;
        // The kind is optional: the next argument is it unless it is another option.
        if (i_ < args_.size() && args_[i_].rfind("--", 0) != 0) out_.recordsKind = args_[i_++];
        return true;
    }

    bool resolution(const std::string& name) {
        const auto v = value(name);
        if (!v) return false;
        const auto r = Fixed4::parse(*v);
        // Below a thousandth of a twip or above an inch per dot no printer exists.
        if (!r || *r < Fixed4::fromRaw(10) || *r > Fixed4(1440)) {
            return fail(name + ": expected twips per dot from 0.001 to 1440, got \"" + *v + "\"");
        }
        out_.resolution = r;
        return true;
    }

    bool option(const std::string& name) {
        LabelOverrides& o = out_.overrides;
        std::optional<int> scratch;
        if (name == "--data") return data(name);
        if (name == "--format") return format(name);
        if (name == "--calibration") return calibration(name);
        if (name == "--values") return text(name, out_.valuesPath);
        if (name == "--records") return records();
        if (name == "--data-dir") return text(name, out_.dataDir);
        if (name == "--variant") return number(name, 0, 3, o.variant);
        if (name == "--module") return number(name, 1, engine::kMaxModuleWidth, o.moduleWidth);
        if (name == "--height") return number(name, engine::kMinBarHeight, kMaxTwips, o.barHeight);
        if (name == "--x") return number(name, 0, kMaxTwips, o.x);
        if (name == "--y") return number(name, 0, kMaxTwips, o.y);
        if (name == "--readable") return number(name, 0, 1, o.readable);
        if (name == "--centred") return number(name, 0, 1, o.centred);
        if (name == "--printer-kind") {
            return number(name, 0, 1, scratch) && (out_.printerKind = storage::printerKindOf(*scratch), true);
        }
        if (name == "--resolution") return resolution(name);
        if (name == "--copies") return number(name, 1, kMaxCopies, scratch) && (out_.copies = *scratch, true);
        if (name == "--dpi") return number(name, 10, 2400, scratch) && (out_.dpi = *scratch, true);
        if (name == "--pdf") return text(name, out_.pdfPath);
        if (name == "--png") return text(name, out_.pngPath);
        if (name.rfind("--", 0) == 0) return fail("unknown option " + name);
        return fail("unexpected argument \"" + name + "\"");
    }

    bool finish() {
        if (sources_ == 0) return fail("give one of --data TEXT, --format KIND NAME and --calibration coarse|fine");
        if (!out_.valuesPath.empty() && out_.records) return fail("give at most one of --values and --records");
        if (out_.source == BatchSource::Calibration && (!out_.valuesPath.empty() || out_.records)) {
            return fail("--calibration prints its own pages: no --values or --records");
        }
        if (!out_.pdfPath.empty() && !out_.pngPath.empty()) return fail("give at most one of --pdf FILE and --png FILE --dpi N");
        if (!out_.pngPath.empty() && out_.dpi == 0) return fail("--png needs --dpi N");
        if (out_.pngPath.empty() && out_.dpi != 0) return fail("--dpi goes with --png");
        return true;
    }

    const std::vector<std::string>& args_;
    std::size_t i_ = 0;
    int sources_ = 0;
    BatchOptions out_;
    std::string error_;
};

}  // namespace

BatchParse parseBatchOptions(const std::vector<std::string>& args) { return Parser(args).run(); }

}  // namespace kestrin::print
