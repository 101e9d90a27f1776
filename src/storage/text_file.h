#pragma once
// Text files of the game (saved games, replays, the last game, the printable page): one
// place that decodes what was read and writes lines with CR LF after every line.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vexlo {

// File bytes to UTF-8 text. A UTF-8 byte-order mark is dropped; a UTF-16 one (either byte
// order) converts the rest to UTF-8, with U+FFFD for unpaired surrogates and an odd last
// byte. Without a mark the bytes are taken as they are (UTF-8 is this system's code page).
std::string DecodeTextBytes(std::string_view bytes);

// Lines of a text; CR LF, LF and a lone CR each end a line. A final line end does not start
// another line, so "a\r\nb\r\n" gives two lines and "" gives none.
std::vector<std::string> SplitLines(std::string_view text);

// Every line followed by CR LF, the last one too.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

struct FileResult {
  bool ok = true;
  std::string error;  // what went wrong, for the player's message box
  explicit operator bool() const { return ok; }
};

// Reads and decodes a whole file into lines.
FileResult ReadTextFile(const std::filesystem::path& path, std::vector<std::string>& lines);

// Writes `content` to a temporary file beside `path` and renames it over `path`: a failed
// write (full disk, read-only folder) leaves any earlier file untouched.
FileResult WriteFileAtomic(const std::filesystem::path& path, std::string_view content);

// WriteFileAtomic of JoinLinesCrLf(lines).
FileResult WriteTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace vexlo
