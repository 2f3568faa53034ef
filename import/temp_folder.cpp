#include "import/temp_folder.h"

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "text/system_error_text.h"

namespace tamikaze {
namespace fs = std::filesystem;
namespace {

[[noreturn]] void ThrowCreateError(const std::string& path, int error) {
  throw std::runtime_error("作業フォルダ " + path + " を作成できません（" + SystemErrorText(error) +
                           "）");
}

bool AnyName(const std::string&) {
  return true;
}

}  // namespace

void CreateTempDir(const std::string& tempDir) {
  std::error_code ec;
  fs::create_directories(tempDir, ec);
  if (ec) ThrowCreateError(tempDir, ec.value());
}

PrivateTempFolder::PrivateTempFolder(const std::string& tempDir) try : folder_(Pattern(tempDir)) {
} catch (const std::system_error& error) {
  ThrowCreateError(tempDir, error.code().value());
}

// The pattern of a new sub-folder, once `tempDir` exists.
std::string PrivateTempFolder::Pattern(const std::string& tempDir) {
  CreateTempDir(tempDir);
  return tempDir + "/" + std::to_string(::getpid()) + "-XXXXXX";
}

void RemoveUnheldTempFolders(const std::string& tempDir) {
  RemoveUnheldFolders(tempDir, AnyName);
}

}  // namespace tamikaze
