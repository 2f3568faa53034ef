#include "app/wine_prefixes.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/folders.h"
#include "import/file_checks.h"

namespace tamikaze {
namespace fs = std::filesystem;
namespace {

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// The sub-folders of `folder`, in name order.
std::vector<std::string> SubFolders(const std::string& folder) {
  std::vector<std::string> found;
  std::error_code ec;
  for (fs::directory_iterator it(fs::u8path(folder), ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_directory(ec)) found.push_back(it->path().u8string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::string DataHome(const Environment& env) {
  if (!env.xdgDataHome.empty() && env.xdgDataHome.front() == '/') return env.xdgDataHome;
  return env.home + "/.local/share";
}

// Every folder that may be a prefix, in the order they are tried.
std::vector<std::string> Candidates(const Environment& env) {
  std::vector<std::string> candidates;
  if (!env.winePrefix.empty()) candidates.push_back(env.winePrefix);
  candidates.push_back(env.home + "/.wine");
  for (const std::string& parent :
       {DataHome(env) + "/wineprefixes", DataHome(env) + "/bottles/bottles",
        env.home + "/.var/app/com.usebottles.bottles/data/bottles/bottles", env.home + "/Games",
        env.home + "/.PlayOnLinux/wineprefix"}) {
    for (std::string& folder : SubFolders(parent)) candidates.push_back(std::move(folder));
  }
  return candidates;
}

}  // namespace

std::vector<std::string> WinePrefixes(const Environment& env) {
  std::vector<std::string> prefixes;
  std::vector<fs::path> seen;  // resolved, so a link to a prefix counts once
  for (const std::string& candidate : Candidates(env)) {
    const std::string prefix = WithoutTrailingSlash(candidate);
    if (!FolderExists(prefix + "/drive_c")) continue;
    std::error_code ec;
    const fs::path resolved = fs::canonical(fs::u8path(prefix), ec);
    if (ec || std::find(seen.begin(), seen.end(), resolved) != seen.end()) continue;
    seen.push_back(resolved);
    prefixes.push_back(prefix);
  }
  return prefixes;
}

std::string InstalledTamikazeDir(const Environment& env) {
  for (const std::string& prefix : WinePrefixes(env)) {
    for (const char* programFiles : {"Program Files (x86)", "Program Files"}) {
      const std::string folder = prefix + "/drive_c/" + programFiles + "/Tamikaze";
      if (FileExists(JoinFolder(folder, "Tamikaze.exe"))) return folder;
    }
  }
  return "";
}

std::string WinePrefixOf(const std::string& folder) {
  std::error_code ec;
  const fs::path resolved = fs::weakly_canonical(fs::absolute(fs::u8path(folder), ec), ec);
  if (ec) return "";
  for (fs::path p = resolved; p.has_relative_path(); p = p.parent_path()) {
    if (p.filename() == "drive_c") return p.parent_path().u8string();
  }
  return "";
}

std::string WineDriveLabel(const std::string& prefix, const std::string& home) {
  const std::string homeSlash = WithoutTrailingSlash(home) + "/";
  if (home.empty() || prefix.compare(0, homeSlash.size(), homeSlash) != 0) return "C: " + prefix;
  return "C: ~/" + prefix.substr(homeSlash.size());
}

}  // namespace tamikaze
