#pragma once
// TMainForm: the program's main window. Three folder rows ("変更", "標準"),
// the import, launch and quit buttons, and the menu bar of help texts.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "app/environment.h"
#include "app/main_state.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tamikaze {

class TArchiveFile;
class TTextForm;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Runs FormCreate: the settings and folders of `main` for the user of `env`
  // (StartUp), the window placed at the saved position. Throws what StartUp
  // throws.
  TMainForm(Main& main, Environment env);
  ~TMainForm() override;

  // Opens a document with the desktop's program for it (the read-me);
  // QDesktopServices by default.
  void SetDocumentOpener(std::function<void(const std::string&)> opener);
  // Where the program's own environment variable PATH is read for `wine`.
  void SetSearchPath(std::string pathEnv) { pathEnv_ = std::move(pathEnv); }

  TTextForm& TextForm() { return *textForm_; }
  TArchiveFile* Archive() { return archive_.get(); }

  // Each time the window becomes active: the library check and the archive
  // object; without the library the notice, the read-me, and the window closes.
  void FormActivate();

  // Handlers of the buttons and menu items.
  void LoadBtnClick();
  void TamikazeBtnClick();
  void ShuryouBtnClick();
  void TamikazeHenkouBtnClick();
  void OutputHenkouBtnClick();
  void ReadHenkouBtnClick();
  void TamikazeHyoBynClick();
  void OutputHyoBtnClick();
  void ReadHyoBtnClick();
  void HajimeteMnuClick();
  void HintMnuClick();
  void JravanClick();
  void KeibadouClick();
  void N3Click();
  void Exit2Click();
  void About1Click();
  void OmakeHelpMenuClick();

 protected:
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void FormCreate();
  void FormCloseQuery();
  void BuildFolderRows(QWidget* client);
  void BuildButtons(QWidget* client);
  void BuildMenu();
  void ShowFolders();
  void ShowHelp(const char* menuItem);
  template <typename Command>
  void RunFolderCommand(Command command);
  void ShowError(const std::exception& error);

  Main& main_;
  Environment env_;
  std::string pathEnv_;
  std::function<void(const std::string&)> openDocument_;
  std::unique_ptr<TArchiveFile> archive_;
  std::unique_ptr<TTextForm> textForm_;
  bool closing_ = false;

  QLineEdit* TamikazeEdit = nullptr;
  QLineEdit* OutputEdit = nullptr;
  QLineEdit* ReadEdit = nullptr;
};

}  // namespace tamikaze
