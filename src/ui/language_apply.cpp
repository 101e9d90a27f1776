#include "ui/language_apply.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>
#include <QtDebug>
#include <optional>
#include <string>

#include "settings/language_rules.h"
#include "ui/language_fonts.h"

namespace vexlo::ui {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string NameOf(const QObject* object) { return object->objectName().toStdString(); }

bool IsOurs(const QObject* object) {
  const QString name = object->objectName();
  return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

bool NameIs(const QObject* object, std::string_view name) {
  return object->objectName().compare(ToQString(name), Qt::CaseInsensitive) == 0;
}

bool OnToolBar(const QAction* action) {
  for (const QObject* owner : action->associatedObjects()) {
    if (qobject_cast<const QToolBar*>(owner) != nullptr) return true;
  }
  return false;
}

bool OnToolBar(const QWidget* widget) {
  return qobject_cast<const QToolBar*>(widget->parentWidget()) != nullptr;
}

// The caption pass a control belongs to, if any.
std::optional<TextPass> CaptionPassOf(const QObject* object) {
  if (const auto* action = qobject_cast<const QAction*>(object)) {
    return OnToolBar(action) ? TextPass::ToolButtons : TextPass::MenuItems;
  }
  if (qobject_cast<const QMenu*>(object) != nullptr) return TextPass::MenuItems;
  if (qobject_cast<const QGroupBox*>(object) != nullptr) return TextPass::GroupBoxes;
  if (qobject_cast<const QRadioButton*>(object) != nullptr) return TextPass::RadioButtons;
  if (qobject_cast<const QCheckBox*>(object) != nullptr) return TextPass::CheckBoxes;
  if (const auto* button = qobject_cast<const QAbstractButton*>(object)) {
    return OnToolBar(button) ? TextPass::ToolButtons : TextPass::SpeedButtons;
  }
  return std::nullopt;
}

bool TakesHint(const QObject* object) {
  if (const auto* action = qobject_cast<const QAction*>(object)) return OnToolBar(action);
  return object->isWidgetType();
}

void SetHint(QObject* object, const QString& hint) {
  if (auto* action = qobject_cast<QAction*>(object)) {
    action->setToolTip(hint);
  } else if (auto* widget = qobject_cast<QWidget*>(object)) {
    widget->setToolTip(hint);
  }
}

void SetCaption(QObject* object, TextPass pass, const QString& caption) {
  SetControlText(object, caption);
  if (pass != TextPass::MenuItems) return;
  // A menu item drawn as a line has the caption "-", whatever it was before.
  if (auto* action = qobject_cast<QAction*>(object);
      action != nullptr && action->menu() == nullptr) {
    action->setSeparator(IsSeparatorCaption(caption.toStdString()));
  }
}

void RevealLinks(QWidget* root) {
  for (QAction* action : root->findChildren<QAction*>()) {
    for (std::string_view name : kRevealedLinkItems) {
      if (NameIs(action, name)) action->setVisible(true);
    }
  }
  SetControlText(FindNamed(root, kLinkLabelName), ToQString(kLinkLabelText));
}

// The buttons or entries of a group, in order.
void SetItemTexts(QObject* group, const LanguageTable& table, std::string_view dialog) {
  const std::string name = NameOf(group);
  auto item = [&](std::size_t index) {
    return ToQString(table.LangText(RadioItemKey(dialog, name, index)));
  };
  if (auto* combo = qobject_cast<QComboBox*>(group)) {
    for (int i = 0; i < combo->count(); ++i)
      combo->setItemText(i, item(static_cast<std::size_t>(i)));
    return;
  }
  std::size_t index = 0;
  for (QRadioButton* button : group->findChildren<QRadioButton*>()) button->setText(item(index++));
}

QObject* RequireNamed(QWidget* dialog, std::string_view control) {
  QObject* found = FindNamed(dialog, control);
  if (found == nullptr) {
    qWarning("%s has no control named %.*s", qPrintable(dialog->objectName()),
             static_cast<int>(control.size()), control.data());
  }
  return found;
}

}  // namespace

bool SetControlText(QObject* control, const QString& text) {
  if (auto* menu = qobject_cast<QMenu*>(control)) {
    menu->setTitle(text);
  } else if (auto* action = qobject_cast<QAction*>(control)) {
    action->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
    group->setTitle(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
  } else if (auto* widget = qobject_cast<QWidget*>(control);
             widget != nullptr && widget->isWindow()) {
    widget->setWindowTitle(text);
  } else {
    return false;
  }
  return true;
}

QObject* FindNamed(const QObject* root, std::string_view name) {
  if (root == nullptr) return nullptr;
  for (QObject* object : root->findChildren<QObject*>()) {
    if (NameIs(object, name)) return object;
  }
  return nullptr;
}

void ApplyLanguage(QWidget* root, const LanguageTable& table) {
  // Taken once: the passes change texts, never the set of controls.
  const QList<QObject*> controls = root->findChildren<QObject*>();
  for (TextPass pass : kTextPasses) {
    for (QObject* control : controls) {
      if (!IsOurs(control)) continue;
      const bool inPass =
          pass == TextPass::Hints ? TakesHint(control) : CaptionPassOf(control) == pass;
      if (!inPass) continue;
      const std::optional<std::string> text = PassText(pass, table, NameOf(control));
      if (!text) continue;
      if (pass == TextPass::Hints) {
        SetHint(control, ToQString(*text));
      } else {
        SetCaption(control, pass, ToQString(*text));
      }
    }
  }
  RevealLinks(root);
  UnifyFonts(root);
}

void ApplyDialogTexts(QWidget* dialog, const LanguageTable& table, const DialogTexts& texts) {
  dialog->setWindowTitle(ToQString(table.LangText(DialogTitleKey(texts.dialog))));
  for (std::string_view control : texts.captions) {
    if (QObject* found = RequireNamed(dialog, control)) {
      SetControlText(found, ToQString(table.LangText(DialogControlKey(texts.dialog, control))));
    }
  }
  for (std::string_view group : texts.radioItems) {
    if (QObject* found = RequireNamed(dialog, group)) SetItemTexts(found, table, texts.dialog);
  }
  for (const auto& [control, key] : texts.keyed) {
    if (QObject* found = RequireNamed(dialog, control)) {
      SetControlText(found, ToQString(table.LangText(key)));
    }
  }
}

}  // namespace vexlo::ui
