#include "import/file_checks.h"

#include <filesystem>
#include <system_error>

#include "import/import_state.h"
#include "import/import_texts.h"

namespace tamikaze {

bool FolderExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_directory(path, ec);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

const char* MissingFolderMessage(const ImportState& main, bool requireTamikaze) {
  if (requireTamikaze && !FileExists(main.TamikazeDir + "/Tamikaze.exe")) {
    return import_texts::kNoTamikaze;
  }
  if (!FolderExists(main.OutputDir)) return import_texts::kNoOutputDir;
  return nullptr;
}

}  // namespace tamikaze
