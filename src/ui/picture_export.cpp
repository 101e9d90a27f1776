#include "ui/picture_export.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>

namespace vexlo::ui {

namespace {

// High enough that the thin grid lines and small candidate digits stay crisp.
constexpr int kJpegQuality = 95;

std::optional<PictureFormat> FormatOfExtension(const QString& suffix) {
  if (suffix.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0 ||
      suffix.compare(QLatin1String("jpeg"), Qt::CaseInsensitive) == 0) {
    return PictureFormat::Jpeg;
  }
  if (suffix.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0) {
    return PictureFormat::Bmp;
  }
  return std::nullopt;
}

const char* WriterFormat(PictureFormat format) {
  return format == PictureFormat::Jpeg ? "jpeg" : "bmp";
}

QString FailureText(const QString& path, const QString& reason) {
  return QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + reason;
}

}  // namespace

QString PictureFilter(PictureFormat format) {
  return format == PictureFormat::Jpeg ? QStringLiteral("JPEG Image File (*.jpg)")
                                       : QStringLiteral("Bitmaps (*.bmp)");
}

QString PictureExtension(PictureFormat format) {
  return format == PictureFormat::Jpeg ? QStringLiteral("jpg") : QStringLiteral("bmp");
}

PictureTarget ResolvePictureTarget(const QString& chosenPath, PictureFormat chosenFilter) {
  if (auto format = FormatOfExtension(QFileInfo(chosenPath).suffix())) {
    return {chosenPath, *format};
  }
  QString path = chosenPath;
  if (!path.endsWith(QLatin1Char('.'))) {
    path += QLatin1Char('.');
  }
  return {path + PictureExtension(chosenFilter), chosenFilter};
}

QString WritePicture(const QImage& image, const PictureTarget& target) {
  if (image.isNull()) {
    return FailureText(target.path, QStringLiteral("(empty image)"));
  }
  QSaveFile file(target.path);
  if (!file.open(QIODevice::WriteOnly)) {
    return FailureText(target.path, file.errorString());
  }
  QImageWriter writer(&file, WriterFormat(target.format));
  if (target.format == PictureFormat::Jpeg) {
    writer.setQuality(kJpegQuality);
  }
  // Both formats are opaque; dropping the alpha channel keeps the bitmap a plain 24-bit one.
  if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
    const QString reason = writer.errorString();
    file.cancelWriting();
    return FailureText(target.path, reason);
  }
  if (!file.commit()) {
    return FailureText(target.path, file.errorString());
  }
  return {};
}

std::optional<PicturePrompt::Choice> DialogPicturePrompt::ChooseSaveFile() {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QStringList filters = {PictureFilter(PictureFormat::Jpeg),
                               PictureFilter(PictureFormat::Bmp)};
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(PictureExtension(PictureFormat::Jpeg));
  // A name typed without an extension takes the extension of the filter shown at the time.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog, filters](const QString& filter) {
                     dialog.setDefaultSuffix(PictureExtension(
                         filter == filters.at(1) ? PictureFormat::Bmp : PictureFormat::Jpeg));
                   });
  if (lastFolder_.isEmpty()) {
    lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  }
  dialog.setDirectory(lastFolder_);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  const QString path = dialog.selectedFiles().constFirst();
  lastFolder_ = QFileInfo(path).absolutePath();
  const PictureFormat filter = dialog.selectedNameFilter() == filters.at(1)
                                   ? PictureFormat::Bmp
                                   : PictureFormat::Jpeg;
  return Choice{path, filter};
}

void DialogPicturePrompt::ReportError(const QString& text) {
  QMessageBox::critical(parent_, QString(), text);
}

bool SavePictureCommand(QWidget* panel, PicturePrompt& prompt) {
  if (panel == nullptr) {
    return false;
  }
  const QImage picture = panel->grab().toImage();
  const auto choice = prompt.ChooseSaveFile();
  if (!choice || choice->path.isEmpty()) {
    return false;
  }
  const QString failure = WritePicture(picture, ResolvePictureTarget(choice->path, choice->filter));
  if (!failure.isEmpty()) {
    prompt.ReportError(failure);
    return false;
  }
  return true;
}

}  // namespace vexlo::ui
