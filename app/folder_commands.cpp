#include "app/folder_commands.h"

#include <filesystem>

#include "import/file_checks.h"

namespace tamikaze {
namespace fs = std::filesystem;

namespace {

// The race-file folder follows the Tamikaze folder: "RaceFile" under it,
// created when missing while the Tamikaze folder exists. A failed creation
// throws (after the Tamikaze folder was already changed).
void OutputDirUnderTamikaze(Main& main) {
  main.OutputDir = JoinFolder(main.TamikazeDir, "RaceFile");
  if (!FolderExists(main.OutputDir) && FolderExists(main.TamikazeDir)) {
    fs::create_directory(fs::u8path(main.OutputDir));
  }
}

void AskOutputDirUnderTamikaze(Main& main, FolderUi& ui) {
  if (ui.Confirm("レースファイルを展開する場所", "も同じ場所にします。")) {
    OutputDirUnderTamikaze(main);
    ui.ShowFolders();
  }
}

void SetReadDir(Main& main, const std::string& folder) {
  main.ReadDir = folder;
  main.LoadDlgInitialDir = folder;
  main.LoadDlg2InitialDir = folder;
}

}  // namespace

void ChangeTamikazeDir(Main& main, FolderUi& ui) {
  if (!FolderExists(main.TamikazeDir)) main.TamikazeDir = main.AppDir;
  auto chosen = ui.ChooseFolder("「Tamikaze」のインストールしてある場所の変更", main.TamikazeDir);
  if (chosen) {
    if (FileExists(JoinFolder(*chosen, "Tamikaze.exe"))) {
      main.TamikazeDir = *chosen;
      ui.ShowFolders();
      AskOutputDirUnderTamikaze(main, ui);
    } else {
      ui.Message(kNoTamikazeExeInFolder);
    }
  }
  ui.Repaint();
}

void ChangeOutputDir(Main& main, FolderUi& ui) {
  if (!FolderExists(main.OutputDir)) main.OutputDir = main.AppDir;
  if (auto chosen = ui.ChooseFolder("レースファイルを展開する場所の変更", main.OutputDir)) {
    main.OutputDir = *chosen;
    ui.ShowFolders();
  }
  ui.Repaint();
}

void ChangeReadDir(Main& main, FolderUi& ui) {
  if (!FolderExists(main.ReadDir)) main.ReadDir = main.AppDir;
  if (auto chosen = ui.ChooseFolder("「JRA-VAN，競馬道データ」のある場所の変更", main.ReadDir)) {
    SetReadDir(main, *chosen);
    ui.ShowFolders();
  }
  ui.Repaint();
}

void ResetTamikazeDir(Main& main, const Environment& env, FolderUi& ui) {
  if (!ui.Confirm("「Tamikaze」のインストールしてある場所", "を標準の場所に戻します。")) return;
  const std::string programFiles = DefaultTamikazeDir(env);
  main.TamikazeDir = FolderExists(programFiles) ? programFiles : DriveRoot(env);
  ui.ShowFolders();
  AskOutputDirUnderTamikaze(main, ui);
}

void ResetOutputDir(Main& main, FolderUi& ui) {
  if (!ui.Confirm("レースファイルを展開する場所", "を標準の場所に戻します。")) return;
  OutputDirUnderTamikaze(main);
  ui.ShowFolders();
}

void ResetReadDir(Main& main, FolderUi& ui) {
  if (!ui.Confirm("JRA-VANデータのある場所", "を標準の場所に戻します。")) return;
  SetReadDir(main, main.DesktopDir);
  ui.ShowFolders();
}

}  // namespace tamikaze
