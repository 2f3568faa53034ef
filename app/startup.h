#pragma once
// Start-up and shutdown of the application shell without any window:
// the settings file Tamnet.ini, the folders and the temp folder.

#include <string>

#include "app/environment.h"
#include "app/folders.h"
#include "app/main_state.h"

namespace tamikaze {

// Client size of the main window, used to keep it on the screen.
constexpr int kMainWindowWidth = 485;
constexpr int kMainWindowHeight = 222;

// FormCreate without the window: AppDir, DesktopDir, TempDir (and its clean-up
// of folders no process holds), Tamnet.ini loaded or first-start defaults
// (saved at once unless `readOnly`), the saved position clamped to the screen,
// and the fallbacks for folders that no longer exist. The command line passes
// `readOnly` = true: it never writes the settings file.
void StartUp(Main& main, const Environment& env, bool readOnly = false);

// Writes Tamnet.ini (Left, Top, TamikazeDir, OutputDir, ReadDir) atomically.
void SaveSettings(Main& main, const Environment& env);

}  // namespace tamikaze
