#pragma once
// Applying a language table to widgets. Controls are found by objectName, which is the
// control's table name ("btsolve", "mnNewGame", "N1", "rb_none"); letter case does not matter.
//
// How the main window's controls are recognised, pass by pass:
//   menu items     QMenu (its title) and every named QAction that is not on a tool bar; a
//                  separator is a QAction with setSeparator(true) — a caption "-" makes an
//                  item a separator, an empty value leaves it as it is;
//   group boxes    QGroupBox;
//   tool buttons   named QToolButtons whose parent is a QToolBar, and named QActions on a
//                  QToolBar (tool-bar separators included);
//   radio buttons  QRadioButton;  check boxes  QCheckBox (also when placed on a tool bar);
//   speed buttons  every other button (QPushButton, QToolButton off the tool bars): its text
//                  changes only when the table has a non-empty caption, so digit buttons and
//                  "?" buttons without a caption key keep theirs;
//   hints          the tool tip of every named widget below the root and of every named
//                  tool-bar action, also when the table has none (it is then cleared).
// Names beginning with "qt_" belong to Qt and are never touched.
//
// Nothing is remembered between calls: applying another table re-texts everything.

#include <QString>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/language_table.h"

class QObject;
class QWidget;

namespace vexlo::ui {

// The seven passes over the controls below `root`, then the Help menu's web links mnC1..mnC4
// are made visible, the link label lbl1 gets its text, and UnifyFonts(root) runs.
void ApplyLanguage(QWidget* root, const LanguageTable& table);

// Sets the visible text of a control: a window's title, a menu's title, the text of an
// action, button or label, a group box's title. Returns false for a kind without text.
bool SetControlText(QObject* control, const QString& text);

// The first object named `name` (letter case ignored) below `root`, or null.
QObject* FindNamed(const QObject* root, std::string_view name);

// The texts of one dialog. Each is applied as the table has it, an empty value too.
struct DialogTexts {
  std::string_view dialog;                   // window name without its "T": "frmsave"
  std::vector<std::string_view> captions;    // controls taking <dialog>.<control>.caption
  std::vector<std::string_view> radioItems;  // groups whose radio buttons (or combo-box
                                             // entries), in order, take <dialog>.<group>.items[i]
  std::vector<std::pair<std::string_view, std::string_view>> keyed;  // control, whole key
};

// The title from <dialog>.caption, then every listed control. Call it from the dialog's
// constructor through FollowLanguage (ui/language_switch.h) so that the dialog follows
// every later change of language, and run UnifyFonts after it where the dialog wants that.
void ApplyDialogTexts(QWidget* dialog, const LanguageTable& table, const DialogTexts& texts);

}  // namespace vexlo::ui
