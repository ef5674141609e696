#pragma once
// The data files are text in code page 936, so that a data folder moves unchanged between the
// Windows installations the files come from and ours. The core keeps UTF-8; these two
// functions are the only crossing.
//
// A character that code page 936 cannot hold (an emoji, a rare ideograph) is written in its
// four-byte GB18030 form. GB18030 is byte-identical to code page 936 for every character that
// code page has, so files that hold only such characters stay exactly code page 936, and no
// character is ever dropped or replaced on the way to disk. Reading accepts those four-byte
// forms back.

#include <optional>
#include <string>
#include <string_view>

namespace kestrin::storage {

// UTF-8 to file bytes. Nothing when the text is not valid UTF-8 (never the case for text the
// core made); the caller then refuses the write.
std::optional<std::string> encodeCp936(std::string_view utf8);
// File bytes to UTF-8. Nothing when the bytes are not valid code page 936 (or the four-byte
// forms above), or hold a NUL byte: the caller treats that as a damaged file.
std::optional<std::string> decodeCp936(std::string_view bytes);

}  // namespace kestrin::storage
