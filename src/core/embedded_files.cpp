#include "core/embedded_files.h"

namespace vexlo {

std::string_view EmbeddedFile(std::string_view name) {
  for (const EmbeddedEntry& entry : EmbeddedFiles()) {
    if (entry.name == name) return entry.data;
  }
  return {};
}

}  // namespace vexlo
