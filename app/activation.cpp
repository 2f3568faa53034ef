#include "app/activation.h"

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

void PrepareArchive(TArchiveFile& archive) {
  archive.SetArchiverType(kArchiverTypeLha);
  archive.Options().jse = 1;
  archive.Options().jso = 1;
}

}  // namespace tamikaze
