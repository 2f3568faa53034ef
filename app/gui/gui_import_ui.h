#pragma once
// The import's dialogs, message boxes and wait window as the main window
// shows them.

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "import/import_ui.h"

class QWidget;

namespace tamikaze {

class TWaitForm;

// "説明|*.lzh|説明2|*.txt" -> "説明 (*.lzh);;説明2 (*.txt)".
QString QtNameFilter(const std::string& filter);

// A modal message box with the application's title and an OK button.
void ShowMessage(QWidget* parent, const QString& text);

// The open dialog `dialogName` (LoadDlg, LoadDlg2) for one existing file: the
// picked path, or nothing when the user cancels.
std::optional<std::string> RunOpenDialog(QWidget* parent, const OpenFileRequest& request,
                                         const QString& dialogName);

class GuiImportUi : public ImportUi {
 public:
  explicit GuiImportUi(QWidget* mainWindow);
  ~GuiImportUi() override;

  // The archive dialog is not shown: its answer is `path` (a file given on
  // the command line or dropped on the window). Other dialogs still show.
  void AnswerArchiveDialog(std::string path) { givenArchive_ = std::move(path); }

  std::optional<std::string> OpenFile(const OpenFileRequest& request) override;
  void Message(const std::string& text) override;
  void ShowWait(const std::string& message) override;
  void HideWait() override;
  void Repaint() override;

  // The last message shown, for the status line ("" when none was).
  const std::string& LastMessage() const { return lastMessage_; }

 private:
  std::string lastMessage_;
  QWidget* mainWindow_;
  std::unique_ptr<TWaitForm> waitForm_;
  std::optional<std::string> givenArchive_;
};

}  // namespace tamikaze
