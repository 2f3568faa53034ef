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
  for (const std::string& word : args) {
    if (!optionsEnded && word == "--") {
      optionsEnded = true;
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
