#pragma once
// The bonus command 「地方競馬出馬表の読込＆変換」 without the window: a saved
// race-card page of the local-racing site becomes one race file, written
// directly into the output folder under the page's own name.

#include <string>

#include "import/import_state.h"
#include "import/page_import_ui.h"

namespace tamikaze {

enum class PageImportOutcome {
  Written,       // the race file was written
  Cancelled,     // the user cancelled the dialog: nothing said, nothing written
  Refused,       // a foreseen failure, its message shown: nothing written
  NotLocalPage,  // the four-line message was shown: nothing written
};

struct PageImportReport {
  PageImportOutcome outcome = PageImportOutcome::Cancelled;
  std::string pagePath;  // UTF-8, once picked
  int layout = 0;        // PageLayout once the page was read
  int runners = 0;       // runners found on the page
  std::string raceFile;  // the race file written (UTF-8), else ""
};

struct PageImportSettings {
  // The window checks for Tamikaze.exe first; the command line skips it.
  bool requireTamikaze = true;
};

// ChihouMenuClick's logic. A page whose conversion ends in an error (a
// number that does not read, a page cut short), and a page or race file
// that cannot be read or written, throw std::runtime_error with the UTF-8
// message to show; nothing is written then. `report` is filled as the
// import goes.
void ImportLocalPage(ImportState& main, PageImportUi& ui, const PageImportSettings& settings,
                     PageImportReport& report);

// Sets PrintLines 1 to 4 to the "not a page of the site" lines and shows them.
void ShowNotLocalPageMessage(ImportState& main, PageImportUi& ui);

// The page dialog LoadDlg2: its title and its one filter entry.
std::string PageDialogTitle();
std::string PageDialogFilter();

// The message for a file too large to be a saved page (more than 16 MiB).
inline constexpr const char* kPageTooLarge =
    "ファイルが大きすぎます（16 MiB を超えています）。保存した地方競馬の出馬表のページを"
    "指定して下さい。";

// The message for a race file of the page's name that is there already.
std::string RaceFileExistsMessage(const std::string& raceFileName);

}  // namespace tamikaze
