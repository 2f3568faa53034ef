#pragma once
// What the saved-page import shows the user and asks of them. The window, the
// command line and the tests each plug in their own.

#include <optional>
#include <string>

#include "import/import_ui.h"

namespace tamikaze {

class PageImportUi {
 public:
  virtual ~PageImportUi() = default;
  // The page picked in LoadDlg2 (UTF-8 path), or nothing when the user cancels.
  virtual std::optional<std::string> OpenPage(const OpenFileRequest& request) = 0;
  // A modal message box with the application's title (UTF-8 text).
  virtual void Message(const std::string& text) = 0;
  // The message window with PrintLines 1 to `lineCount` of the run's state.
  virtual void ShowPrintForm(int lineCount) = 0;
  // Repaint the main window (the window does; others ignore it).
  virtual void Repaint() {}
};

}  // namespace tamikaze
