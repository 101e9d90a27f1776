#include "ui/help_opener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <array>
#include <utility>

#include "settings/language_table.h"

namespace vexlo::ui {

namespace {

const QString kResourceRoot = QStringLiteral(":/help");

struct CommandTopic {
  std::string_view name;
  HelpTopic topic;
};

// The Help menu's web-link entries are named after the sites they once led to; each now opens
// the page of our own help that serves the same need. Names are folded to lower case.
constexpr std::array<CommandTopic, 13> kCommandTopics = {{
    {"mncontent", HelpTopic::Contents},
    {"bthelp1", HelpTopic::OperationModes},
    {"bthelp2", HelpTopic::Marking},
    {"mne1", HelpTopic::Contents},    // help home
    {"mne2", HelpTopic::Strategies},  // solving strategies
    {"mne3", HelpTopic::Printing},    // printable puzzles
    {"mne4", HelpTopic::Playing},     // play online
    {"mnc1", HelpTopic::Contents},    // home page
    {"mnc2", HelpTopic::Contents},    // forum
    {"mnc3", HelpTopic::Strategies},  // techniques
    {"mnc4", HelpTopic::Playing},     // play online
    {"mnj1", HelpTopic::Playing},     // guide
    {"lbl1", HelpTopic::Contents},    // link label under the board
}};

QString Text(const char* source) { return QCoreApplication::translate("HelpOpener", source); }

QString DefaultFolder() {
  QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (base.isEmpty()) {
    base = QDir::tempPath() + QStringLiteral("/vexlo");
  }
  return base + QStringLiteral("/help");
}

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Writes a copied page only when it differs, so that a browser showing it is not disturbed,
// and through a temporary file, so that a page is never seen half-written.
bool CopyFile(const QString& source, const QString& target, QString& error) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) {
    error = source + QStringLiteral("\n\n") + in.errorString();
    return false;
  }
  const QByteArray content = in.readAll();
  QFile existing(target);
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content) {
    return true;
  }
  existing.close();
  QSaveFile out(target);
  if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !out.open(QIODevice::WriteOnly) ||
      out.write(content) != content.size() || !out.commit()) {
    error = QDir::toNativeSeparators(target) + QStringLiteral("\n\n") + out.errorString();
    return false;
  }
  return true;
}

}  // namespace

bool DesktopUrlOpener::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

HelpPage PageOf(HelpTopic topic) {
  switch (topic) {
    case HelpTopic::Contents:
      return {"index.htm", ""};
    case HelpTopic::OperationModes:
      return {"Candidates.htm", ""};
    case HelpTopic::Marking:
      return {"Color.htm", ""};
    case HelpTopic::Strategies:
      return {"Strategies.htm", ""};
    case HelpTopic::Playing:
      return {"index.htm", "start"};
    case HelpTopic::Printing:
      return {"index.htm", "export"};
  }
  return {"index.htm", ""};
}

std::optional<HelpTopic> HelpTopicForCommand(std::string_view controlName) {
  const std::string folded = FoldKeyCase(controlName);
  for (const auto& entry : kCommandTopics) {
    if (entry.name == folded) {
      return entry.topic;
    }
  }
  return std::nullopt;
}

HelpOpener::HelpOpener(QString folder, UrlOpener* opener)
    : folder_(folder.isEmpty() ? DefaultFolder() : std::move(folder)), opener_(opener) {
  if (opener_ == nullptr) {
    ownOpener_ = std::make_unique<DesktopUrlOpener>();
    opener_ = ownOpener_.get();
  }
}

HelpOpener::~HelpOpener() = default;

bool HelpOpener::CopyPages() {
  bool any = false;
  QDirIterator it(kResourceRoot, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString relative = source.mid(kResourceRoot.size());
    if (!CopyFile(source, folder_ + relative, error_)) {
      return false;
    }
    any = true;
  }
  if (!any) {
    error_ = Text("The help pages are missing from this build.");
  }
  return any;
}

QUrl HelpOpener::PrepareUrl(HelpTopic topic, Language language) {
  error_.clear();
  if (!CopyPages()) {
    return {};
  }
  const HelpPage page = PageOf(topic);
  QString path = folder_ + QLatin1Char('/') + FromView(LanguageCode(language)) +
                 QLatin1Char('/') + FromView(page.file);
  if (!QFileInfo::exists(path)) {
    path = folder_ + QStringLiteral("/en/") + FromView(page.file);
  }
  QUrl url = QUrl::fromLocalFile(path);
  if (!page.anchor.empty()) {
    url.setFragment(FromView(page.anchor));
  }
  return url;
}

bool HelpOpener::Open(HelpTopic topic, Language language) {
  const QUrl url = PrepareUrl(topic, language);
  if (url.isEmpty()) {
    return false;
  }
  if (!opener_->OpenUrl(url)) {
    error_ = Text("No program was found to show the help page:") + QStringLiteral("\n\n") +
             QDir::toNativeSeparators(url.toLocalFile());
    return false;
  }
  return true;
}

}  // namespace vexlo::ui
