#pragma once
// What the desktop program is given on its command line: --help, --version or
// one file to open at once (an archive or a saved race-card page), as the
// menu entry passes a file opened from a file manager.

#include <string>
#include <vector>

namespace tamikaze {

struct DesktopArguments {
  enum class Action {
    Run,      // start the window, opening `file` when it is not empty
    Help,     // print DesktopHelpText() and end
    Version,  // print the version and end
    Usage,    // wrong usage: print `error` and end with status 2
  };
  Action action = Action::Run;
  std::string file;   // as given (UTF-8)
  std::string error;  // UTF-8, for Usage
};

// `args` without the program's name. --help and --version win over any
// other word before "--"; after "--" every word is a file. Qt's own options
// (-platform offscreen, -style=fusion ...) are passed over, so that the
// words can be judged before the toolkit starts, which needs a display.
DesktopArguments ParseDesktopArguments(const std::vector<std::string>& args);

// The Japanese text of --help.
std::string DesktopHelpText();

// What a file is by its extension, whatever its case: an LHA archive (.lzh)
// or a saved page of the local-racing site (.html, .htm, .txt).
enum class DocumentKind { Archive, Page, Other };
DocumentKind KindOfDocument(const std::string& path);

// Shown when a given or dropped file is none of these, or is not there.
inline constexpr const char* kNotADocument =
    "このファイルは読み込めません。JRA-VAN・競馬道の圧縮ファイル（.lzh）か、"
    "保存した地方競馬の出馬表（.html .htm .txt）を指定して下さい。";
std::string DocumentMissingMessage(const std::string& path);

}  // namespace tamikaze
