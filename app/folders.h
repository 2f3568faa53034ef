#pragma once
// Where this user's folders lie: the config and cache folders of the XDG base
// directories, the desktop folder and the temp folder of the imports.

#include <string>

#include "app/environment.h"

namespace tamikaze {

// $XDG_CONFIG_HOME/TamikazeNetData (a relative or empty value counts as unset:
// ~/.config/TamikazeNetData).
std::string ConfigFolder(const Environment& env);

// $XDG_CACHE_HOME/TamikazeNetData/Temp (default ~/.cache/...): TempDir.
std::string TempFolder(const Environment& env);

// XDG_DESKTOP_DIR of user-dirs.dirs when that folder exists, else ~/Desktop
// when it exists, else the home folder.
std::string DesktopFolder(const Environment& env);

}  // namespace tamikaze
