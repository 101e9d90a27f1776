#pragma once
// Save as picture: the board panel exactly as the window shows it (colours, marks, candidates
// of the current mode), written as a JPEG or Windows bitmap file the player names.

#include <QImage>
#include <QString>
#include <optional>

class QWidget;

namespace vexlo::ui {

enum class PictureFormat { Jpeg, Bmp };

// The save dialog's filters, JPEG first (the default), and their extensions without the dot.
QString PictureFilter(PictureFormat format);
QString PictureExtension(PictureFormat format);

struct PictureTarget {
  QString path;
  PictureFormat format;
  bool operator==(const PictureTarget&) const = default;
};

// The file and the format that a chosen name and filter stand for. A picture extension decides
// the format whatever its letter case (".jpg", ".jpeg", ".bmp"), so a file never holds data of
// another kind than its name says. Any other name, with or without a dot, gets the chosen
// filter's extension appended.
PictureTarget ResolvePictureTarget(const QString& chosenPath, PictureFormat chosenFilter);

// Writes the image through a temporary file that replaces the target only when complete: a
// failure leaves an existing file as it was and no partial file behind. Returns an empty text on
// success, otherwise what went wrong, naming the file.
QString WritePicture(const QImage& image, const PictureTarget& target);

// Where the picture goes and how a failure is told: the window's file dialog and error box in
// the program, a script in tests.
class PicturePrompt {
 public:
  struct Choice {
    QString path;
    PictureFormat filter;
  };

  virtual ~PicturePrompt() = default;

  // The save dialog; nullopt when the player cancels.
  virtual std::optional<Choice> ChooseSaveFile() = 0;
  virtual void ReportError(const QString& text) = 0;
};

// The platform's save dialog and error box over a parent window.
class DialogPicturePrompt : public PicturePrompt {
 public:
  explicit DialogPicturePrompt(QWidget* parent) : parent_(parent) {}

  std::optional<Choice> ChooseSaveFile() override;
  void ReportError(const QString& text) override;

 private:
  QWidget* parent_;
  QString lastFolder_;
};

// The command of the save-as-picture button: grabs `panel` as it is shown now, before the
// dialog covers anything, asks for the file and writes it, replacing an existing file. True
// when a picture was written; a cancelled dialog or a failure (already reported) gives false.
bool SavePictureCommand(QWidget* panel, PicturePrompt& prompt);

}  // namespace vexlo::ui
