// Save as picture: which file and format a chosen name and filter give, that the files are real
// JPEG and BMP pictures of the panel as shown, and that a failed write is reported and leaves
// nothing behind.

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include "ui/picture_export.h"

using vexlo::ui::PictureFormat;
using vexlo::ui::PicturePrompt;
using vexlo::ui::PictureTarget;

Q_DECLARE_METATYPE(PictureFormat)

namespace {

// Answers the save dialog with a fixed choice and records every error report.
class ScriptedPrompt : public PicturePrompt {
 public:
  std::optional<Choice> answer;
  QStringList errors;
  int dialogs = 0;

  std::optional<Choice> ChooseSaveFile() override {
    ++dialogs;
    return answer;
  }
  void ReportError(const QString& text) override { errors << text; }
};

// A panel with two colours, so that the picture can be told from a blank or shifted one.
class TwoColourPanel : public QWidget {
 public:
  TwoColourPanel() {
    resize(120, 90);
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(250, 250, 120)));
    auto* block = new QWidget(this);
    block->setGeometry(0, 0, 60, 90);
    block->setAutoFillBackground(true);
    block->setPalette(QPalette(QColor(20, 40, 200)));
  }
};

QByteArray Head(const QString& path, int bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  return file.read(bytes);
}

bool Near(QRgb pixel, QColor expected) {
  constexpr int kTolerance = 12;  // JPEG is lossy
  return std::abs(qRed(pixel) - expected.red()) <= kTolerance &&
         std::abs(qGreen(pixel) - expected.green()) <= kTolerance &&
         std::abs(qBlue(pixel) - expected.blue()) <= kTolerance;
}

}  // namespace

class PictureExportTest : public QObject {
  Q_OBJECT

 private slots:
  void resolvesNameAndFilter_data();
  void resolvesNameAndFilter();
  void writesDecodablePictureOfThePanel_data();
  void writesDecodablePictureOfThePanel();
  void replacesAnExistingFile();
  void cancelWritesNothing();
  void unwritableTargetIsReportedAndLeavesNothing_data();
  void unwritableTargetIsReportedAndLeavesNothing();
};

void PictureExportTest::resolvesNameAndFilter_data() {
  QTest::addColumn<QString>("chosen");
  QTest::addColumn<PictureFormat>("filter");
  QTest::addColumn<QString>("path");
  QTest::addColumn<PictureFormat>("format");

  const auto jpg = PictureFormat::Jpeg;
  const auto bmp = PictureFormat::Bmp;
  QTest::newRow("jpg") << "/p/x.jpg" << jpg << "/p/x.jpg" << jpg;
  QTest::newRow("upper-case JPG is JPEG") << "/p/x.JPG" << jpg << "/p/x.JPG" << jpg;
  QTest::newRow("extension beats filter") << "/p/x.JPG" << bmp << "/p/x.JPG" << jpg;
  QTest::newRow("jpeg") << "/p/x.jpeg" << bmp << "/p/x.jpeg" << jpg;
  QTest::newRow("mixed-case bmp") << "/p/x.Bmp" << jpg << "/p/x.Bmp" << bmp;
  QTest::newRow("bare name, JPEG filter") << "/p/x" << jpg << "/p/x.jpg" << jpg;
  QTest::newRow("bare name, BMP filter") << "/p/x" << bmp << "/p/x.bmp" << bmp;
  QTest::newRow("trailing dot") << "/p/x." << bmp << "/p/x.bmp" << bmp;
  QTest::newRow("other extension keeps it") << "/p/x.png" << jpg << "/p/x.png.jpg" << jpg;
  QTest::newRow("dot only in folder") << "/p/v1.2/x" << bmp << "/p/v1.2/x.bmp" << bmp;
  QTest::newRow("jpg without dot") << "/p/xjpg" << bmp << "/p/xjpg.bmp" << bmp;
}

void PictureExportTest::resolvesNameAndFilter() {
  QFETCH(QString, chosen);
  QFETCH(PictureFormat, filter);
  QFETCH(QString, path);
  QFETCH(PictureFormat, format);
  const PictureTarget target = vexlo::ui::ResolvePictureTarget(chosen, filter);
  QCOMPARE(target.path, path);
  QVERIFY(target.format == format);
}

void PictureExportTest::writesDecodablePictureOfThePanel_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<PictureFormat>("filter");
  QTest::addColumn<QString>("written");
  QTest::addColumn<QByteArray>("magic");
  QTest::addColumn<QByteArray>("decoder");

  const QByteArray jpegMagic("\xFF\xD8\xFF", 3);
  const QByteArray bmpMagic("BM");
  QTest::newRow("x.JPG with BMP filter") << "x.JPG" << PictureFormat::Bmp << "x.JPG" << jpegMagic
                                         << QByteArray("jpeg");
  QTest::newRow("x.jpeg") << "x.jpeg" << PictureFormat::Jpeg << "x.jpeg" << jpegMagic
                          << QByteArray("jpeg");
  QTest::newRow("x.bmp") << "x.bmp" << PictureFormat::Jpeg << "x.bmp" << bmpMagic
                         << QByteArray("bmp");
  QTest::newRow("x, JPEG filter") << "x" << PictureFormat::Jpeg << "x.jpg" << jpegMagic
                                  << QByteArray("jpeg");
  QTest::newRow("x, BMP filter") << "x" << PictureFormat::Bmp << "x.bmp" << bmpMagic
                                 << QByteArray("bmp");
}

void PictureExportTest::writesDecodablePictureOfThePanel() {
  QFETCH(QString, name);
  QFETCH(PictureFormat, filter);
  QFETCH(QString, written);
  QFETCH(QByteArray, magic);
  QFETCH(QByteArray, decoder);

  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  TwoColourPanel panel;
  ScriptedPrompt prompt;
  prompt.answer = PicturePrompt::Choice{dir.filePath(name), filter};

  QVERIFY(vexlo::ui::SavePictureCommand(&panel, prompt));
  QVERIFY2(prompt.errors.isEmpty(), qPrintable(prompt.errors.join('\n')));
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});

  const QString path = dir.filePath(written);
  QCOMPARE(Head(path, magic.size()), magic);
  // Decoded by content, whatever the name says.
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  QCOMPARE(reader.format(), decoder);
  const QImage image = reader.read();
  QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
  QCOMPARE(image.size(), panel.size());
  QVERIFY(Near(image.pixel(10, 45), QColor(20, 40, 200)));
  QVERIFY(Near(image.pixel(110, 45), QColor(250, 250, 120)));
}

void PictureExportTest::replacesAnExistingFile() {
  QTemporaryDir dir;
  const QString path = dir.filePath("board.bmp");
  {
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("not a picture");
  }
  TwoColourPanel panel;
  ScriptedPrompt prompt;
  prompt.answer = PicturePrompt::Choice{path, PictureFormat::Jpeg};
  QVERIFY(vexlo::ui::SavePictureCommand(&panel, prompt));
  QCOMPARE(Head(path, 2), QByteArray("BM"));
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"board.bmp"});
}

void PictureExportTest::cancelWritesNothing() {
  QTemporaryDir dir;
  TwoColourPanel panel;
  ScriptedPrompt prompt;
  QVERIFY(!vexlo::ui::SavePictureCommand(&panel, prompt));
  QCOMPARE(prompt.dialogs, 1);
  QVERIFY(prompt.errors.isEmpty());
  QVERIFY(QDir(dir.path()).isEmpty());
}

void PictureExportTest::unwritableTargetIsReportedAndLeavesNothing_data() {
  QTest::addColumn<QString>("where");
  QTest::newRow("missing folder") << "missing";
  QTest::newRow("read-only folder") << "readonly";
  QTest::newRow("name is a folder") << "folder";
}

void PictureExportTest::unwritableTargetIsReportedAndLeavesNothing() {
  QFETCH(QString, where);
  QTemporaryDir dir;
  QDir root(dir.path());
  QString path;
  if (where == "missing") {
    path = dir.filePath("missing/board.jpg");
  } else if (where == "folder") {
    QVERIFY(root.mkdir("board.jpg"));
    path = dir.filePath("board.jpg");
  } else {
    QVERIFY(root.mkdir("ro"));
    QFile::setPermissions(dir.filePath("ro"), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(dir.filePath("ro/probe"));
    if (probe.open(QIODevice::WriteOnly)) {
      probe.remove();
      QSKIP("permissions are not enforced for this user");
    }
    path = dir.filePath("ro/board.jpg");
  }
  const QStringList before = root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

  TwoColourPanel panel;
  ScriptedPrompt prompt;
  prompt.answer = PicturePrompt::Choice{path, PictureFormat::Jpeg};
  QVERIFY(!vexlo::ui::SavePictureCommand(&panel, prompt));

  QCOMPARE(prompt.errors.size(), 1);
  QVERIFY2(prompt.errors.front().contains(QDir::toNativeSeparators(path)),
           qPrintable(prompt.errors.front()));
  QCOMPARE(root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
  if (where == "readonly") {
    QVERIFY(QDir(dir.filePath("ro")).isEmpty());
    QFile::setPermissions(dir.filePath("ro"), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner);
  }
}

QTEST_MAIN(PictureExportTest)
#include "picture_export_test.moc"
