#pragma once
// The main window's behaviour without widgets. One Game holds everything the window's
// handlers read and write: the board, the puzzle holder, the clock, the operation mode, the
// digit buttons, the check boxes, the enabled states of the tool buttons, the status and
// level texts, the candidate tile, the colour marks and the move history. Each handler is one
// method; the front end calls it and then re-reads the state into its widgets. Questions and
// messages go out through the Prompt.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "board/mouse_button.h"
#include "board/time_label.h"
#include "core/puzzle_holder.h"
#include "game/candidate_tile.h"
#include "game/color_marks.h"
#include "game/operation_mode.h"
#include "game/prompt.h"
#include "storage/board_state.h"

namespace vexlo {

// Looks a key up in the active language table (empty for a missing key).
using TextLookup = std::function<std::string(std::string_view key)>;

// A check box of the window.
struct CheckBoxState {
  bool checked = false;
  bool enabled = true;
};

// One digit counter under the board: how often its digit is placed, and its bar colour.
struct DigitCounter {
  int position = 0;
  Color color = colors::kBlue;
};

// Enabled states of the branch and history buttons of the lower tool bar.
struct HistoryButtons {
  bool btStartBranch = false;
  bool btAccept = false;
  bool btRejectBranch = false;
  bool btfirst = false;
  bool btback = false;
  bool btnext = false;
  bool btlast = false;
};

class Game {
 public:
  Game(Prompt& prompt, TextLookup langText);

  // ---- State the window shows ----
  TPICSD33 sd991{BoardPreset::MainWindow};
  TQJ QJ1;
  TTimeLabel TimeLabel1;
  bool boardEnabled = false;

  OperationMode mode = OperationMode::PencilAndPaper;
  std::array<bool, 9> digitDown{};  // disnote1 .. disnote9
  bool digitsExclusive = false;     // one digit button down at a time
  CheckBoxState cbautoupdate{true, false};
  CheckBoxState chkcolor{false, true};
  int markingColorIndex = kDefaultMarkingColorIndex;  // foreground of colorgrid1
  ColorMarks colorMarks;

  std::array<DigitCounter, 9> counters{};  // ProgressBar1 .. ProgressBar9
  HistoryButtons buttons;
  std::string statusText;          // first panel of sb1
  bool completionVisible = false;  // WC_Label

  TileState tile;

  // Move history: one board state per line, step 0 first.
  std::vector<std::string> memostep{"memostep"};
  int stepIndex = 0;
  std::string branchState;

  std::string DataFolder;  // with a trailing separator once FormCreate has run

  // ---- Window life ----
  // The game's part of the window's creation: data folder, empty disabled board, no marks.
  // appDataRoot is the per-user application-data folder of the platform.
  void FormCreate(const std::string& appDataRoot);
  void FormActivate();
  void FormClose();

  // ---- Commands ----
  void NewGame(int level);  // level 0..4
  void LoadBoardFromHolder(bool withCandidates);
  void btRestartClick();
  void RefreshBoard();  // digit counters, then a history step

  // ---- Level label ----
  const std::string& ndtxt() const { return ndtxt_; }
  void SetLevelCaption(std::string key);  // a level key of the language table
  void RetranslateTexts();                // after the active table changed

  // ---- Digit buttons ----
  int SelectedDigit() const;  // 1..9 when exactly one button is down, else 0
  bool AnyDigitDown() const;
  std::string DisplayDigitSet() const;  // the digits whose candidates are shown
  void PressDigit(int digit) { digitDown[digit - 1] = true; }
  void disnote11Click(int digit);  // click on the button of the digit
  // Right mouse button on a digit button: in "Part Candidates" several digits can be down.
  void disnote1RightClick(int digit);
  void DigitKey(int digit);  // key 1..9 of the main keyboard
  void TabKey();             // Tab: the next digit, with the focus kept
  void ProgressBarMouseDown(int digit, MouseButton button);

  // ---- Operation modes ----
  // Before a mouse click on "Pencil and Paper"; false when the player cancels the switch.
  bool rb_noneMouseDown();
  void SetMode(OperationMode newMode);  // checks a radio button; no click when unchanged
  void rb_noneClick();                  // a mode radio button became checked
  void RepaintForMode();                // the board's view for the mode, then its colours
  void CandidateFill();                 // on entering a candidate mode
  bool AutoUpdateOn() const { return cbautoupdate.checked && cbautoupdate.enabled; }

  // ---- Cell input ----
  void CellMouseDown(int row, int col, MouseButton button);
  void CandidateMouseDown(int row, int col, int digit, MouseButton button);
  void Completion(std::string_view key);  // the puzzle is solved

  // ---- Board colours and marking ----
  Color BaseColor(int row, int col) const;
  void ColorRepaint();
  void Highlight();
  void ClearMarking();  // bt_clearcolor
  // A click on a cell (digit 0) or a candidate panel while "Marking" is checked.
  void MarkColor(int row, int col, int digit, MouseButton button);

  // ---- History ----
  void StartHistory();
  void RecordStep();
  void SetHistoryButtons(bool afterRecording);
  void btfirstClick();
  void btbackClick();
  void btnextClick();
  void btlastClick();
  void btStartBranchClick();
  void btAcceptClick();
  void btRejectBranchClick();
  // Reads a board state into the board and selects the operation mode it calls for, as a
  // click on that radio button would. A text that cannot be read is reported to the caller.
  BoardStateReadResult ReadBoardIntoGame(std::string_view text);

  // ---- Mouse over the board ----
  void SetCellHover(int row, int col, bool entered);
  void SetPanelHover(int row, int col, int digit, bool entered);

  // ---- Status bar help ----
  void ShowHint(std::string text) { statusText = std::move(text); }
  void ClearHint() { statusText.clear(); }
  void DigitButtonHint();

  // ---- Candidate tile ----
  void OpenTile(int row, int col);  // a right click on an open cell
  // Whenever the tile closes: the edits made in it become one history step.
  void CloseTile();
  void TileApply();                // the buttons that are down become the cell's digits
  void TileDigitClick(int digit);  // left or right button on A1 .. A9
  void TileKeyDown(int key);       // a key code of candidate_tile.h, or any other
  void TileAutomaticClick();       // "Automatic"

  std::string LangText(std::string_view key) const { return langText_ ? langText_(key) : ""; }
  Prompt& prompt() { return prompt_; }

 private:
  void ClearBoard();
  void StartClock();
  void LayBaseColors();
  void DisableStepButtons();
  void RedrawByMode();  // the view the mode shows after an entry
  void RefreshAfterCellInput(bool fromCell);
  void GoToStep(int index);
  void RedrawAfterRead(bool withHighlight);  // after a step or the branch point was read

  Prompt& prompt_;
  TextLookup langText_;
  std::string ndtxtKey_;
  std::string ndtxt_;
};

}  // namespace vexlo
