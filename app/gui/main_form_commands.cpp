// The commands of the main window's buttons and menu items.

#include <QMessageBox>
#include <filesystem>
#include <system_error>

#include "app/desktop_arguments.h"
#include "app/folder_commands.h"
#include "app/gui/gui_folder_ui.h"
#include "app/gui/gui_import_ui.h"
#include "app/gui/main_form.h"
#include "app/gui/print_form.h"
#include "app/gui/text_form.h"
#include "app/help_texts.h"
#include "app/launch.h"
#include "app/locale_notice.h"
#include "import/file_checks.h"
#include "import/import_driver.h"
#include "racefile/blocks.h"
#include "text/cp932.h"
#include "text/system_error_text.h"

#ifndef TAMIKAZE_VERSION
#define TAMIKAZE_VERSION "0"
#endif

namespace tamikaze {

void TMainForm::ShowError(const std::exception& error) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("TamikazeNetData"),
                  QString::fromStdString(ErrorMessageText(error)), QMessageBox::Ok, this);
  box.exec();
}

// An error that ends the import after the wait window was shown is shown in a
// modal box; the wait window and the cursor are given back first.
void TMainForm::LoadBtnClick() {
  RunArchiveImport(std::nullopt);
}

// The status line says what came of it.
void TMainForm::RunArchiveImport(const std::optional<std::string>& given) {
  GuiImportUi ui(this);
  if (given) ui.AnswerArchiveDialog(*given);
  ImportReport report;
  std::string error;
  try {
    if (!archive_) FormActivate();
    if (archive_) ImportArchive(main_, *archive_, ui, ImportSettings{}, report);
  } catch (const std::exception& e) {
    ui.HideWait();
    ShowError(e);
    error = ErrorMessageText(e);
  }
  if (!closing_) ShowStatus(ArchiveImportStatus(report, ui.LastMessage(), error));
}

void TMainForm::OpenDocument(const std::string& given) {
  std::error_code ec;
  const std::string path = std::filesystem::absolute(given, ec).lexically_normal().string();
  const DocumentKind kind = KindOfDocument(path);
  if (kind == DocumentKind::Other) return ShowMessage(this, QString::fromUtf8(kNotADocument));
  if (ec || !FileExists(path)) {
    return ShowMessage(this, QString::fromStdString(DocumentMissingMessage(given)));
  }
  if (kind == DocumentKind::Archive) return RunArchiveImport(path);
  RunPageImport(path);
}

void TMainForm::TamikazeBtnClick() {
  switch (LaunchTamikaze(main_.TamikazeDir, launch_)) {
    case LaunchOutcome::StartedWithoutJapanese:
      if (LocaleNoticeDue(env_)) {
        ShowMessage(this, QString::fromUtf8(kNoJapaneseLocale));
        RememberLocaleNotice(env_);
      }
      close();
      break;
    case LaunchOutcome::Started:
      close();
      break;
    case LaunchOutcome::Missing:
      ShowMessage(this, QString::fromUtf8(kTamikazeExeMissing));
      break;
    case LaunchOutcome::CannotStart:
      ShowMessage(this, QString::fromUtf8(kTamikazeCannotStart));
      break;
  }
}

void TMainForm::ShuryouBtnClick() {
  close();
}
void TMainForm::Exit2Click() {
  close();
}

// A folder that cannot be created is said in a box; what changed before stays.
template <typename Command>
void TMainForm::RunFolderCommand(Command command) {
  GuiFolderUi ui(this, env_, [this] { ShowFolders(); });
  try {
    command(ui);
  } catch (const std::exception& error) {
    ShowError(error);
  }
  ShowFolders();
}

void TMainForm::TamikazeHenkouBtnClick() {
  RunFolderCommand([this](FolderUi& ui) { ChangeTamikazeDir(main_, ui); });
}
void TMainForm::OutputHenkouBtnClick() {
  RunFolderCommand([this](FolderUi& ui) { ChangeOutputDir(main_, ui); });
}
void TMainForm::ReadHenkouBtnClick() {
  RunFolderCommand([this](FolderUi& ui) { ChangeReadDir(main_, ui); });
}
void TMainForm::TamikazeHyoBynClick() {
  RunFolderCommand([this](FolderUi& ui) { ResetTamikazeDir(main_, env_, ui); });
}
void TMainForm::OutputHyoBtnClick() {
  RunFolderCommand([this](FolderUi& ui) { ResetOutputDir(main_, ui); });
}
void TMainForm::ReadHyoBtnClick() {
  RunFolderCommand([this](FolderUi& ui) { ResetReadDir(main_, ui); });
}

// A help file that cannot be read is said in a box, and the viewer stays as
// it was.
void TMainForm::ShowHelp(const char* menuItem) {
  try {
    const std::string text = LoadHelpText(HelpFilePath(main_.AppDir, HelpItemOf(menuItem)));
    textForm_->ShowText(QString::fromStdString(Cp932ToUtf8(text)));
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

void TMainForm::HajimeteMnuClick() {
  ShowHelp("HajimeteMnu");
}
void TMainForm::HintMnuClick() {
  ShowHelp("HintMnu");
}
void TMainForm::JravanClick() {
  ShowHelp("Jravan");
}
void TMainForm::KeibadouClick() {
  ShowHelp("Keibadou");
}
void TMainForm::N3Click() {
  ShowHelp("N3");
}
void TMainForm::OmakeHelpMenuClick() {
  ShowHelp("OmakeHelpMenu");
}

void TMainForm::About1Click() {
  main_.PrintLines[1] = "TamikazeNetData";
  main_.PrintLines[2] = std::string("バージョン ") + TAMIKAZE_VERSION;
  main_.PrintLines[3] = Cp932ToUtf8(CopyrightLine());
  ShowPrintForm(main_, this, 3);
}

}  // namespace tamikaze
