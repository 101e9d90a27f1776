#pragma once
// A game with a scripted prompt and a data folder of its own, for the game tests.

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "game/game.h"

namespace vexlo::testing {

// Answers questions from a script (No when the script is empty) and records what was said.
class ScriptedPrompt : public Prompt {
 public:
  std::deque<bool> answers;
  std::vector<std::string> questions;
  std::vector<std::string> captions;  // of the questions asked under a caption
  std::vector<std::string> messages;

  bool AskYesNo(const std::string& text) override;
  bool AskYesNoCaptioned(const std::string& text, const std::string& caption) override {
    captions.push_back(caption);
    return AskYesNo(text);
  }
  void Tell(const std::string& text) override { messages.push_back(text); }
};

// A fresh temporary folder, removed again with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::filesystem::path previousCurrent_;
};

// Looks keys up in the built-in English table.
TextLookup EnglishText();

// A game after its window's creation, with its data folder under a temporary folder.
struct GameFixture {
  ScriptedPrompt prompt;
  TempFolder root;
  Game game{prompt, EnglishText()};

  GameFixture() { game.FormCreate(root.path().string()); }
};

}  // namespace vexlo::testing
