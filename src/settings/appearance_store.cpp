#include "settings/appearance_store.h"

namespace vexlo {

void SetDefaultAppearance(AppearanceStore& store) {
  for (std::size_t i = 0; i < kAppearanceValueCount; ++i) {
    store.values[i] = std::string(kAppearanceDefaults[i]);
  }
}

namespace {
void ResetToDefaults(AppearanceStore& store, KeyValueStore& backend) {
  SetDefaultAppearance(store);
  SaveAppearanceStore(store, backend);
}
}  // namespace

void LoadAppearanceStore(AppearanceStore& store, KeyValueStore& backend) {
  if (backend.Exists()) {
    for (std::size_t i = 0; i < kAppearanceValueCount; ++i) {
      store.values[i] = backend.Read(std::string(kAppearanceValueNames[i])).value_or("");
    }
  } else {
    ResetToDefaults(store, backend);
  }
  if (store[AppearanceValue::BackgroundUseDefault].empty()) ResetToDefaults(store, backend);
}

bool SaveAppearanceStore(const AppearanceStore& store, KeyValueStore& backend) {
  std::vector<std::pair<std::string, std::string>> pairs;
  pairs.reserve(kAppearanceValueCount);
  for (std::size_t i = 0; i < kAppearanceValueCount; ++i) {
    pairs.emplace_back(std::string(kAppearanceValueNames[i]), store.values[i]);
  }
  return backend.Write(pairs);
}

}  // namespace vexlo
