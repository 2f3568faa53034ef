#include "import/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "text/system_error_text.h"

namespace tamikaze {

std::string InputFileProblem(const std::string& path) {
  struct stat st {};
  if (path.empty()) return "ファイル名が空です。";
  if (stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return "ファイルが見つかりません。";
    return "ファイルを開けません（" + SystemErrorText(errno) + "）。";
  }
  if (S_ISDIR(st.st_mode)) return "フォルダです。ファイルを指定して下さい。";
  if (!S_ISREG(st.st_mode)) return "通常のファイルではありません。";
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return "ファイルを読めません（" + SystemErrorText(errno) + "）。";
  close(fd);
  return "";
}

}  // namespace tamikaze
