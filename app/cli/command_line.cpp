#include "app/cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "app/activation.h"
#include "app/cli/cli_import_ui.h"
#include "app/import_driver.h"
#include "app/main_state.h"
#include "app/startup.h"
#include "archive/archive_file.h"
#include "archive/library_location.h"

namespace tamikaze {
namespace {

struct ImportArguments {
  std::string outputDir;
  std::string secondArchive;
  std::vector<std::string> archives;
};

void PrintSummary(std::ostream& out, const std::string& archive, const ImportReport& report) {
  out << archive << '\t' << report.dataType << '\t' << report.raceCount << '\t'
      << report.filesWritten << '\t' << report.raceFolder << '\n'
      << std::flush;
}

// One archive: its outcome as an exit status.
int ImportOne(Main& main, TArchiveFile& archive, CliImportUi& ui, const std::string& path,
              std::ostream& out, std::ostream& err) {
  ui.SetArchive(path);
  ImportReport report;
  int status = kExitDone;
  try {
    ImportArchive(main, archive, ui, ImportSettings{/*requireTamikaze=*/false}, report);
    if (report.outcome != ImportOutcome::Done) status = kExitRefused;
  } catch (const std::exception& e) {
    err << e.what() << '\n' << std::flush;
    status = kExitError;
  }
  PrintSummary(out, path, report);
  return status;
}

int RunImports(const ImportArguments& args, const Environment& env, std::ostream& out,
               std::ostream& err) {
  Main main;
  StartUp(main, env, /*readOnly=*/true);
  if (!args.outputDir.empty()) main.OutputDir = args.outputDir;
  const std::string libraryPath = ArchiverLibraryPath(main.AppDir);
  if (libraryPath.empty()) {
    for (const std::string& line : MissingLibraryNotice()) err << line << '\n';
    return kExitRefused;
  }
  TArchiveFile archive(libraryPath);
  PrepareArchive(archive);
  CliImportUi ui(err, args.secondArchive);
  int worst = kExitDone;
  for (const std::string& path : args.archives) {
    worst = std::max(worst, ImportOne(main, archive, ui, path, out, err));
  }
  return worst;
}

}  // namespace

int RunCommandLine(int argc, char** argv, const Environment& env, std::ostream& out,
                   std::ostream& err) {
  CLI::App app("TamikazeNetData: race cards of JRA-VAN and 競馬道 archives to race files",
               "tamikaze-netdata");
  app.set_version_flag("--version", std::string("tamikaze-netdata ") + TAMIKAZE_VERSION);
  app.require_subcommand(1);
  ImportArguments args;
  CLI::App* import = app.add_subcommand("import", "Convert each archive into a race folder");
  import->add_option("-o", args.outputDir, "Output folder (default: OutputDir of Tamnet.ini)");
  import->add_option("--second", args.secondArchive,
                     "Second archive of the special registrations when the TT rule finds none");
  import->add_option("ARCHIVE", args.archives, "Archives (.lzh) to import")->required();
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err) == 0 ? kExitDone : kExitUsage;
  }
  try {
    return RunImports(args, env, out, err);
  } catch (const std::exception& e) {
    err << e.what() << '\n';
    return kExitError;
  }
}

}  // namespace tamikaze
