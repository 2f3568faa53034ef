#include "app/cli/cli_checks.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <exception>
#include <filesystem>
#include <system_error>

#include "app/cli/command_line.h"
#include "app/cli/interruption.h"
#include "app/folders.h"
#include "app/settings_file.h"
#include "app/startup.h"
#include "import/file_checks.h"
#include "import/input_file.h"
#include "text/system_error_text.h"

namespace tamikaze {
namespace fs = std::filesystem;
namespace {

// The output folder; says why it cannot be used (given with -o, or from the
// settings).
bool OutputFolderUsable(const std::string& folder, bool fromOption, Console& console) {
  if (FolderExists(folder)) return true;
  std::error_code ec;
  const bool other = fs::exists(fs::symlink_status(folder, ec));
  console.FileMessage(
      folder, std::string(other ? "レースファイルを展開する場所がフォルダではありません。"
                                : "レースファイルを展開する場所のフォルダが存在しません。") +
                  (fromOption ? "-o で、存在するフォルダを指定して下さい。"
                              : "-o で指定するか、設定し直して下さい。"));
  return false;
}

// The output folder the settings file names, "" when there is no usable
// settings file: the command line never falls back to another folder, so
// that it writes nowhere nobody asked for.
std::string SettingsOutputDir(const Environment& env) {
  const auto saved = LoadSettingsFile(SettingsFilePath(env));
  return saved ? saved->outputDir : "";
}

std::string NoSettingsText(const Environment& env) {
  return "設定ファイル " + SettingsFilePath(env) +
         " がないか、読めません。レースファイルを展開する場所を -o で指定して下さい。";
}

}  // namespace

int UsageError(std::ostream& err, const std::string& text, const std::string& command) {
  err << kProgram << ": " << text << "\n詳しくは「" << command << " --help」をご覧下さい。\n";
  return kExitUsage;
}

int RunSubcommand(const SubcommandCall& call, const Environment& env, std::ostream& out,
                  std::ostream& err, bool errIsTerminal,
                  const std::function<int(Main& main, Console& console)>& run) {
  const std::string command = std::string(kProgram) + " " + call.subcommand.get_name();
  const bool outputGiven = call.subcommand.count("-o") > 0;
  if (outputGiven && call.outputDir.empty()) {
    return UsageError(err, "「-o」のフォルダが空です。", command);
  }
  if (call.files == 0) return UsageError(err, call.noFilesText, command);
  Console console(out, err, errIsTerminal, call.quiet);
  try {
    Main main;
    StartUp(main, env, /*readOnly=*/true);
    main.OutputDir = outputGiven ? call.outputDir : SettingsOutputDir(env);
    if (main.OutputDir.empty()) {
      console.Message(NoSettingsText(env));
      return kExitRefused;
    }
    if (!OutputFolderUsable(main.OutputDir, outputGiven, console)) return kExitRefused;
    return run(main, console);
  } catch (const std::exception& e) {
    console.Message(ErrorMessageText(e));
    return kExitError;
  }
}

int ConvertFileAt(Console& console, const std::string& path, const std::function<int()>& convert,
                  const std::function<std::string(const std::exception&)>& errorText) {
  if (const std::string problem = InputFileProblem(path); !problem.empty()) {
    console.FileMessage(path, problem);
    return kExitRefused;
  }
  try {
    return convert();
  } catch (const std::exception& e) {
    console.FileMessage(path, errorText(e));
    return kExitError;
  }
}

int FinishCall(Console& console, int worst, const std::string& leftBehind) {
  console.ClearProgress();
  if (const int signal = CaughtInterruption()) {
    console.Message(std::string("読込＆変換を中断しました（") + InterruptionName(signal) + "）。" +
                    leftBehind);
    return 128 + signal;
  }
  if (console.OutputError() == 0) return worst;
  console.Message("標準出力に書き込めません（" + SystemErrorText(console.OutputError()) + "）");
  return std::max(worst, static_cast<int>(kExitRefused));
}

}  // namespace tamikaze
