#include "storage/utf8.h"

namespace vexlo {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0u) == 0x80u; }

// Decodes the sequence at text[pos]; returns its length (0 when malformed).
std::size_t DecodeOne(std::string_view text, std::size_t pos, char32_t& out) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if (lead < 0x80u) {
    out = lead;
    return 1;
  } else if ((lead & 0xE0u) == 0xC0u) {
    length = 2, value = lead & 0x1Fu, minimum = 0x80;
  } else if ((lead & 0xF0u) == 0xE0u) {
    length = 3, value = lead & 0x0Fu, minimum = 0x800;
  } else if ((lead & 0xF8u) == 0xF0u) {
    length = 4, value = lead & 0x07u, minimum = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(text[pos + k]);
    if (!IsContinuation(byte)) return 0;
    value = (value << 6) | (byte & 0x3Fu);
  }
  // Overlong forms, surrogates and values past the Unicode range are malformed.
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  out = value;
  return length;
}

}  // namespace

std::u32string Utf8ToUtf32(std::string_view text) {
  std::u32string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t ch = 0;
    const std::size_t length = DecodeOne(text, pos, ch);
    if (length == 0) {
      result.push_back(kReplacement);
      ++pos;
    } else {
      result.push_back(ch);
      pos += length;
    }
  }
  return result;
}

std::string Utf32ToUtf8(char32_t ch) {
  if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) ch = kReplacement;
  std::string out;
  if (ch < 0x80) {
    out.push_back(static_cast<char>(ch));
  } else if (ch < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
    out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
  } else if (ch < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
    out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
    out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
  }
  return out;
}

std::string Utf32ToUtf8(std::u32string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char32_t ch : text) result += Utf32ToUtf8(ch);
  return result;
}

std::size_t Utf8Length(std::string_view text) { return Utf8ToUtf32(text).size(); }

}  // namespace vexlo
