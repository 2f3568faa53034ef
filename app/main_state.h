#pragma once
// Main: the state of one run of the program, owned by whoever runs it (the
// main window or the command line) and passed by reference. The imports'
// part of it is ImportState.

#include <string>

#include "import/import_state.h"

namespace tamikaze {

struct Main : ImportState {
  // Folders, UTF-8 paths without a trailing "/".
  std::string AppDir;      // folder of the running executable
  std::string DesktopDir;  // the user's desktop folder
  std::string ReadDir;     // where the open dialogs start (settings line 5)

  // Saved position of the main window (settings lines 1 and 2).
  int Left = 0;
  int Top = 0;
};

}  // namespace tamikaze
