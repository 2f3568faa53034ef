#include "app/startup.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "app/screen_clamp.h"
#include "app/settings_file.h"
#include "import/file_checks.h"
#include "import/temp_folder.h"
#include "text/system_error_text.h"

namespace tamikaze {
namespace fs = std::filesystem;
namespace {

// The temp folder: sub-folders left by crashed runs are removed; the folder
// itself is made when missing (not by the read-only command line, whose
// import makes it when it extracts).
void PrepareTempDir(const Main& main, bool readOnly) {
  if (FolderExists(main.TempDir)) {
    RemoveUnheldTempFolders(main.TempDir);
  } else if (!readOnly) {
    CreateTempDir(main.TempDir);
  }
}

void ApplySavedSettings(Main& main, const Environment& env, const SettingsValues& saved) {
  const WindowPosition p = ClampToScreen({saved.left, saved.top}, kMainWindowWidth,
                                         kMainWindowHeight, env.screenWidth, env.screenHeight);
  main.Left = p.left;
  main.Top = p.top;
  main.TamikazeDir = saved.tamikazeDir;
  main.OutputDir = saved.outputDir;
  main.ReadDir = saved.readDir;
}

// First start: the Windows program's defaults, on the Wine C: drive when there is one.
void ApplyFirstStartDefaults(Main& main, const Environment& env, bool readOnly) {
  main.Left = 0;
  main.Top = 0;
  main.TamikazeDir = DefaultTamikazeDir(env);
  main.OutputDir = main.TamikazeDir + "/RaceFile";
  if (!readOnly && !FolderExists(main.OutputDir) && FolderExists(main.TamikazeDir)) {
    std::error_code ec;
    if (!fs::create_directory(main.OutputDir, ec) && ec) {
      throw std::runtime_error("レースファイルを展開する場所 " + main.OutputDir +
                               " を作成できません（" + SystemErrorText(ec.value()) + "）");
    }
  }
  main.ReadDir = main.DesktopDir;
  if (!readOnly) SaveSettings(main, env);
}

// Folders that no longer exist are replaced in memory; the next save writes them.
void ApplyFallbacks(Main& main, const Environment& env) {
  if (!FolderExists(main.TamikazeDir)) main.TamikazeDir = DriveRoot(env);
  if (!FolderExists(main.OutputDir)) main.OutputDir = main.DesktopDir;
  if (!FolderExists(main.ReadDir)) main.ReadDir = main.DesktopDir;
}

}  // namespace

void StartUp(Main& main, const Environment& env, bool readOnly) {
  main.AppDir = env.exeDir;
  main.DesktopDir = DesktopFolder(env);
  main.TempDir = TempFolder(env);
  PrepareTempDir(main, readOnly);
  if (const auto saved = LoadSettingsFile(SettingsFilePath(env))) {
    ApplySavedSettings(main, env, *saved);
  } else {
    ApplyFirstStartDefaults(main, env, readOnly);
  }
  ApplyFallbacks(main, env);
  main.LoadDlgInitialDir = main.ReadDir;
  main.LoadDlg2InitialDir = main.ReadDir;
}

void SaveSettings(Main& main, const Environment& env) {
  const SettingsValues values{main.Left, main.Top, main.TamikazeDir, main.OutputDir, main.ReadDir};
  WriteFileAtomically(SettingsFilePath(env), FormatSettings(values));
}

}  // namespace tamikaze
