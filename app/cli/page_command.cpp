#include "app/cli/page_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <exception>
#include <filesystem>

#include "app/cli/cli_checks.h"
#include "app/cli/command_line.h"
#include "app/cli/console.h"
#include "app/cli/interruption.h"
#include "import/local_page_import.h"
#include "text/system_error_text.h"

namespace tamikaze {
namespace {

// The dialog answered by the page being imported. Messages start with its
// path; the message window's lines make one message.
class CliPageUi : public PageImportUi {
 public:
  CliPageUi(const Main& main, Console& console) : main_(main), console_(console) {}

  // The page the next import opens, the `k`-th of `n` (1-based).
  void StartPage(const std::string& path, int k, int n) {
    page_ = path;
    console_.Progress("[" + std::to_string(k) + "/" + std::to_string(n) + "] " +
                          std::filesystem::path(path).filename().string(),
                      /*final=*/true);
  }

  std::optional<std::string> OpenPage(const OpenFileRequest&) override { return page_; }
  void Message(const std::string& text) override { console_.FileMessage(page_, text); }
  void ShowPrintForm(int lineCount) override {
    std::string text;
    for (int k = 1; k <= lineCount; ++k) text += main_.PrintLines[k];
    Message(text);
  }

 private:
  const Main& main_;
  Console& console_;
  std::string page_;
};

int ImportOne(Main& main, CliPageUi& ui, Console& console, const std::string& path) {
  PageImportReport report;
  const int status = ConvertFileAt(
      console, path,
      [&] {
        ImportLocalPage(main, ui, PageImportSettings{/*requireTamikaze=*/false}, report);
        return report.outcome == PageImportOutcome::Written ? kExitDone : kExitRefused;
      },
      [](const std::exception& e) { return ErrorMessageText(e); });
  // A file that is no page of the site has no layout.
  const bool notLocal = report.outcome == PageImportOutcome::NotLocalPage;
  console.Summary({path, notLocal ? "" : std::to_string(report.layout),
                   std::to_string(report.runners), report.raceFile});
  return status;
}

int RunPages(const PageArguments& args, Main& main, Console& console) {
  CliPageUi ui(main, console);
  int worst = kExitDone;
  const int n = static_cast<int>(args.pages.size());
  for (int k = 1; k <= n && CaughtInterruption() == 0; ++k) {
    ui.StartPage(args.pages[k - 1], k, n);
    worst = std::max(worst, ImportOne(main, ui, console, args.pages[k - 1]));
  }
  return FinishCall(console, worst, "それまでに書いたレースファイルは残ります。");
}

}  // namespace

CLI::App* AddPageCommand(CLI::App& app, PageArguments& args) {
  CLI::App* page = app.add_subcommand(
      "page",
      "保存した地方競馬の出馬表のページ（.html .htm .txt）を、レースファイル（.uma）に\n"
      "変換します。ページごとに、その名前の拡張子を .uma に替えたレースファイルを出力先に\n"
      "書きます（同じ名前のファイルがあるときは、何も書かずに断ります）。");
  page->add_option("-o", args.outputDir,
                   "レースファイルを書く場所（存在するフォルダ）。省略すると、\n"
                   "設定ファイルの「レースファイルを展開する場所」")
      ->type_name("フォルダ");
  page->add_flag("-q,--quiet", args.quiet, "エラーのメッセージのほかは何も表示しません");
  page->add_option("PAGE", args.pages, "変換するページ")->type_name("ページ.html");
  page->footer(
      "標準出力: ページごとに1行、タブ区切りで\n"
      "  ページ、ページの形式（0～3）、出走頭数、書いたレースファイル\n"
      "  （書かなかったときは空。タブ、改行、復帰、\\ は \\t、\\n、\\r、\\\\ と書きます）\n"
      "標準エラー出力: メッセージ（ページについてのものは、そのパスで始まります）。\n"
      "設定ファイル ~/.config/TamikazeNetData/Tamnet.ini は読むだけで、書き換えません。");
  page->allow_extras();
  return page;
}

int RunPageCommand(const CLI::App& page, const PageArguments& args, const Environment& env,
                   std::ostream& out, std::ostream& err, bool errIsTerminal) {
  return RunSubcommand(
      {page, args.outputDir, args.pages.size(), "ページを指定して下さい。", args.quiet}, env, out,
      err, errIsTerminal,
      [&args](Main& main, Console& console) { return RunPages(args, main, console); });
}

}  // namespace tamikaze
