#pragma once
// Where this user's folders lie: the config and cache folders of the XDG base
// directories, the desktop folder, the temp folder of the imports, the
// settings file and the Windows drive the Tamikaze folder defaults to.

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

// Path of Tamnet.ini for this user.
std::string SettingsFilePath(const Environment& env);

// The "drive root" R: the Wine prefix's C: drive when it exists, else the
// home folder; always with a trailing "/".
std::string DriveRoot(const Environment& env);

// The Tamikaze folder of a first start and of "標準": where Tamikaze.exe is
// installed in one of the user's Wine prefixes (InstalledTamikazeDir);
// otherwise "Program Files (x86)/Tamikaze" under the drive root when
// "Program Files (x86)" exists there, else "Program Files/Tamikaze".
std::string DefaultTamikazeDir(const Environment& env);

// `folder` + "/" + `name`, without doubling a "/" that `folder` ends with.
std::string JoinFolder(const std::string& folder, const std::string& name);

}  // namespace tamikaze
