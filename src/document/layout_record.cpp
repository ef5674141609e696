#include "document/layout_record.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/fixed4.h"
#include "storage/record_text.h"

namespace kestrin::document {
namespace {

// Far beyond any paper: a value past it is damage, not a design.
constexpr std::int64_t kMaxTwips = 1'000'000;
constexpr std::int64_t kMaxColour = 0xFFFFFF;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// A number that the whole field must be (blanks around it allowed), rounded to a whole
// number, halves to even, within [low, high].
std::optional<std::int64_t> wholeNumber(std::string_view text, std::int64_t low, std::int64_t high) {
    const auto value = Fixed4::parse(trimmed(text));
    if (!value) return std::nullopt;
    const std::int64_t whole = value->roundToWhole();
    if (whole < low || whole > high) return std::nullopt;
    return whole;
}

// The numeric value of a field's leading number ("3600abc" is 3600, "abc" is 0), the way the
// label record's sizes and positions are read, rounded to a whole number within [low, high].
std::optional<std::int64_t> leadingValue(std::string_view text, std::int64_t low, std::int64_t high) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') digits = true;
        else if (text[i] == '.' && !point) point = true;
        else break;
    }
    if (!digits) return low <= 0 && 0 <= high ? std::optional<std::int64_t>(0) : std::nullopt;
    return wholeNumber(text.substr(start, i - start), low, high);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// "True" / "False" in any case, or a number (non-zero is true).
std::optional<bool> flagOf(std::string_view word) {
    const std::string_view w = trimmed(word);
    if (equalsIgnoringCase(w, "true")) return true;
    if (equalsIgnoringCase(w, "false")) return false;
    if (const auto n = Fixed4::parse(w)) return n->raw() != 0;
    return std::nullopt;
}

// Splits at every single blank, so two blanks in a row make an empty part.
std::vector<std::string_view> parts(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t from = 0;
    for (;;) {
        const std::size_t blank = text.find(' ', from);
        if (blank == std::string_view::npos) {
            out.push_back(text.substr(from));
            return out;
        }
        out.push_back(text.substr(from, blank - from));
        from = blank + 1;
    }
}

int asInt(std::int64_t v) { return static_cast<int>(v); }
std::uint8_t asByte(std::int64_t v) { return static_cast<std::uint8_t>(v); }

std::string wholeText(int value) { return std::to_string(value); }

LayoutRecord labelRecord(const Label& label) {
    const Font& f = label.font;
    return {label.kind,
            label.name,
            std::string(kLabelRecordType),
            wholeText(label.width),
            wholeText(label.height),
            label.data,
            std::to_string(label.background),
            std::to_string(label.readable),
            wholeText(label.handleLeft) + " " + wholeText(label.handleTop) + " " + wholeText(label.barHeight),
            flagWord(f.bold) + " " + flagWord(f.italic) + " " + flagWord(f.underline) + " " +
                wholeText(label.frame) + " " + numberText(f.sizePoints),
            std::to_string(label.moduleWidth) + " " + std::to_string(label.variant) + " " +
                std::to_string(label.centred) + " 0"};
}

LayoutRecord textRecord(const Label& label, const TextItem& item) {
    const Font& f = item.font;
    return {label.kind,
            label.name,
            std::string(kTextRecordType),
            item.caption,
            wholeText(item.left),
            wholeText(item.top),
            std::to_string(item.colour),
            numberText(f.sizePoints),
            f.name,
            flagWord(f.bold) + " " + flagWord(f.italic) + " " + flagWord(f.underline),
            ""};
}

LayoutRecord pictureRecord(const Label& label, const PictureItem& item) {
    return {label.kind,
            label.name,
            std::string(kPictureRecordType),
            item.fileName,
            wholeText(item.left),
            wholeText(item.top),
            wholeText(item.width),
            wholeText(item.height),
            "",
            "",
            ""};
}

// The label record read in full before anything is applied, so that a damaged record leaves
// the label as it was.
std::optional<Label> readLabelRecord(const LayoutRecord& r, Label label, bool isPreview) {
    label.kind = r[0];
    label.name = r[1];
    const auto width = leadingValue(r[3], 0, kMaxTwips);
    const auto height = leadingValue(r[4], 0, kMaxTwips);
    const auto colour = wholeNumber(r[6], 0, kMaxColour);
    const auto readable = leadingValue(r[7], 0, 255);
    if (!width || !height || !colour || !readable) return std::nullopt;
    label.width = asInt(*width);
    label.height = asInt(*height);
    label.data = r[5];
    label.background = static_cast<Rgb>(*colour);
    label.readable = asByte(*readable);

    if (const auto origin = parts(r[8]); origin.size() == 3) {
        const auto left = leadingValue(origin[0], -kMaxTwips, kMaxTwips);
        const auto top = leadingValue(origin[1], -kMaxTwips, kMaxTwips);
        const auto barHeight = leadingValue(origin[2], 0, kMaxTwips);
        if (!left || !top || !barHeight) return std::nullopt;
        label.handleLeft = asInt(*left);
        label.handleTop = asInt(*top);
        label.barHeight = asInt(*barHeight);
    }
    if (const auto style = parts(r[9]); style.size() >= 4) {
        const auto bold = flagOf(style[0]);
        const auto italic = flagOf(style[1]);
        const auto underline = flagOf(style[2]);
        const auto frame = leadingValue(style[3], 0, 1);
        if (!bold || !italic || !underline || !frame) return std::nullopt;
        label.font.bold = *bold;
        label.font.italic = *italic;
        label.font.underline = *underline;
        label.frame = asInt(*frame);
        if (style.size() == 5) {
            const auto size = wholeNumber(style[4], 0, 255);
            if (!size) return std::nullopt;
            label.font.sizePoints = static_cast<double>(*size);
        }
    }
    if (const auto bars = parts(r[10]); bars.size() == 4) {
        const auto moduleWidth = wholeNumber(bars[0], 0, 255);
        const auto variant = wholeNumber(bars[1], 0, 255);
        const auto centred = wholeNumber(bars[2], 0, 255);
        if (!moduleWidth || !variant || !centred) return std::nullopt;
        // A stored 0 means the default width: a label read in never holds it.
        label.moduleWidth = *moduleWidth == 0 ? std::uint8_t{2} : asByte(*moduleWidth);
        label.variant = asByte(*variant);
        label.centred = asByte(*centred);
    }
    if (!r[5].empty() && !isPreview) label.handleShown = true;
    return label;
}

template <typename T>
void setIf(T& property, const std::optional<std::int64_t>& value) {
    if (value) property = static_cast<T>(*value);
}

void readTextRecord(const LayoutRecord& r, TextItem& item) {
    item.caption = r[3];
    setIf(item.left, wholeNumber(r[4], -kMaxTwips, kMaxTwips));
    setIf(item.top, wholeNumber(r[5], -kMaxTwips, kMaxTwips));
    setIf(item.colour, wholeNumber(r[6], 0, kMaxColour));
    if (const auto size = wholeNumber(r[7], 0, 255)) item.font.sizePoints = static_cast<double>(*size);
    if (!r[8].empty()) item.font.name = r[8];
    if (const auto style = parts(r[9]); style.size() == 3) {
        if (const auto b = flagOf(style[0])) item.font.bold = *b;
        if (const auto i = flagOf(style[1])) item.font.italic = *i;
        if (const auto u = flagOf(style[2])) item.font.underline = *u;
    }
}

void readPictureRecord(const LayoutRecord& r, PictureItem& item, const PictureLookup& pictures) {
    item.fileName.clear();
    item.path.clear();
    if (const auto path = resolvePictureFile(pictures, r[3])) {
        item.fileName = r[3];
        item.path = *path;
    }
    setIf(item.left, wholeNumber(r[4], -kMaxTwips, kMaxTwips));
    setIf(item.top, wholeNumber(r[5], -kMaxTwips, kMaxTwips));
    setIf(item.width, wholeNumber(r[6], 0, kMaxTwips));
    setIf(item.height, wholeNumber(r[7], 0, kMaxTwips));
}

bool isSafeFileName(std::string_view name) {
    if (name.empty() || name.find("..") != std::string_view::npos) return false;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || c == ':' || u < 0x20 || u == 0x7F) return false;
    }
    return true;
}

}  // namespace

std::string numberText(double value) {
    if (!std::isfinite(value)) value = 0;
    const double bounded = std::clamp(value, -1e11, 1e11);
    return Fixed4::fromRaw(std::llround(bounded * static_cast<double>(Fixed4::kScale))).toString();
}

std::string flagWord(bool flag) { return flag ? "True" : "False"; }

std::optional<std::string> resolvePictureFile(const PictureLookup& lookup, std::string_view fileName) {
    if (!isSafeFileName(fileName) || lookup.folder.empty() || !lookup.readable) return std::nullopt;
    std::string path = lookup.folder;
    if (path.back() != '/') path += '/';
    path += fileName;
    if (!lookup.readable(path)) return std::nullopt;
    return path;
}

std::vector<LayoutRecord> labelRecords(Label& label) {
    std::vector<LayoutRecord> records{labelRecord(label)};
    for (int j = 0; j <= kMaxItemIndex; ++j) {
        if (auto text = label.texts.find(j); text != label.texts.end()) {
            text->second.caption = storage::trimBlanks(storage::filterRecordText(text->second.caption));
            records.push_back(textRecord(label, text->second));
        }
        if (auto picture = label.pictures.find(j); picture != label.pictures.end()) {
            records.push_back(pictureRecord(label, picture->second));
        }
    }
    return records;
}

bool applyRecords(const std::vector<LayoutRecord>& records, Label& label, bool isPreview,
                  const PictureLookup& pictures) {
    int textCount = 0;
    int pictureCount = 0;
    for (const auto& r : records) {
        if (r[2] == kLabelRecordType) {
            auto read = readLabelRecord(r, label, isPreview);
            if (!read) return false;
            label = std::move(*read);
        } else if (r[2] == kTextRecordType) {
            // A label owns at most 50 items of each kind; records past them are dropped.
            if (++textCount > kMaxItemIndex) continue;
            readTextRecord(r, label.texts[textCount]);
        } else if (r[2] == kPictureRecordType) {
            if (++pictureCount > kMaxItemIndex) continue;
            readPictureRecord(r, label.pictures[pictureCount], pictures);
        }
    }
    return true;
}

}  // namespace kestrin::document
