#pragma once
// TMainForm: the program's main window. Three folder rows ("変更", "標準"),
// the import, launch and quit buttons, and the menu bar of help texts.

#include <QMainWindow>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/environment.h"
#include "app/launch.h"
#include "app/main_state.h"
#include "app/status_line.h"

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
  // What the launch of Tamikaze takes from the process (PATH for `wine`, the
  // environment, the Japanese locale); the process's own by default.
  void SetLaunchContext(LaunchContext context) { launch_ = std::move(context); }

  TTextForm& TextForm() { return *textForm_; }
  TArchiveFile* Archive() { return archive_.get(); }

  // Each time the window becomes active: the library check and the archive
  // object; without the library the notice, the read-me, and the window closes.
  void FormActivate();

  // A file given on the command line or dropped on the window: an archive
  // (.lzh) runs the import of "データの読込＆変換" on it, a saved page
  // (.html, .htm, .txt) the page import; each makes the checks of its
  // command. Anything else, or a file that is not there, gets a message.
  void OpenDocument(const std::string& path);

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
  void ChihouMenuClick();
  void OmakeHelpMenuClick();
  // Opens the folder the status line names in the desktop's file manager.
  void FolderHirakuBtnClick();

  // The message window's four lines for a file that is not a page of the
  // local-racing site.
  void ShowNotLocalPageMessage();

 protected:
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  // One archive or page dragged from a file manager is taken.
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void FormCreate();
  void FormCloseQuery();
  void BuildFolderRows(QWidget* client);
  void BuildButtons(QWidget* client);
  void BuildMenu();
  void BuildStatusLine(QWidget* client);
  void ShowFolders();
  // What the last import or page conversion did, at the foot of the window.
  void ShowStatus(const StatusLine& status);
  void ShowHelp(const char* menuItem);
  template <typename Command>
  void RunFolderCommand(Command command);
  void ShowError(const std::exception& error);
  // The import of the button; with `given`, on that archive instead of the
  // one picked in the dialog.
  void RunArchiveImport(const std::optional<std::string>& given);
  // The bonus command's page import; with `given`, on that page instead of
  // the one picked in LoadDlg2.
  void RunPageImport(const std::optional<std::string>& given);

  Main& main_;
  Environment env_;
  LaunchContext launch_;
  std::function<void(const std::string&)> openDocument_;
  std::unique_ptr<TArchiveFile> archive_;
  std::unique_ptr<TTextForm> textForm_;
  bool closing_ = false;

  QLineEdit* TamikazeEdit = nullptr;
  QLineEdit* OutputEdit = nullptr;
  QLineEdit* ReadEdit = nullptr;
  QLabel* JoukyouLbl = nullptr;  // the status line
  QPushButton* FolderHirakuBtn = nullptr;
  std::string statusFolder_;  // what FolderHirakuBtn opens
};

}  // namespace tamikaze
