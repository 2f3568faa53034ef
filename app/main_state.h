#pragma once
// Main: the state of one run of the program, owned by whoever runs it (the
// main window or the command line) and passed by reference.

#include <array>
#include <string>
#include <vector>

#include "convert/convert_state.h"

namespace tamikaze {

struct Main : ConvertState {
  // Folders, UTF-8 paths without a trailing "/".
  std::string AppDir;       // folder of the running executable
  std::string DesktopDir;   // the user's desktop folder
  std::string TempDir;      // extraction folder of the imports
  std::string TamikazeDir;  // where Tamikaze.exe is installed (settings line 3)
  std::string OutputDir;    // where race folders are written (settings line 4)
  std::string ReadDir;      // where the open dialogs start (settings line 5)

  // Saved position of the main window (settings lines 1 and 2).
  int Left = 0;
  int Top = 0;

  // Where the open dialogs start next: LoadDlg (archives) and LoadDlg2 (pages).
  std::string LoadDlgInitialDir;
  std::string LoadDlg2InitialDir;

  std::string WorkPath;                 // driver scratch path (UTF-8)
  std::vector<std::string> ArchiveLst;  // member names as stored (CP932)
  std::vector<std::string> BufferLst;   // settings lines or page lines

  // Message window input: PrintLines[1..8] (index 0 unused), PrintMode = n.
  std::array<std::string, 9> PrintLines;  // UTF-8
  int PrintMode = 0;
};

}  // namespace tamikaze
