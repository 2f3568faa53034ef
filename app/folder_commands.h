#pragma once
// The six folder commands of the main window's folder rows: "変更" picks a
// folder in the chooser, "標準" resets it to its default after a yes/no
// question. They change the folders of Main in memory only; the settings file
// gets them when the program closes.

#include <optional>
#include <string>

#include "app/environment.h"
#include "app/folders.h"
#include "app/main_state.h"

namespace tamikaze {

// What the folder commands show the user and ask of them. The window plugs in
// TDirForm, TKakuninForm and a message box; tests answer by script.
class FolderUi {
 public:
  virtual ~FolderUi() = default;
  // The folder chooser with `caption`, starting at `startFolder`: the chosen
  // folder (UTF-8), or nothing when the user goes back.
  virtual std::optional<std::string> ChooseFolder(const std::string& caption,
                                                  const std::string& startFolder) = 0;
  // The confirmation with its two lines: true on "はい".
  virtual bool Confirm(const std::string& line1, const std::string& line2) = 0;
  // A modal message box with the application's title.
  virtual void Message(const std::string& text) = 0;
  // Show the three folders of Main in their fields.
  virtual void ShowFolders() {}
  // Repaint the main window.
  virtual void Repaint() {}
};

inline constexpr const char* kNoTamikazeExeInFolder =
    "指定したフォルダに、「Tamikaze.exe」がありません。「Tamikaze."
    "exe」のあるフォルダを指定して下さい。";

// "変更" of the three rows.
void ChangeTamikazeDir(Main& main, FolderUi& ui);
void ChangeOutputDir(Main& main, FolderUi& ui);
void ChangeReadDir(Main& main, FolderUi& ui);

// "標準" of the three rows. The Tamikaze folder's default lies under the drive
// root of `env` (the Wine prefix's C: drive, else the home folder).
void ResetTamikazeDir(Main& main, const Environment& env, FolderUi& ui);
void ResetOutputDir(Main& main, FolderUi& ui);
void ResetReadDir(Main& main, FolderUi& ui);

}  // namespace tamikaze
