// Conversion between the 8-bit text of the program (file and folder names) and the UTF-16
// text of stored string values. Windows uses the process's ANSI code page; elsewhere the
// 8-bit text is UTF-8, with bytes that are not valid UTF-8 carried as U+DC80..U+DCFF so
// that any file name comes back unchanged.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace velda::platform {

// At most maxUnits UTF-16 units; a character that would not fit whole is dropped.
std::u16string toStoredText(std::string_view text, std::size_t maxUnits);
// At most maxBytes bytes; a character that would not fit whole is dropped.
std::string fromStoredText(std::u16string_view text, std::size_t maxBytes);

}  // namespace velda::platform
