#pragma once
// The folder commands' chooser, question and message as the main window
// shows them: TDirForm, TKakuninForm and a message box.

#include <functional>

#include "app/folder_commands.h"

class QWidget;

namespace tamikaze {

class GuiFolderUi : public FolderUi {
 public:
  // `showFolders` puts the folders of Main into the three fields; the
  // chooser's drives are those of the user of `env`.
  GuiFolderUi(QWidget* mainWindow, const Environment& env, std::function<void()> showFolders);

  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& startFolder) override;
  bool Confirm(const std::string& line1, const std::string& line2) override;
  void Message(const std::string& text) override;
  void ShowFolders() override;
  void Repaint() override;

 private:
  QWidget* mainWindow_;
  const Environment& env_;
  std::function<void()> showFolders_;
};

}  // namespace tamikaze
