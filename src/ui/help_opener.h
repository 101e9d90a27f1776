#pragma once
// Opens our own help pages in the player's web browser. The pages are compiled into the program
// under ":/help/<language>/"; a browser cannot read them there, so the whole help folder (the
// pages of every language and their shared stylesheet) is copied to disk first.

#include <QString>
#include <QUrl>
#include <memory>
#include <optional>
#include <string_view>

#include "settings/language_active.h"

namespace vexlo::ui {

// Opens a URL with the program the desktop associates with it; tests record the URL instead.
class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  virtual bool OpenUrl(const QUrl& url) = 0;
};

class DesktopUrlOpener final : public UrlOpener {
 public:
  bool OpenUrl(const QUrl& url) override;
};

enum class HelpTopic {
  Contents,        // the contents page
  OperationModes,  // the three operation modes and auto update
  Marking,         // colour marking
  Strategies,      // the techniques the hints use
  Playing,         // starting a game and entering digits
  Printing,        // copy, printable page and picture
};

// A page inside a language folder, with the anchor of its section (empty for the whole page).
struct HelpPage {
  std::string_view file;
  std::string_view anchor;
};

HelpPage PageOf(HelpTopic topic);

// The topic a help command of the main window opens, by the control's name (letter case
// ignored): "mncontent" (Contents), the "?" buttons "bthelp1" (operation modes) and "bthelp2"
// (marking), the web-link entries of the Help menu and the link label under the board. Those
// links lead to our own pages; nullopt for every other name.
std::optional<HelpTopic> HelpTopicForCommand(std::string_view controlName);

class HelpOpener {
 public:
  // `folder` receives the copied pages; empty means a "help" folder in the user's cache
  // location (the temporary folder when there is none). `opener` defaults to the desktop's.
  explicit HelpOpener(QString folder = {}, UrlOpener* opener = nullptr);
  ~HelpOpener();

  // Copies the pages and opens the topic's page in the language. False when the pages could
  // not be copied or no program opened the page; errorString() then says why.
  bool Open(HelpTopic topic, Language language);

  // Copies the pages and returns the file URL of the topic's page, or an empty URL on failure.
  QUrl PrepareUrl(HelpTopic topic, Language language);

  QString folder() const { return folder_; }
  QString errorString() const { return error_; }

 private:
  bool CopyPages();

  QString folder_;
  std::unique_ptr<UrlOpener> ownOpener_;
  UrlOpener* opener_;
  QString error_;
};

}  // namespace vexlo::ui
