#include "app/folders.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/wine_prefixes.h"
#include "import/file_checks.h"

namespace tamikaze {
namespace fs = std::filesystem;
namespace {

// An XDG base folder: the variable's value when it is an absolute path,
// otherwise the home folder + `fallback`.
std::string BaseFolder(const std::string& value, const Environment& env, const char* fallback) {
  if (!value.empty() && value.front() == '/') return value;
  return env.home + fallback;
}

std::string ConfigHome(const Environment& env) {
  return BaseFolder(env.xdgConfigHome, env, "/.config");
}

// The value of XDG_DESKTOP_DIR in user-dirs.dirs ("$HOME/..." or an absolute
// path in double quotes), "" when absent or malformed.
std::string UserDirsDesktop(const Environment& env) {
  std::ifstream file(ConfigHome(env) + "/user-dirs.dirs");
  const std::string key = "XDG_DESKTOP_DIR=\"";
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() <= key.size() || line.compare(0, key.size(), key) != 0 || line.back() != '"')
      continue;
    std::string value = line.substr(key.size(), line.size() - key.size() - 1);
    if (value.compare(0, 5, "$HOME") == 0) value = env.home + value.substr(5);
    return value.empty() || value.front() != '/' ? "" : value;
  }
  return "";
}

}  // namespace

std::string ConfigFolder(const Environment& env) {
  return ConfigHome(env) + "/TamikazeNetData";
}

std::string TempFolder(const Environment& env) {
  return BaseFolder(env.xdgCacheHome, env, "/.cache") + "/TamikazeNetData/Temp";
}

std::string DesktopFolder(const Environment& env) {
  if (std::string desktop = UserDirsDesktop(env); FolderExists(desktop)) {
    while (desktop.size() > 1 && desktop.back() == '/') desktop.pop_back();
    return desktop;
  }
  if (FolderExists(env.home + "/Desktop")) return env.home + "/Desktop";
  return env.home;
}

std::string DriveRoot(const Environment& env) {
  std::string prefix = env.winePrefix.empty() ? env.home + "/.wine" : env.winePrefix;
  while (prefix.size() > 1 && prefix.back() == '/') prefix.pop_back();
  if (FolderExists(prefix + "/drive_c")) return prefix + "/drive_c/";
  return env.home + "/";
}

std::string SettingsFilePath(const Environment& env) {
  return ConfigFolder(env) + "/Tamnet.ini";
}

std::string DefaultTamikazeDir(const Environment& env) {
  if (std::string installed = InstalledTamikazeDir(env); !installed.empty()) return installed;
  const std::string root = DriveRoot(env);
  return FolderExists(root + "Program Files (x86)") ? root + "Program Files (x86)/Tamikaze"
                                                    : root + "Program Files/Tamikaze";
}

std::string JoinFolder(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace tamikaze
