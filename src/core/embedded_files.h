#pragma once
// Data files compiled into the engine (puzzle bank, language tables). The build turns the
// files under data/ into string constants; see cmake/EmbedFiles.cmake.

#include <span>
#include <string_view>

namespace vexlo {

struct EmbeddedEntry {
  std::string_view name;  // path relative to data/, e.g. "bank/level0.txt"
  std::string_view data;  // file content, LF line ends
};

// Every embedded file, in the order the build listed them.
std::span<const EmbeddedEntry> EmbeddedFiles();

// Content of the embedded file `name`; empty when there is no such file.
std::string_view EmbeddedFile(std::string_view name);

}  // namespace vexlo
