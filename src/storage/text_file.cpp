#include "storage/text_file.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <system_error>

#include "storage/utf8.h"

namespace vexlo {

namespace {

std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  auto unitAt = [&](std::size_t pos) -> char32_t {
    const auto a = static_cast<unsigned char>(bytes[pos]);
    const auto b = static_cast<unsigned char>(bytes[pos + 1]);
    return bigEndian ? (char32_t{a} << 8 | b) : (char32_t{b} << 8 | a);
  };
  std::u32string text;
  std::size_t pos = 0;
  while (pos + 1 < bytes.size()) {
    char32_t unit = unitAt(pos);
    pos += 2;
    if (unit >= 0xD800 && unit <= 0xDBFF && pos + 1 < bytes.size()) {
      const char32_t low = unitAt(pos);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        text.push_back(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        pos += 2;
        continue;
      }
    }
    text.push_back(unit >= 0xD800 && unit <= 0xDFFF ? char32_t{0xFFFD} : unit);
  }
  if (pos < bytes.size()) text.push_back(0xFFFD);
  return Utf32ToUtf8(text);
}

}  // namespace

std::string DecodeTextBytes(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
  return std::string(bytes);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    if (text[pos] != '\r' && text[pos] != '\n') continue;
    lines.emplace_back(text.substr(start, pos - start));
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
    start = pos + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

FileResult ReadTextFile(const std::filesystem::path& path, std::vector<std::string>& lines) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {false, "Cannot open \"" + path.string() + "\" for reading."};
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return {false, "Cannot read \"" + path.string() + "\"."};
  lines = SplitLines(DecodeTextBytes(bytes));
  return {};
}

FileResult WriteFileAtomic(const std::filesystem::path& path, std::string_view content) {
  // A name of our own per write, so two writers never share a temporary file.
  static std::atomic<unsigned> counter{0};
  std::filesystem::path temp = path;
  temp += ".tmp" + std::to_string(++counter);
  const FileResult failed{false, "Cannot write \"" + path.string() + "\"."};
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return failed;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return failed;
    }
  }
  std::error_code error;
  std::filesystem::rename(temp, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return failed;
  }
  return {};
}

FileResult WriteTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  return WriteFileAtomic(path, JoinLinesCrLf(lines));
}

}  // namespace vexlo
