#include "import/temp_folder.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "import/held_folder.h"
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

void RemoveUnheldTempFolders(const std::string& tempDir) {
  RemoveUnheldFolders(tempDir, AnyName);
}

}  // namespace tamikaze
