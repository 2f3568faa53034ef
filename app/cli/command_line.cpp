#include "app/cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/activation.h"
#include "app/cli/cli_checks.h"
#include "app/cli/cli_import_ui.h"
#include "app/cli/console.h"
#include "app/cli/help.h"
#include "app/cli/interruption.h"
#include "app/cli/page_command.h"
#include "app/main_state.h"
#include "archive/archive_file.h"
#include "archive/library_location.h"
#include "import/data_types.h"
#include "import/import_driver.h"
#include "import/second_archive.h"
#include "text/system_error_text.h"

namespace tamikaze {
namespace {

struct ImportArguments {
  std::string outputDir;
  std::string secondArchive;
  std::vector<std::string> archives;
  bool quiet = false;
  bool replace = false;
};

// CLI11's own errors in Japanese. The option an error is about leads
// CLI11's text ("-o: 1 required TEXT missing").
std::string UsageErrorText(const CLI::ParseError& e) {
  const std::string what = e.what();
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
    const std::string name = what.substr(0, what.find(':'));
    if (what.find("missing") != std::string::npos) {
      return "「" + name + "」の後に値を指定して下さい。";
    }
    return "「" + name + "」は1回だけ指定できます。";
  }
  return "コマンドラインを読めません（" + what + "）。";
}

// The first word that is not an option must name a subcommand.
std::optional<std::string> UnknownSubcommand(const CLI::App& app, int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word.empty() || word[0] == '-') continue;
    for (const CLI::App* sub : app.get_subcommands({})) {
      if (sub->get_name() == word) return std::nullopt;
    }
    return word;
  }
  return std::nullopt;
}

// "tamikaze-netdata", or "tamikaze-netdata import" once a subcommand was read:
// whose --help a usage error points to.
std::string CommandName(const CLI::App& app) {
  const std::vector<CLI::App*> parsed = app.get_subcommands();
  return parsed.empty() ? kProgram : std::string(kProgram) + " " + parsed.front()->get_name();
}

std::string SubcommandNames(const CLI::App& app) {
  std::string names;
  for (const CLI::App* sub : app.get_subcommands({})) {
    names += (names.empty() ? "" : "、") + sub->get_name();
  }
  return names;
}

// Arguments CLI11 kept aside as unknown: "「--bogus」は使えません。"
// A "--", which ends the options so that an archive may be named "-x.lzh", is
// kept aside too but is no mistake.
std::optional<std::string> ExtraArgumentsText(const CLI::App& app) {
  std::string text;
  for (const std::string& extra : app.remaining(/*recurse=*/true)) {
    if (extra != "--") text += "「" + extra + "」";
  }
  if (text.empty()) return std::nullopt;
  return text + "は使えない指定です。";
}

CLI::App* AddImportCommand(CLI::App& app, ImportArguments& args) {
  CLI::App* import = app.add_subcommand(
      "import",
      "出馬表の圧縮ファイル（.lzh）を、レースファイル（.uma）に変換します。\n"
      "JRA-VAN・競馬道OnLine の圧縮ファイルごとに、出力先の下に「圧縮ファイル名＋S」の\n"
      "フォルダを作り、障害レースを除くレースごとに1つのレースファイルを書きます。\n"
      "特別登録馬の競走馬ファイル（T1…、U9…）は、その TT… も指定したときは、\n"
      "TT… と一緒に変換します。");
  import
      ->add_option("-o", args.outputDir,
                   "レースフォルダを作る場所（存在するフォルダ）。省略すると、\n"
                   "設定ファイルの「レースファイルを展開する場所」")
      ->type_name("フォルダ");
  import
      ->add_option("--second", args.secondArchive,
                   "特別登録馬の2つ目の圧縮ファイル（競走馬ファイル）。\n"
                   "TT… の名前から T1…、U9… が見つからないときに使います")
      ->type_name("ファイル");
  import->add_flag("--replace", args.replace,
                   "レースフォルダがすでにあるときは、変換がエラーなく終わってから\n"
                   "新しいものと入れ替えます（指定しないときは、何もせずに断ります）");
  import->add_flag("-q,--quiet", args.quiet, "エラーのメッセージのほかは何も表示しません");
  import->add_option("ARCHIVE", args.archives, "変換する圧縮ファイル")
      ->type_name("圧縮ファイル.lzh");
  import->footer(
      "標準出力: 圧縮ファイルごとに1行、タブ区切りで\n"
      "  圧縮ファイル、データの種類、レース数、書いたレースファイルの数、レースフォルダ\n"
      "  （レースフォルダは作らなかったときは空。タブ、改行、復帰、\\ は \\t、\\n、\\r、\\\\ "
      "と書きます）\n"
      "標準エラー出力: メッセージ（ファイルについてのものは、そのパスで始まります）。\n"
      "  端末のときは、進み具合を1行で表示します。\n"
      "設定ファイル ~/.config/TamikazeNetData/Tamnet.ini は読むだけで、書き換えません。");
  import->allow_extras();
  return import;
}

// The summary line of one archive. The race folder is named only when this
// import made it.
void PrintSummary(Console& console, const std::string& archive, const ImportReport& report) {
  console.Summary({archive, std::to_string(report.dataType), std::to_string(report.raceCount),
                   std::to_string(report.filesWritten),
                   report.raceFolderMade ? report.raceFolder : ""});
}

// An error that ended the import: inside a converter it also names the race
// and the race-card file it was read from.
std::string ErrorText(const std::exception& e, const ImportReport& report) {
  std::string text = ErrorMessageText(e);
  if (report.convertingRace > 0 && report.dataType > 0) {
    text += "（" + std::string(DataTypeRow(report.dataType).raceCardFile) + " のレース " +
            std::to_string(report.convertingRace) + "）";
  }
  return text;
}

// One archive: its outcome as an exit status.
int ImportOne(Main& main, TArchiveFile& archive, CliImportUi& ui, Console& console,
              const std::string& path, bool replace) {
  ImportReport report;
  const int status = ConvertFileAt(
      console, path,
      [&] {
        ImportArchive(main, archive, ui, ImportSettings{/*requireTamikaze=*/false, replace},
                      report);
        const bool finished =
            report.outcome == ImportOutcome::Done || report.outcome == ImportOutcome::Interrupted;
        return finished ? kExitDone : kExitRefused;
      },
      [&report](const std::exception& e) { return ErrorText(e, report); });
  // An interruption is said once, at the end of the call, without a summary.
  if (report.outcome != ImportOutcome::Interrupted) PrintSummary(console, path, report);
  return status;
}

// The archive of the call whose second archive `path` is by the "TT" rule (a
// horse archive T1… or U9… beside its TT… partner), or "" when the call
// names none.
std::string PartnerInCall(const std::string& path, const std::vector<std::string>& archives) {
  for (const std::string& other : archives) {
    if (other != path && IsCompanionOf(path, other)) return other;
  }
  return "";
}

int RunImports(const ImportArguments& args, Main& main, Console& console) {
  const std::string libraryPath = ArchiverLibraryPath(main.AppDir);
  if (libraryPath.empty()) {
    for (const std::string& line : MissingLibraryNotice()) console.Message(line);
    return kExitRefused;
  }
  TArchiveFile archive(libraryPath);
  PrepareArchive(archive);
  CliImportUi ui(console, args.secondArchive);
  int worst = kExitDone;
  const int n = static_cast<int>(args.archives.size());
  for (int k = 1; k <= n && CaughtInterruption() == 0; ++k) {
    const std::string& path = args.archives[k - 1];
    // A downloads folder holds both archives of a pair: the second is read
    // with the first, whatever comes of that, and is no failure of its own.
    if (const std::string partner = PartnerInCall(path, args.archives); !partner.empty()) {
      console.FileNotice(path,
                         "特別登録馬の競走馬ファイルなので、" + partner +
                             " の2つ目の圧縮ファイルとして読み込みます（単独では変換しません）。");
      console.Summary({path, "0", "0", "0", ""});
      continue;
    }
    ui.StartArchive(path, k, n);
    worst = std::max(worst, ImportOne(main, archive, ui, console, path, args.replace));
  }
  return FinishCall(console, worst, "作りかけのレースフォルダは残していません。");
}

// `import` once its command line was read.
int RunImportCommand(const CLI::App& import, const ImportArguments& args, const Environment& env,
                     std::ostream& out, std::ostream& err, bool errIsTerminal) {
  return RunSubcommand(
      {import, args.outputDir, args.archives.size(), "圧縮ファイルを指定して下さい。", args.quiet},
      env, out, err, errIsTerminal,
      [&args](Main& main, Console& console) { return RunImports(args, main, console); });
}

}  // namespace

int RunCommandLine(int argc, char** argv, const Environment& env, std::ostream& out,
                   std::ostream& err, bool errIsTerminal) {
  CLI::App app(
      "TamikazeNetData（コマンドライン版）: JRA-VAN・競馬道OnLine の出馬表と、\n"
      "保存した地方競馬の出馬表のページを、Tamikaze のレースファイルに変換します。",
      kProgram);
  app.formatter(std::make_shared<JapaneseHelpFormatter>());
  app.set_help_flag("-h,--help", "この説明を表示して終了します");
  app.set_version_flag("--version", VersionText(), "バージョンを表示して終了します");
  app.allow_extras();
  ImportArguments args;
  CLI::App* import = AddImportCommand(app, args);
  PageArguments pageArgs;
  const CLI::App* page = AddPageCommand(app, pageArgs);
  if (const auto unknown = UnknownSubcommand(app, argc, argv)) {
    return UsageError(err,
                      "「" + *unknown + "」というサブコマンドはありません（使えるのは " +
                          SubcommandNames(app) + "）。",
                      kProgram);
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e, out, err);  // --help, --version
    return UsageError(err, UsageErrorText(e), CommandName(app));
  }
  if (const auto extras = ExtraArgumentsText(app)) {
    return UsageError(err, *extras, CommandName(app));
  }
  if (page->parsed()) return RunPageCommand(*page, pageArgs, env, out, err, errIsTerminal);
  if (!import->parsed()) return UsageError(err, "サブコマンドを指定して下さい。", kProgram);
  return RunImportCommand(*import, args, env, out, err, errIsTerminal);
}

}  // namespace tamikaze
