#pragma once
// ImportState: what the imports read and write between commands, the import's
// part of the run's state (app/main_state.h adds the rest). Owned by whoever
// runs the program and passed by reference.

#include <array>
#include <string>
#include <vector>

#include "convert/convert_state.h"

namespace tamikaze {

struct ImportState : ConvertState {
  // Folders, UTF-8 paths without a trailing "/".
  std::string TempDir;      // extraction folder of the imports
  std::string TamikazeDir;  // where Tamikaze.exe is installed (settings line 3)
  std::string OutputDir;    // where race folders are written (settings line 4)

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
