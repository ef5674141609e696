#include "storage/record_line.h"

namespace kestrin::storage {
namespace {

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c != '"' && c != '\r' && c != '\n') out += c;
    }
    out += '"';
}

std::size_t skipBlanks(std::string_view line, std::size_t pos) {
    while (pos < line.size() && line[pos] == ' ') ++pos;
    return pos;
}

}  // namespace

std::string formatQuotedLine(std::span<const std::string> texts, std::optional<int> trailingNumber) {
    std::string line;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) line += ',';
        appendQuoted(line, texts[i]);
    }
    if (trailingNumber) {
        if (!texts.empty()) line += ',';
        line += std::to_string(*trailingNumber);
    }
    line += "\r\n";
    return line;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    // A plain loop: find_first_of with a two-character set costs a call per byte.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::optional<std::vector<std::string>> readItems(std::string_view line) {
    std::vector<std::string> items;
    items.reserve(16);
    std::size_t pos = 0;
    for (;;) {
        pos = skipBlanks(line, pos);
        if (pos < line.size() && line[pos] == '"') {
            const std::size_t close = line.find('"', pos + 1);
            if (close == std::string_view::npos) return std::nullopt;
            items.emplace_back(line.substr(pos + 1, close - pos - 1));
            pos = skipBlanks(line, close + 1);
            if (pos < line.size() && line[pos] != ',') return std::nullopt;
        } else {
            const std::size_t comma = std::min(line.find(',', pos), line.size());
            std::string_view item = line.substr(pos, comma - pos);
            // No writer puts a quote into an item, and none could write it back.
            if (item.find('"') != std::string_view::npos) return std::nullopt;
            while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
            items.emplace_back(item);
            pos = comma;
        }
        if (pos >= line.size()) return items;
        ++pos;  // the comma
    }
}

std::optional<std::vector<std::vector<std::string>>> readRecords(std::string_view text,
                                                                std::size_t itemCount) {
    std::vector<std::vector<std::string>> records;
    for (const std::string_view line : splitLines(text)) {
        if (line.empty()) continue;
        auto items = readItems(line);
        if (!items || items->size() != itemCount) return std::nullopt;
        records.push_back(std::move(*items));
    }
    return records;
}

std::vector<std::string> repairPieces(std::string_view line) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') continue;
        if (c == ',') {
            pieces.emplace_back();
        } else if (line.substr(i, 3) == "★") {
            pieces.back() += ' ';
            i += 2;
        } else {
            pieces.back() += c;
        }
    }
    return pieces;
}

}  // namespace kestrin::storage
