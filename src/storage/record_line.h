#pragma once
// The line format the three data files share: items in double quotes separated by commas,
// sometimes a bare number at the end, CR LF after each line. There is no escaping: a quoted
// item may hold commas but never a quote or a line break.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrin::storage {

// One line: every text in double quotes, then the bare trailing number when there is one,
// separated by commas and ended by CR LF. Quotes and line breaks inside a text are dropped,
// since no reader could tell them from the line's own.
std::string formatQuotedLine(std::span<const std::string> texts,
                             std::optional<int> trailingNumber = std::nullopt);

// The lines of a text; CR LF, a lone LF and a lone CR each end a line. A last line without an
// ending counts; nothing follows the final line ending.
std::vector<std::string_view> splitLines(std::string_view text);

// The items of one line. A quoted item runs to its closing quote (commas inside are kept) and
// may be followed only by blanks before the next comma; an unquoted item runs to the next
// comma, trimmed of blanks. Nothing when a quote is not closed, text follows a closing quote,
// or an unquoted item holds a quote: no text read can then hold what no line can carry.
std::optional<std::vector<std::string>> readItems(std::string_view line);

// Every non-empty line of the text as exactly `itemCount` items. Nothing when any line does
// not give that many: the file is damaged.
std::optional<std::vector<std::vector<std::string>>> readRecords(std::string_view text,
                                                                std::size_t itemCount);

// How both repair procedures take a damaged line apart: quotes are removed and the line is
// split at every comma (empty pieces count), and a "★" in a piece becomes a blank. That is
// the old files' own recipe (blanks hidden as stars, commas turned into blanks, split at
// blanks, stars turned back), which is why a stored star comes back as a blank.
std::vector<std::string> repairPieces(std::string_view line);

}  // namespace kestrin::storage
