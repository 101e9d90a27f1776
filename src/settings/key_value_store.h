#pragma once
// A flat store of named text values that survives the program: the registry key on Windows,
// a settings file elsewhere. The engine reads and writes settings only through this.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vexlo {

class KeyValueStore {
 public:
  virtual ~KeyValueStore() = default;

  // Whether the store holds anything at all; reading never creates it.
  virtual bool Exists() const = 0;

  // The value stored under name, or nothing when there is no such value. A value kept in a
  // form that is not text (written by another tool) reads as the empty text.
  virtual std::optional<std::string> Read(const std::string& name) const = 0;

  // Writes all pairs, creating the store when missing. False when the store cannot be
  // written; nothing is reported to the player then.
  virtual bool Write(const std::vector<std::pair<std::string, std::string>>& values) = 0;
};

}  // namespace vexlo
