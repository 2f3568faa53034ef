#include "app/gui/gui_folder_ui.h"

#include <QWidget>

#include "app/gui/dir_form.h"
#include "app/gui/gui_import_ui.h"
#include "app/gui/kakunin_form.h"

namespace tamikaze {

GuiFolderUi::GuiFolderUi(QWidget* mainWindow, const Environment& env,
                         std::function<void()> showFolders)
    : mainWindow_(mainWindow), env_(env), showFolders_(std::move(showFolders)) {}

std::optional<std::string> GuiFolderUi::ChooseFolder(const std::string& caption,
                                                     const std::string& startFolder) {
  TDirForm form(mainWindow_, DriveList(env_));
  form.setWindowTitle(QString::fromStdString(caption));
  form.SetDirectory(QString::fromStdString(startFolder));
  if (form.exec() != QDialog::Accepted) return std::nullopt;
  return form.Directory().toStdString();
}

bool GuiFolderUi::Confirm(const std::string& line1, const std::string& line2) {
  return AskKakunin(QString::fromStdString(line1), QString::fromStdString(line2), mainWindow_);
}

void GuiFolderUi::Message(const std::string& text) {
  ShowMessage(mainWindow_, QString::fromStdString(text));
}

void GuiFolderUi::ShowFolders() {
  if (showFolders_) showFolders_();
}

void GuiFolderUi::Repaint() {
  if (mainWindow_ != nullptr) mainWindow_->repaint();
}

}  // namespace tamikaze
