#pragma once
// Input and error reporting shared by the vexlo-cli commands.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vexlo::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;  // a malformed line or an unreadable file
inline constexpr int kExitUsage = 2;

// The whole of FILE, or of standard input for "-". nullopt (and a message on standard
// error) when the file cannot be read.
std::optional<std::string> ReadInput(const std::string& file);

// Calls `handle` for every non-empty line of FILE with its 1-based line number and the
// line without its trailing CR and white space. `handle` returns false for a malformed line
// after reporting it with ReportBadLine. Returns the exit status: 1 when the file could not
// be read or any line was malformed, else 0.
using LineHandler = std::function<bool(int lineNumber, std::string_view line)>;
int ForEachLine(const std::string& file, const LineHandler& handle);

// The first non-empty line of FILE, as ForEachLine trims it; nullopt when the file cannot
// be read or holds no such line (both reported on standard error).
std::optional<std::string> FirstLine(const std::string& file);

// "vexlo-cli: line N: <problem>" on standard error.
void ReportBadLine(int lineNumber, std::string_view problem);

// An 81-character puzzle text from a line, trimmed at both ends; reports and returns
// nullopt when the length is wrong.
std::optional<std::string> PuzzleFromLine(int lineNumber, std::string_view line);

}  // namespace vexlo::cli
