#include "import/local_page_import.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "convert/localhtml/page_import.h"
#include "import/file_checks.h"
#include "import/import_texts.h"
#include "import/input_file.h"
#include "racefile/writer.h"

namespace tamikaze {

namespace fs = std::filesystem;

namespace {

// Saved race-card pages take some hundred kilobytes; a file far larger is no
// such page, and its lines read whole would only fill the memory.
constexpr std::size_t kMaxPageBytes = std::size_t{16} << 20;

// The whole page as stored, or nothing for a file larger than any page. A
// FIFO, a device or a folder is never opened (it could block the import).
std::optional<std::string> ReadPage(const std::string& path) {
  if (const std::string problem = InputFileProblem(path); !problem.empty()) {
    throw std::runtime_error("ページのファイル「" + path + "」: " + problem);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("ページのファイル「" + path + "」を開けません。");
  std::string bytes;
  char chunk[1 << 16];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMaxPageBytes) return std::nullopt;
  }
  if (in.bad()) throw std::runtime_error("ページのファイル「" + path + "」を読めません。");
  return bytes;
}

// Anything at the path, a dangling link included, takes the name.
bool NameTaken(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

PageImportOutcome Import(ImportState& main, PageImportUi& ui, const PageImportSettings& settings,
                         PageImportReport& report) {
  if (const char* missing = MissingFolderMessage(main, settings.requireTamikaze)) {
    ui.Message(missing);
    return PageImportOutcome::Refused;
  }
  const auto picked =
      ui.OpenPage({PageDialogTitle(), PageDialogFilter(), main.LoadDlg2InitialDir, ""});
  if (!picked) return PageImportOutcome::Cancelled;
  ui.Repaint();
  main.LoadDlg2InitialDir = fs::path(*picked).parent_path().string();
  main.WorkPath = report.pagePath = *picked;
  const std::string name = RaceFileNameOfPage(fs::path(*picked).filename().string());
  const std::string target = main.OutputDir + "/" + name;
  if (NameTaken(target)) {
    ui.Message(RaceFileExistsMessage(name));
    return PageImportOutcome::Refused;
  }
  const std::optional<std::string> bytes = ReadPage(*picked);
  if (!bytes) {
    ui.Message(kPageTooLarge);
    return PageImportOutcome::Refused;
  }
  LocalPageState page;
  const PageConversion conversion = ConvertLocalPage(page, *bytes);
  report.layout = page.PageLayout;
  report.runners = page.HorseCount;
  if (conversion.outcome == PageOutcome::Error) throw std::runtime_error(conversion.error);
  if (conversion.outcome == PageOutcome::NotLocalPage) {
    ShowNotLocalPageMessage(main, ui);
    return PageImportOutcome::NotLocalPage;
  }
  // Created exclusively: a file that appeared meanwhile is not replaced.
  if (!SaveRaceFileExclusive(page.SaveLst, target)) {
    ui.Message(RaceFileExistsMessage(name));
    return PageImportOutcome::Refused;
  }
  report.raceFile = target;
  return PageImportOutcome::Written;
}

}  // namespace

void ImportLocalPage(ImportState& main, PageImportUi& ui, const PageImportSettings& settings,
                     PageImportReport& report) {
  report = PageImportReport{};
  report.outcome = Import(main, ui, settings, report);
}

void ShowNotLocalPageMessage(ImportState& main, PageImportUi& ui) {
  const std::vector<std::string>& lines = NotLocalPageLines();
  for (std::size_t k = 0; k < lines.size(); ++k) main.PrintLines[k + 1] = lines[k];
  main.PrintMode = static_cast<int>(lines.size());
  ui.ShowPrintForm(main.PrintMode);
}

std::string PageDialogTitle() {
  return std::string("地方競馬出馬表（") + kLocalRacingSite +
         "のホームページ）ソースファイルの読込";
}

std::string PageDialogFilter() {
  return std::string(kLocalRacingSite) +
         "の出馬表ソースファイル（.html .htm .txt）|*.html *.htm *.txt";
}

std::string RaceFileExistsMessage(const std::string& raceFileName) {
  return "展開先のファイル「" + raceFileName + "」は、すでに存在します。" +
         "ソースファイルのファイル名を変更してから、やり直して下さい。";
}

}  // namespace tamikaze
