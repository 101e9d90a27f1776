#pragma once
// A scripted prompt that also answers file dialogs and input boxes, and a game in a data
// folder of its own that uses it.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "game_fixture.h"

namespace vexlo::testing {

// An empty file name is a cancelled dialog; an empty text script cancels the input box.
class FilePrompt : public ScriptedPrompt {
 public:
  std::deque<std::string> files;
  std::vector<std::string> dialogFolders;
  std::deque<std::optional<std::string>> texts;
  std::vector<std::string> inputs;  // title, prompt and initial text of each input box

  std::string ChooseOpenFile(const std::string& folder) override { return NextFile(folder); }
  std::string ChooseSaveFile(const std::string& folder) override { return NextFile(folder); }

  std::optional<std::string> AskText(const std::string& title, const std::string& label,
                                     const std::string& initial) override {
    inputs.push_back(title + "|" + label + "|" + initial);
    if (texts.empty()) return std::nullopt;
    std::optional<std::string> text = texts.front();
    texts.pop_front();
    return text;
  }

 private:
  std::string NextFile(const std::string& folder) {
    dialogFolders.push_back(folder);
    if (files.empty()) return {};
    std::string file = files.front();
    files.pop_front();
    return file;
  }
};

struct FileGameFixture {
  FilePrompt prompt;
  TempFolder root;
  Game game{prompt, EnglishText()};

  FileGameFixture() { game.FormCreate(root.path().string()); }
};

}  // namespace vexlo::testing
