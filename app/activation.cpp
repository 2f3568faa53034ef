#include "app/activation.h"

#include <filesystem>
#include <system_error>

#include "archive/archive_file.h"

namespace tamikaze {

const std::vector<std::string>& MissingLibraryNotice() {
  static const std::vector<std::string> lines = {
      "「TamikazeNetData」を使用するためには",
      "ファイル解凍フリーソフト「libunlha32.so」が",
      "必要です。",
      "詳しくは、スタートメニューから",
      "「TamikazeNetDataについて」をご覧ください。",
      "（「閉じる」ボタンを押すと",
      "　「TamikazeNetDataについて」を開きます）",
  };
  return lines;
}

bool ArchiverLibraryPresent(const std::string& libraryPath) {
  std::error_code ec;
  return std::filesystem::is_regular_file(libraryPath, ec);
}

void PrepareArchive(TArchiveFile& archive) {
  archive.SetArchiverType(kArchiverTypeLha);
  archive.Options().jse = 1;
  archive.Options().jso = 1;
}

}  // namespace tamikaze
