#include "game_fixture.h"

#include <atomic>
#include <chrono>

#include "settings/language_active.h"

namespace vexlo::testing {

namespace fs = std::filesystem;

bool ScriptedPrompt::AskYesNo(const std::string& text) {
  questions.push_back(text);
  if (answers.empty()) return false;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

TempFolder::TempFolder() : previousCurrent_(fs::current_path()) {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = fs::temp_directory_path() /
          ("vexlo-game-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  fs::create_directories(path_);
}

TempFolder::~TempFolder() {
  // The game enters its data folder; step out before removing it.
  std::error_code ignored;
  fs::current_path(previousCurrent_, ignored);
  fs::remove_all(path_, ignored);
}

TextLookup EnglishText() {
  return [table = BuiltInTable(Language::English)](std::string_view key) {
    return table.LangText(key);
  };
}

}  // namespace vexlo::testing
