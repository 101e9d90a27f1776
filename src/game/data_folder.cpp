#include "game/data_folder.h"

#include <filesystem>
#include <system_error>

namespace vexlo {

namespace fs = std::filesystem;

namespace {

// Engine strings are UTF-8; paths are built from them without the system code page.
fs::path FromUtf8(const std::string& text) {
  return fs::path(std::u8string(text.begin(), text.end()));
}

std::string ToUtf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

std::string DataFolderIn(const std::string& appDataRoot) {
  const fs::path folder = FromUtf8(appDataRoot) / "vexlo";
  return ToUtf8(folder) + static_cast<char>(fs::path::preferred_separator);
}

void CreateDataFolders(const std::string& dataFolder) {
  std::error_code ignored;
  fs::create_directories(FromUtf8(dataFolder) / "replay", ignored);
}

bool EnterDataFolder(const std::string& dataFolder, std::string& error) {
  std::error_code ec;
  fs::current_path(FromUtf8(dataFolder), ec);
  if (!ec) return true;
  error = "I/O error: " + dataFolder + ": " + ec.message();
  return false;
}

}  // namespace vexlo
