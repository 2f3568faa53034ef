#include "app/desktop_arguments.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tamikaze {

namespace {

bool IsOneOf(const std::string& word, const char* a, const char* b) {
  return word == a || word == b;
}

// --help or --version anywhere before "--", help first.
DesktopArguments::Action FindInfoRequest(const std::vector<std::string>& args) {
  bool version = false;
  for (const std::string& word : args) {
    if (word == "--") break;
    if (IsOneOf(word, "-h", "--help")) return DesktopArguments::Action::Help;
    version = version || IsOneOf(word, "-v", "--version");
  }
  return version ? DesktopArguments::Action::Version : DesktopArguments::Action::Run;
}

// Qt's own options, which the toolkit takes out of the command line: those
// that take the next word as their value, and those that do not. Qt accepts
// them with one dash or two, and a value also after "=".
constexpr const char* kQtOptionsWithValue[] = {"platform",
                                               "platformpluginpath",
                                               "platformtheme",
                                               "plugin",
                                               "qwindowgeometry",
                                               "qwindowicon",
                                               "qwindowtitle",
                                               "session",
                                               "display",
                                               "geometry",
                                               "style",
                                               "stylesheet",
                                               "name",
                                               "title",
                                               "visual",
                                               "ncols",
                                               "cmap",
                                               "im",
                                               "inputstyle"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb",
                                    "dograb",  "sync",        "qmljsdebugger"};

// How many words the Qt option at `word` takes (1 or 2), 0 for none.
int QtOptionWords(const std::string& word) {
  if (word.size() < 2 || word[0] != '-') return 0;
  std::string name = word.substr(word[1] == '-' ? 2 : 1);
  const std::size_t equals = name.find('=');
  const bool attached = equals != std::string::npos;
  if (attached) name.erase(equals);
  for (const char* option : kQtOptionsWithValue) {
    if (name == option) return attached ? 1 : 2;
  }
  for (const char* flag : kQtFlags) {
    if (name == flag) return 1;
  }
  return 0;
}

DesktopArguments Usage(std::string error) {
  DesktopArguments result;
  result.action = DesktopArguments::Action::Usage;
  result.error = std::move(error);
  return result;
}

}  // namespace

DesktopArguments ParseDesktopArguments(const std::vector<std::string>& args) {
  DesktopArguments result;
  result.action = FindInfoRequest(args);
  if (result.action != DesktopArguments::Action::Run) return result;
  std::vector<std::string> files;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (!optionsEnded && word == "--") {
      optionsEnded = true;
    } else if (const int qt = optionsEnded ? 0 : QtOptionWords(word); qt > 0) {
      i += static_cast<std::size_t>(qt - 1);  // the toolkit's, with its value
    } else if (!optionsEnded && word.size() > 1 && word[0] == '-') {
      return Usage("不明なオプションです: " + word);
    } else {
      files.push_back(word);
    }
  }
  if (files.size() > 1) return Usage("開くファイルは1つだけ指定して下さい。");
  if (!files.empty()) result.file = files.front();
  return result;
}

std::string DesktopHelpText() {
  return "使い方: TamikazeNetData [ファイル]\n"
         "        TamikazeNetData --help | --version\n"
         "\n"
         "競馬データ変換ソフト TamikazeNetData のウィンドウを開きます。\n"
         "ファイルを指定すると、開いてすぐに読み込んで変換します。\n"
         "  *.lzh               JRA-VAN・競馬道OnLine の出馬表の圧縮ファイル\n"
         "                      （「データの読込＆変換」と同じです）\n"
         "  *.html *.htm *.txt  保存した地方競馬の出馬表のページ\n"
         "                      （「地方競馬出馬表の読込＆変換」と同じです）\n"
         "ファイルをウィンドウにドラッグ＆ドロップしても同じです。\n"
         "\n"
         "オプション:\n"
         "  -h, --help     この説明を表示して終了します\n"
         "  -v, --version  バージョンを表示して終了します\n"
         "\n"
         "終了ステータス: 0 正常、1 起動できなかった、2 使い方の誤り\n"
         "設定ファイル: ~/.config/TamikazeNetData/Tamnet.ini\n"
         "コマンドラインで変換するには tamikaze-netdata を使って下さい。\n";
}

DocumentKind KindOfDocument(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".lzh") return DocumentKind::Archive;
  if (extension == ".html" || extension == ".htm" || extension == ".txt") {
    return DocumentKind::Page;
  }
  return DocumentKind::Other;
}

std::string DocumentMissingMessage(const std::string& path) {
  return "ファイル「" + path + "」が見つかりません。";
}

}  // namespace tamikaze
