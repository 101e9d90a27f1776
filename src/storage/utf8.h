#pragma once
// UTF-8 <-> code points. Import and copy count characters, not bytes, so the full-width
// question mark or a typed non-ASCII blank character is one cell like any other.

#include <string>
#include <string_view>

namespace vexlo {

// Decodes UTF-8; every byte that does not start a well-formed sequence becomes one U+FFFD,
// so hostile input still yields one character per bad byte and never fails.
std::u32string Utf8ToUtf32(std::string_view text);

// Encodes code points; invalid ones (surrogates, beyond U+10FFFF) become U+FFFD.
std::string Utf32ToUtf8(std::u32string_view text);
std::string Utf32ToUtf8(char32_t ch);

// Number of characters of a UTF-8 text, counted as Utf8ToUtf32 does.
std::size_t Utf8Length(std::string_view text);

}  // namespace vexlo
