#include "ui/game_list_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "game/saved_game_commands.h"
#include "ui/language_apply.h"
#include "ui/language_fonts.h"
#include "ui/language_switch.h"

namespace vexlo::ui {

namespace {

const DialogTexts kTexts = {"frmgamelist", {"Button1", "Button2", "Button3", "Button4"}, {}, {}};

QString Text(const std::string& text) { return QString::fromStdString(text); }

QTableWidgetItem* ReadOnlyItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

}  // namespace

Tfrmgamelist::Tfrmgamelist(Game& game, const ActiveLanguage& language, QWidget* parent)
    : QDialog(parent), game_(game), language_(language) {
  setObjectName(QStringLiteral("frmgamelist"));

  StringGrid1 = new QTableWidget(0, 2, this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setDefaultSectionSize(20);
  StringGrid1->setColumnWidth(0, 217);
  StringGrid1->horizontalHeader()->setStretchLastSection(true);
  StringGrid1->setAlternatingRowColors(true);
  connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this] { Button3Click(); });
  connect(StringGrid1, &QTableWidget::itemSelectionChanged, this, [this] { FollowSelection(); });

  Button1 = new QPushButton(this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button2 = new QPushButton(this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button3 = new QPushButton(this);
  Button3->setObjectName(QStringLiteral("Button3"));
  Button3->setDefault(true);
  Button4 = new QPushButton(this);
  Button4->setObjectName(QStringLiteral("Button4"));
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
  connect(Button4, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  buttons->addStretch();
  buttons->addWidget(Button3);
  buttons->addWidget(Button4);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StringGrid1);
  layout->addLayout(buttons);
  setFixedSize(377, 335);

  FollowLanguage(this, [this] {
    ApplyDialogTexts(this, language_.Table(), kTexts);
    SetHeader();
    UnifyFonts(this);
  });
  FollowSelection();
}

void Tfrmgamelist::SetHeader() {
  StringGrid1->setHorizontalHeaderLabels({Text(game_.LangText("msg_frmgamelist_gamename")),
                                          Text(game_.LangText("msg_frmgamelist_Difficulty"))});
}

void Tfrmgamelist::Fill() {
  StringGrid1->setRowCount(0);
  for (const SavedGameEntry& entry : ListGames(game_)) {
    const int row = StringGrid1->rowCount();
    StringGrid1->insertRow(row);
    auto* name = ReadOnlyItem(Text(entry.name));
    auto* level = ReadOnlyItem(Text(SavedGameLevelText(game_, entry)));
    if (entry.damaged) {
      // Listed so that it can still be renamed or deleted, but it cannot be opened.
      for (QTableWidgetItem* item : {name, level}) {
        item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        item->setToolTip(tr("This saved game is damaged and cannot be opened."));
      }
    }
    StringGrid1->setItem(row, 0, name);
    StringGrid1->setItem(row, 1, level);
  }
  if (StringGrid1->rowCount() > 0) StringGrid1->selectRow(0);
  FollowSelection();
}

int Tfrmgamelist::selectedRow() const {
  const QList<QTableWidgetItem*> selected = StringGrid1->selectedItems();
  return selected.isEmpty() ? -1 : selected.front()->row();
}

std::string Tfrmgamelist::selectedName() const {
  const int row = selectedRow();
  const QTableWidgetItem* item = row < 0 ? nullptr : StringGrid1->item(row, 0);
  return item != nullptr ? item->text().toStdString() : std::string();
}

void Tfrmgamelist::FollowSelection() {
  const bool named = !selectedName().empty();
  Button1->setEnabled(named);
  Button2->setEnabled(named);
}

void Tfrmgamelist::Button1Click() {
  const std::string name = selectedName();
  if (name.empty() || !DeleteSavedGame(game_, name)) return;
  StringGrid1->removeRow(selectedRow());
  FollowSelection();
}

void Tfrmgamelist::Button2Click() {
  const std::string name = selectedName();
  if (const std::optional<std::string> renamed = RenameSavedGame(game_, name)) {
    StringGrid1->item(selectedRow(), 0)->setText(Text(*renamed));
  }
}

void Tfrmgamelist::Button3Click() {
  const std::string name = selectedName();
  // No game chosen: the current game stays as it is.
  if (name.empty()) {
    reject();
    return;
  }
  if (!OpenSavedGame(game_, name)) {
    Fill();  // the file may have changed since the list was read
    return;
  }
  emit gameOpened();
  accept();
}

}  // namespace vexlo::ui
