#include "archive/library_location.h"

#include <filesystem>
#include <system_error>

namespace tamikaze {
namespace {

constexpr const char* kLibraryFile = "libunlha32.so";

std::string ExistingLibrary(const std::string& folder) {
  if (folder.empty()) return "";
  std::error_code ec;
  const std::filesystem::path path = std::filesystem::path(folder) / kLibraryFile;
  if (!std::filesystem::is_regular_file(path, ec)) return "";
  const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  return ec ? "" : absolute.lexically_normal().string();
}

}  // namespace

std::string ArchiverLibraryPathIn(const std::string& appDir, const std::string& installedLibDir) {
  std::string path = ExistingLibrary(appDir);
  return path.empty() ? ExistingLibrary(installedLibDir) : path;
}

std::string ArchiverLibraryPath(const std::string& appDir) {
  std::string path = ArchiverLibraryPathIn(appDir, appDir + "/" + TAMIKAZE_LIB_FROM_BIN);
  return path.empty() ? ExistingLibrary(TAMIKAZE_INSTALLED_LIB_DIR) : path;
}

}  // namespace tamikaze
