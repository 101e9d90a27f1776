#include "game/game.h"

#include <utility>

#include "core/puzzle_bank.h"
#include "game/board_walk.h"
#include "game/data_folder.h"
#include "game/replay_commands.h"

namespace vexlo {

namespace {

constexpr std::array<const char*, 5> kLevelCaptionKeys = {"msg_ndtxt_veryeasy", "msg_ndtxt_gentle",
                                                          "msg_ndtxt_moderate", "msg_ndtxt_tough",
                                                          "msg_ndtxt_diabolical"};

const std::string kNoPuzzle(81, '0');

}  // namespace

Game::Game(Prompt& prompt, TextLookup langText) : prompt_(prompt), langText_(std::move(langText)) {}

void Game::FormCreate(const std::string& appDataRoot) {
  DataFolder = DataFolderIn(appDataRoot);
  CreateDataFolders(DataFolder);
  if (std::string error; !EnterDataFolder(DataFolder, error)) prompt_.Tell(error);
  branchState.clear();
  markingColorIndex = kDefaultMarkingColorIndex;
  // Until the first game the board is empty, disabled and made of fixed cells, so that it
  // accepts no moves.
  boardEnabled = false;
  ForEachCell(sd991, [this](int, int, TPicNode& cell) {
    cell.digits.clear();
    cell.caption.clear();
    cell.state = CellState::Fixed;
    cell.setFontSize(sd991.FONTSize3);
  });
  colorMarks.Clear();
  sd991.Touch();
}

void Game::NewGame(int level) {
  if (level < 0 || level >= static_cast<int>(kLevelCaptionKeys.size())) return;
  ClearBoard();
  ClearMarking();
  chkcolor.checked = false;
  if (rb_noneMouseDown()) SetMode(OperationMode::PencilAndPaper);
  PressDigit(1);
  cbautoupdate.enabled = false;
  DrawBankPuzzle(QJ1, level);
  ForEachCell(sd991, [](int, int, TPicNode& cell) { cell.isAuto = 0; });
  SetLevelCaption(kLevelCaptionKeys[level]);
  LoadBoardFromHolder(false);
  RefreshBoard();
  disnote11Click(1);
  StartHistory();
  DisableStepButtons();
  StartClock();
  sd991.nd = level;
  sd991.HideOpenCands();
  digitsExclusive = true;
  tile.tileOpen = false;
  completionVisible = false;
}

void Game::ClearBoard() {
  QJ1.ClearValues();
  ForEachCell(sd991, [](int, int, TPicNode& cell) {
    cell.state = CellState::Open;
    cell.digits.clear();
  });
  ClearMarking();
}

void Game::LoadBoardFromHolder(bool withCandidates) {
  ForEachCell(sd991, [this, withCandidates](int r, int c, TPicNode& cell) {
    const TNode& node = QJ1.node(r, c);
    cell.Hide();
    if (node.given) {
      cell.state = CellState::Fixed;
      cell.digits = std::to_string(node.value);
    } else {
      cell.state = CellState::Open;
      if (withCandidates) cell.digits = "123456789";
    }
    cell.isError = false;
  });
  if (withCandidates) {
    ForEachCell(sd991, [this](int r, int c, TPicNode& cell) {
      if (cell.state == CellState::Open) cell.digits = sd991.FreeDigits(r, c);
    });
  }
  sd991.Touch();
  boardEnabled = true;
  chkcolor.checked = false;
  buttons.btStartBranch = true;
  buttons.btAccept = false;
  buttons.btRejectBranch = false;
}

void Game::btRestartClick() {
  if (QJ1.GetPuzzle() == kNoPuzzle) return;
  if (!prompt_.AskYesNo(LangText("msg_restart"))) return;
  ClearMarking();
  chkcolor.checked = false;
  boardEnabled = true;
  ForEachCell(sd991, [](int, int, TPicNode& cell) {
    if (cell.state == CellState::Fixed) return;
    cell.digits.clear();
    cell.state = CellState::Open;
  });
  sd991.FindConflict();
  SetMode(OperationMode::PencilAndPaper);
  PressDigit(1);
  RefreshBoard();
  disnote11Click(1);
  sd991.HideOpenCands();
  StartHistory();
  DisableStepButtons();
  StartClock();
  completionVisible = false;
}

void Game::FormActivate() {
  if (!AnyCell(sd991, [](const TPicNode& cell) { return cell.isEnter; })) tile.tileOpen = false;
  CloseTile();
}

void Game::FormClose() {
  // Edits still open in the tile belong to the game that is written now.
  CloseTile();
  // The window closes whatever happens; a last game that cannot be written is reported.
  if (FileResult written = WriteLastGame(*this); !written) prompt_.Tell(written.error);
}

void Game::StartClock() {
  TimeLabel1.timerenabled = true;
  TimeLabel1.SetMS(0);
}

void Game::DisableStepButtons() {
  buttons.btback = buttons.btfirst = buttons.btnext = buttons.btlast = false;
}

void Game::SetLevelCaption(std::string key) {
  ndtxtKey_ = std::move(key);
  ndtxt_ = LangText(ndtxtKey_);
}

void Game::RetranslateTexts() {
  if (!ndtxtKey_.empty()) ndtxt_ = LangText(ndtxtKey_);
}

}  // namespace vexlo
