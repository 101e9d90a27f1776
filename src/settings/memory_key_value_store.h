#pragma once
// A key-value store held in memory: for tests and for running without a settings backend.

#include <map>

#include "settings/key_value_store.h"

namespace vexlo {

class MemoryKeyValueStore : public KeyValueStore {
 public:
  bool Exists() const override { return !values.empty(); }

  std::optional<std::string> Read(const std::string& name) const override {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }

  bool Write(const std::vector<std::pair<std::string, std::string>>& pairs) override {
    if (readOnly) return false;
    ++writes;
    for (const auto& [name, value] : pairs) values[name] = value;
    return true;
  }

  std::map<std::string, std::string> values;
  bool readOnly = false;  // simulates a store that cannot be written
  int writes = 0;
};

}  // namespace vexlo
