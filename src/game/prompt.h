#pragma once
// The questions and messages the game puts to the player. The front end answers them with
// message boxes; tests answer them from a script.

#include <string>

namespace vexlo {

class Prompt {
 public:
  virtual ~Prompt() = default;

  // A question with the buttons Yes and No; true for Yes. Escape or closing counts as No.
  virtual bool AskYesNo(const std::string& text) = 0;

  // A plain message with one text.
  virtual void Tell(const std::string& text) = 0;
};

}  // namespace vexlo
