// Help pages and the About box: every page and section a command or a link leads to exists in
// every language, the opener hands the browser a file that is really there, failures are told,
// and the About box takes its texts from each language table.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <array>

#include "settings/language_active.h"
#include "ui/about_dialog.h"
#include "ui/help_opener.h"

using vexlo::Language;
using vexlo::ui::HelpOpener;
using vexlo::ui::HelpTopic;

Q_DECLARE_METATYPE(std::optional<HelpTopic>)

namespace {

constexpr std::array<Language, 3> kLanguages = {Language::English, Language::Chinese,
                                                Language::Japanese};
constexpr std::array<HelpTopic, 6> kTopics = {HelpTopic::Contents,   HelpTopic::OperationModes,
                                              HelpTopic::Marking,    HelpTopic::Strategies,
                                              HelpTopic::Playing,    HelpTopic::Printing};

QString Code(Language language) { return QString::fromLatin1(vexlo::LanguageCode(language)); }
QString FromView(std::string_view text) { return QString::fromLatin1(text.data(), text.size()); }

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool HasAnchor(const QByteArray& page, const QString& anchor) {
  return anchor.isEmpty() || page.contains(QStringLiteral("id=\"%1\"").arg(anchor).toUtf8());
}

class RecordingOpener : public vexlo::ui::UrlOpener {
 public:
  bool succeed = true;
  QList<QUrl> opened;
  bool OpenUrl(const QUrl& url) override {
    opened << url;
    return succeed;
  }
};

}  // namespace

class HelpAboutTest : public QObject {
  Q_OBJECT

 private slots:
  void everyTopicExistsInEveryLanguage();
  void everyLinkInsideThePagesResolves();
  void commandsLeadToOurPages_data();
  void commandsLeadToOurPages();
  void openerHandsTheBrowserAnExistingFile();
  void openerRepairsAStaleCopy();
  void openerReportsFailures();
  void aboutBoxTakesItsTextsFromTheTable();
};

void HelpAboutTest::everyTopicExistsInEveryLanguage() {
  for (Language language : kLanguages) {
    for (HelpTopic topic : kTopics) {
      const auto page = vexlo::ui::PageOf(topic);
      const QString path =
          QStringLiteral(":/help/%1/%2").arg(Code(language), FromView(page.file));
      const QByteArray content = ReadAll(path);
      QVERIFY2(!content.isEmpty(), qPrintable(path));
      QVERIFY2(content.contains("<meta charset=\"utf-8\">"), qPrintable(path));
      QVERIFY2(HasAnchor(content, FromView(page.anchor)), qPrintable(path));
    }
  }
}

void HelpAboutTest::everyLinkInsideThePagesResolves() {
  const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
  QStringList english;
  for (Language language : kLanguages) {
    const QString folder = QStringLiteral(":/help/") + Code(language);
    const QStringList pages = QDir(folder).entryList(QDir::Files, QDir::Name);
    if (language == Language::English) {
      english = pages;
    }
    QCOMPARE(pages, english);  // the same pages in every language
    for (const QString& name : pages) {
      const QByteArray content = ReadAll(folder + QLatin1Char('/') + name);
      for (const auto& match : link.globalMatch(QString::fromUtf8(content))) {
        const QString href = match.captured(1);
        const QString where = name + QStringLiteral(" -> ") + href;
        QVERIFY2(!href.contains(QStringLiteral("://")), qPrintable(where));  // no web addresses
        const QString file = href.section(QLatin1Char('#'), 0, 0);
        const QString target = file.isEmpty() ? folder + QLatin1Char('/') + name
                                              : QDir::cleanPath(folder + QLatin1Char('/') + file);
        QVERIFY2(QFile::exists(target), qPrintable(where));
        QVERIFY2(HasAnchor(ReadAll(target), href.section(QLatin1Char('#'), 1)), qPrintable(where));
      }
    }
  }
}

void HelpAboutTest::commandsLeadToOurPages_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<std::optional<HelpTopic>>("topic");
  const auto row = [](const char* name, std::optional<HelpTopic> topic) {
    QTest::newRow(name) << QString::fromLatin1(name) << topic;
  };
  row("mncontent", HelpTopic::Contents);
  row("mnContent", HelpTopic::Contents);
  row("bthelp1", HelpTopic::OperationModes);
  row("bthelp2", HelpTopic::Marking);
  row("mne1", HelpTopic::Contents);
  row("mne2", HelpTopic::Strategies);
  row("mne3", HelpTopic::Printing);
  row("mne4", HelpTopic::Playing);
  row("mnc1", HelpTopic::Contents);
  row("mnc2", HelpTopic::Contents);
  row("mnc3", HelpTopic::Strategies);
  row("mnc4", HelpTopic::Playing);
  row("mnj1", HelpTopic::Playing);
  row("lbl1", HelpTopic::Contents);
  row("mnabout", std::nullopt);
  row("mnexit", std::nullopt);
  row("mncontents", std::nullopt);
}

void HelpAboutTest::commandsLeadToOurPages() {
  QFETCH(QString, name);
  QFETCH(std::optional<HelpTopic>, topic);
  QCOMPARE(vexlo::ui::HelpTopicForCommand(name.toStdString()), topic);
}

void HelpAboutTest::openerHandsTheBrowserAnExistingFile() {
  QTemporaryDir dir;
  RecordingOpener browser;
  HelpOpener opener(dir.filePath("help"), &browser);
  for (Language language : kLanguages) {
    for (HelpTopic topic : kTopics) {
      QVERIFY2(opener.Open(topic, language), qPrintable(opener.errorString()));
      const QUrl url = browser.opened.constLast();
      const auto page = vexlo::ui::PageOf(topic);
      QVERIFY(url.isLocalFile());
      QCOMPARE(url.fragment(), FromView(page.anchor));
      const QString file = url.toLocalFile();
      QCOMPARE(file, dir.filePath(QStringLiteral("help/%1/%2").arg(Code(language),
                                                                   FromView(page.file))));
      QCOMPARE(ReadAll(file),
               ReadAll(QStringLiteral(":/help/%1/%2").arg(Code(language), FromView(page.file))));
      // The stylesheet the pages link to sits beside the language folders.
      QVERIFY(QFile::exists(QFileInfo(file).absolutePath() + QStringLiteral("/../help.css")));
    }
  }
  QCOMPARE(browser.opened.size(), int(kLanguages.size() * kTopics.size()));
}

void HelpAboutTest::openerRepairsAStaleCopy() {
  QTemporaryDir dir;
  RecordingOpener browser;
  HelpOpener opener(dir.path(), &browser);
  QVERIFY(opener.Open(HelpTopic::Marking, Language::Chinese));
  const QString file = browser.opened.constLast().toLocalFile();
  {
    QFile stale(file);
    QVERIFY(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stale.write("<html>old version</html>");
  }
  QVERIFY(opener.Open(HelpTopic::Marking, Language::Chinese));
  QCOMPARE(ReadAll(file), ReadAll(QStringLiteral(":/help/zh/Color.htm")));
}

void HelpAboutTest::openerReportsFailures() {
  QTemporaryDir dir;
  RecordingOpener browser;

  // No program for web pages: the player learns where the page is.
  browser.succeed = false;
  HelpOpener noBrowser(dir.filePath("ok"), &browser);
  QVERIFY(!noBrowser.Open(HelpTopic::Contents, Language::English));
  QVERIFY2(noBrowser.errorString().contains(QDir::toNativeSeparators(dir.filePath("ok/en/index.htm"))),
           qPrintable(noBrowser.errorString()));

  // The folder cannot be made (a file is in its way): nothing is opened.
  browser.opened.clear();
  {
    QFile blocker(dir.filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
  }
  HelpOpener blocked(dir.filePath("blocked"), &browser);
  QVERIFY(!blocked.Open(HelpTopic::Contents, Language::English));
  QVERIFY(!blocked.errorString().isEmpty());
  QVERIFY(browser.opened.isEmpty());
  QVERIFY(blocked.PrepareUrl(HelpTopic::Contents, Language::English).isEmpty());
}

void HelpAboutTest::aboutBoxTakesItsTextsFromTheTable() {
  vexlo::ActiveLanguage active;
  for (Language language : kLanguages) {
    active.SelectLanguage(language);
    const vexlo::LanguageTable& table = active.Table();
    vexlo::ui::AboutDialog about(active);
    QCOMPARE(about.objectName(), QStringLiteral("frm_about"));
    QCOMPARE(about.windowTitle(), QString::fromStdString(table.LangText("frm_about.caption")));
    QVERIFY(!about.windowTitle().isEmpty());
    QCOMPARE(about.findChild<QLabel*>("lbl1")->text(), QStringLiteral("Vexlo"));
    QCOMPARE(about.findChild<QLabel*>("lblversion")->text(), QStringLiteral("5.0"));
    QCOMPARE(about.findChild<QLabel*>("lbl2")->text(),
             QString::fromStdString(table.LangText("frm_about.lbl2.caption")));
    auto* close = about.findChild<QPushButton*>("Button1");
    // The Japanese table spells this key "frm_about.Button1.caption".
    QVERIFY(!close->text().isEmpty());
    QCOMPARE(close->text(), QString::fromStdString(table.LangText("frm_about.button1.caption")));

    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
  }

  // A box that stays open follows a change of language.
  active.SelectLanguage(Language::Chinese);
  vexlo::ui::AboutDialog about(active);
  QCOMPARE(about.windowTitle(), QStringLiteral("关于"));
  active.SelectLanguage(Language::English);
  QEvent change(QEvent::LanguageChange);
  QCoreApplication::sendEvent(&about, &change);
  QCOMPARE(about.windowTitle(), QStringLiteral("About"));
  QCOMPARE(about.findChild<QPushButton*>("Button1")->text(), QStringLiteral("Close"));
}

QTEST_MAIN(HelpAboutTest)
#include "help_about_test.moc"
