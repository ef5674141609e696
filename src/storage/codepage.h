#pragma once
// The data files are text in code page 936, so that a data folder moves unchanged between the
// Windows installations the files come from and ours. The core keeps UTF-8; these two
// functions are the only crossing.
//
// Every one- and two-byte code reads as Windows reads it, including the user-defined areas
// and the codes GBK leaves free, which Windows reads as private-use characters, and writes
// back to the same bytes. A character that code page 936 cannot hold (an emoji, a rare
// ideograph) is written in a GB18030 four-byte form, so files
// that hold only code page 936 characters stay exactly code page 936, and no character is
// ever dropped or replaced on the way to disk.

#include <optional>
#include <string>
#include <string_view>

namespace kestrin::storage {

// UTF-8 to file bytes. Nothing when the text is not valid UTF-8 (never the case for text the
// core made); the caller then refuses the write.
std::optional<std::string> encodeCp936(std::string_view utf8);
// File bytes to UTF-8. Nothing when the bytes are neither code page 936 nor the four-byte
// forms above, or hold a NUL byte: the caller treats that as a damaged file.
std::optional<std::string> decodeCp936(std::string_view bytes);

}  // namespace kestrin::storage
