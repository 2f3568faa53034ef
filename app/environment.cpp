#include "app/environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tamikaze {
namespace {

std::string EnvOrEmpty(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string HomeFolder() {
  std::string home = EnvOrEmpty("HOME");
  if (!home.empty()) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/";
}

std::string ExecutableFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path().string();
  return exe.parent_path().string();
}

}  // namespace

Environment Environment::FromProcess() {
  Environment env;
  env.home = HomeFolder();
  env.xdgConfigHome = EnvOrEmpty("XDG_CONFIG_HOME");
  env.xdgCacheHome = EnvOrEmpty("XDG_CACHE_HOME");
  env.xdgDataHome = EnvOrEmpty("XDG_DATA_HOME");
  env.winePrefix = EnvOrEmpty("WINEPREFIX");
  env.exeDir = ExecutableFolder();
  return env;
}

}  // namespace tamikaze
