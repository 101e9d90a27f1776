#pragma once
// One opening of the hint window, without the window: the engine's steps behind its one
// button ("Next Hint" / "Do It For Me") and what the game does once the window has closed.

#include <functional>
#include <string>

#include "board/board.h"
#include "game/game.h"
#include "hints/hint_engine.h"

namespace vexlo {

// What the engine works on during one opening.
struct HintWiring {
  TPICSD33* board = nullptr;
  bool pencilAndPaper = false;
  TextLookup langText;
  std::function<void()> recordStep;  // the game's history step
};

// The wiring for the game's own board, mode, texts and history.
HintWiring HintWiringOf(Game& game);

class HintSession {
 public:
  // Called with the "Thinking..." text right before a search begins, so that a window can
  // show it while the search runs.
  using SearchNotice = std::function<void(const std::string& text)>;

  // Wires the program's one engine for this opening; it keeps no other state.
  HintSession(hints::HintEngine& engine, HintWiring wiring, SearchNotice beforeSearch = {});

  // The window opens: a fresh start and the first step, so a finding is shown at once.
  void Open();

  // The hint button: carries out a shown single, otherwise the next step (which carries out
  // any other shown finding, or searches).
  void bthintClick();

  // The window closes: a finding that was shown but not carried out is dropped.
  void Close();

  const std::string& HintText() const { return engine_.HintText(); }
  // "Do It For Me" while a finding waits to be carried out, else "Next Hint".
  std::string ButtonCaption() const;
  const hints::HintEngine& engine() const { return engine_; }

 private:
  void Step();
  std::string Text(std::string_view key) const;

  hints::HintEngine& engine_;
  HintWiring wiring_;
  SearchNotice beforeSearch_;
};

// After the hint window has closed: the digit counters and a history step, and on a solved
// board the completion label, the stopped clock and disabled branch buttons. No message: the
// player watched the last digit go in.
void AfterHintWindow(Game& game);

}  // namespace vexlo
