#pragma once
// Where Wine prefixes live on this machine. One list serves the first
// start's default Tamikaze folder, the launch (which prefix Wine runs in) and
// the folder chooser's drives.

#include <string>
#include <vector>

#include "app/environment.h"

namespace tamikaze {

// The Wine prefixes of the user of `env`: the folders holding a "drive_c"
// folder, each once, in this order:
// - $WINEPREFIX, then ~/.wine (Wine's own default);
// - winetricks' prefixes, $XDG_DATA_HOME/wineprefixes/* (~/.local/share/...);
// - Bottles' bottles, $XDG_DATA_HOME/bottles/bottles/* and those of its
//   Flatpak, ~/.var/app/com.usebottles.bottles/data/bottles/bottles/*;
// - Lutris' games, ~/Games/*;
// - PlayOnLinux's prefixes, ~/.PlayOnLinux/wineprefix/*.
// Within one folder the prefixes come in name order.
std::vector<std::string> WinePrefixes(const Environment& env);

// The Tamikaze folder of the first prefix whose drive_c holds
// "Program Files (x86)/Tamikaze/Tamikaze.exe" or
// "Program Files/Tamikaze/Tamikaze.exe"; "" when none does.
std::string InstalledTamikazeDir(const Environment& env);

// The prefix that holds `folder` (UTF-8): the folder above the nearest folder
// named "drive_c" among `folder` and its parents, links resolved; "" when
// there is none.
std::string WinePrefixOf(const std::string& folder);

// How the folder chooser names a prefix's C: drive: "C: ~/.wine", the home
// folder written "~".
std::string WineDriveLabel(const std::string& prefix, const std::string& home);

}  // namespace tamikaze
