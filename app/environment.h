#pragma once
// The outside world as values: what the folder and settings code needs to know
// about the user and the machine. Tests build one by hand; the programs take
// it from the process (FromProcess) and the screen.

#include <string>

namespace tamikaze {

struct Environment {
  std::string home;           // $HOME
  std::string xdgConfigHome;  // $XDG_CONFIG_HOME, "" when unset
  std::string xdgCacheHome;   // $XDG_CACHE_HOME, "" when unset
  std::string xdgDataHome;    // $XDG_DATA_HOME, "" when unset
  std::string winePrefix;     // $WINEPREFIX, "" when unset
  std::string exeDir;         // folder of the running executable, no trailing "/"
  int screenWidth = 1920;     // primary screen, pixels
  int screenHeight = 1080;

  // Reads the process environment and /proc/self/exe; the screen size stays
  // at its default (the window passes the real one).
  static Environment FromProcess();
};

}  // namespace tamikaze
