#pragma once
// The Appearance dialog: three groups of board colours, each following the built-in colours
// or the player's own, and a preview board with a sample position. Created once with the
// main window; its creation gives the main board the stored colours.

#include <QDialog>
#include <memory>

#include "board/board.h"
#include "settings/appearance_settings.h"
#include "settings/appearance_store.h"
#include "settings/language_active.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace vexlo::ui {

class AppearanceColorPanel;
class BoardView;
class ColorPicker;

class TfrmAppearance : public QDialog {
  Q_OBJECT

 public:
  // store: the settings store the main window holds; mainBoard: the board that takes the
  // settings now and on every OK; backend: where the store is kept (the program's settings
  // when null); picker: asks for colours (the platform's colour dialog when null).
  TfrmAppearance(AppearanceStore& store, TPICSD33& mainBoard, const ActiveLanguage& language,
                 QWidget* parent = nullptr, KeyValueStore* backend = nullptr,
                 ColorPicker* picker = nullptr);
  ~TfrmAppearance() override;

  // Re-reads the store from the backend, shows it in the controls and applies it to board,
  // which is the preview or the main board.
  void LoadAppearanceDialog(TPICSD33& board);

  TPICSD33& previewBoard() { return sd1Board_; }

 signals:
  // The main board has taken new colours; its owner repaints it for its operation mode.
  void mainBoardColoursChanged();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  QGroupBox* AddGroup(const char* name, QCheckBox*& box, const char* checkName);
  AppearanceColorPanel* AddPanel(QGroupBox* group, const char* panelName, const char* labelName,
                                 AppearanceGroup which);
  void WireControls();

  // Controls <-> settings; setting the controls runs none of their handlers.
  void ShowInControls(const AppearanceSettings& s);
  AppearanceSettings FromControls() const;
  void ApplyTo(TPICSD33& board);
  // A group's controls changed: into the store, onto the preview.
  void GroupChanged(AppearanceGroup group);

  void PanelClick(AppearanceColorPanel* panel, AppearanceGroup group);
  void Button3Click();  // Default
  void Button1Click();  // OK

  AppearanceStore& store_;
  TPICSD33& mainBoard_;
  const ActiveLanguage& language_;
  KeyValueStore* backend_;
  ColorPicker* picker_;
  std::unique_ptr<KeyValueStore> ownBackend_;
  std::unique_ptr<ColorPicker> ownPicker_;
  TPICSD33 sd1Board_;

  QGroupBox* GroupBox1 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QCheckBox* CheckBox3 = nullptr;
  AppearanceColorPanel* Panel1 = nullptr;
  AppearanceColorPanel* Panel2 = nullptr;
  AppearanceColorPanel* fpanel1 = nullptr;
  AppearanceColorPanel* fpanel2 = nullptr;
  AppearanceColorPanel* fpanel3 = nullptr;
  AppearanceColorPanel* highpanle = nullptr;
  BoardView* sd1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;
};

}  // namespace vexlo::ui
