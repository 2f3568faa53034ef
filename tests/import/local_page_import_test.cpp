// The bonus command without the window: its checks, the dialog, the race
// file written only at the end under the page's name, never over a file.
#include "import/local_page_import.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "convert/localhtml/page_import.h"
#include "import/import_texts.h"
#include "racefile/blocks.h"
#include "tests/convert/local_page_builder.h"
#include "tests/support/scratch_folder.h"

namespace tamikaze::testing {
namespace {

namespace fs = std::filesystem;

class FakePageUi : public PageImportUi {
 public:
  explicit FakePageUi(const ImportState& main) : main_(main) {}
  std::optional<std::string> answer;  // of every open dialog
  std::vector<OpenFileRequest> requests;
  std::vector<std::string> shown;  // messages, and the message window's lines

  std::optional<std::string> OpenPage(const OpenFileRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  void Message(const std::string& text) override { shown.push_back(text); }
  void ShowPrintForm(int lineCount) override {
    for (int k = 1; k <= lineCount; ++k) shown.push_back(main_.PrintLines[k]);
  }

 private:
  const ImportState& main_;
};

class LocalPageImportTest : public ::testing::Test {
 protected:
  LocalPageImportTest() {
    main.TamikazeDir = scratch.Folder("tamikaze");
    scratch.File("tamikaze/Tamikaze.exe");
    main.OutputDir = scratch.Folder("races");
    main.LoadDlg2InitialDir = scratch.Folder("read");
  }
  PageImportReport Run(std::optional<std::string> page) {
    ui.answer = std::move(page);
    PageImportReport report;
    ImportLocalPage(main, ui, {}, report);
    return report;
  }
  std::string Page(const std::string& name, const PageLines& lines) {
    return scratch.File("pages/" + name, PageBytes(lines, true)).string();
  }

  ScratchFolder scratch;
  ImportState main;
  FakePageUi ui{main};
};

TEST_F(LocalPageImportTest, WritesTheRaceFileUnderThePageName) {
  const std::string page = Page("race.html", {"<HTML>", "2009年の出馬表"});
  const PageImportReport report = Run(page);
  EXPECT_EQ(report.outcome, PageImportOutcome::Written);
  EXPECT_EQ(report.raceFile, main.OutputDir + "/race.uma");
  EXPECT_EQ(ReadBytes(report.raceFile), CopyrightLine() + "\r\n");
  ASSERT_EQ(ui.requests.size(), 1u);
  EXPECT_EQ(ui.requests[0].title,
            "地方競馬出馬表（地方競馬情報サイトのホームページ）ソースファイルの読込");
  EXPECT_EQ(ui.requests[0].filter,
            "地方競馬情報サイトの出馬表ソースファイル（.html .htm .txt）|*.html *.htm *.txt");
  EXPECT_EQ(ui.requests[0].initialFolder, scratch.Path() / "read");
  EXPECT_EQ(main.LoadDlg2InitialDir, scratch.Path() / "pages");  // where the next pick starts
  EXPECT_EQ(main.WorkPath, page);
}

// A race file of the page's name, or anything else of that name, is never
// replaced.
TEST_F(LocalPageImportTest, RefusesATakenName) {
  const std::string page = Page("race.htm", {"<HTML>", "2009年の出馬表"});
  scratch.File("races/race.uma", "mine");
  fs::create_symlink(scratch.Path() / "gone", scratch.Path() / "races/link.uma");
  const std::string link = Page("link.txt", {"<HTML>", "2009年の出馬表"});
  for (const auto& [path, name] : {std::pair{page, "race.uma"}, {link, "link.uma"}}) {
    ui.shown.clear();
    EXPECT_EQ(Run(path).outcome, PageImportOutcome::Refused);
    EXPECT_EQ(ui.shown, std::vector<std::string>{RaceFileExistsMessage(name)});
  }
  EXPECT_EQ(ReadBytes(scratch.Path() / "races/race.uma"), "mine");
  EXPECT_FALSE(fs::exists(scratch.Path() / "gone"));
}

// Foreseen failures say why; the error outcome throws; neither writes.
TEST_F(LocalPageImportTest, OutcomesThatWriteNothing) {
  const std::string notLocal = Page("a.html", {"<HTML>", "出馬表"});
  const std::string broken = Page("b.html", {"<HTML>", "2009年1X月 <td nowrap colspan=\"2\">"});
  const std::string cut = Page("c.html", {"<html>"});
  EXPECT_EQ(Run(notLocal).outcome, PageImportOutcome::NotLocalPage);
  EXPECT_EQ(ui.shown, NotLocalPageLines());
  EXPECT_EQ(main.PrintMode, 4);
  for (const std::string& page : {broken, cut}) EXPECT_THROW(Run(page), std::runtime_error);
  EXPECT_THROW(Run(scratch.Path() / "pages/missing.html"), std::runtime_error);
  const std::string fifo = scratch.Path() / "pages/fifo.html";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_THROW(Run(fifo), std::runtime_error);  // refused unopened, so it cannot block
  const std::string large = Page("large.html", {"<HTML>", "2009年の出馬表"});
  fs::resize_file(large, (16u << 20) + 1);
  ui.shown.clear();
  EXPECT_EQ(Run(large).outcome, PageImportOutcome::Refused);
  EXPECT_EQ(ui.shown, std::vector<std::string>{kPageTooLarge});
  EXPECT_EQ(Run(std::nullopt).outcome, PageImportOutcome::Cancelled);
  EXPECT_TRUE(fs::is_empty(main.OutputDir));

  ui.shown.clear();
  main.OutputDir = scratch.Path() / "gone";
  EXPECT_EQ(Run(notLocal).outcome, PageImportOutcome::Refused);
  fs::remove(main.TamikazeDir + "/Tamikaze.exe");
  EXPECT_EQ(Run(notLocal).outcome, PageImportOutcome::Refused);
  EXPECT_EQ(ui.shown,
            (std::vector<std::string>{import_texts::kNoOutputDir, import_texts::kNoTamikaze}));
}

}  // namespace
}  // namespace tamikaze::testing
