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
  // The sample page of the oldest layout, its first `lines` lines (all: 0).
  std::string SamplePage(const std::string& name, std::size_t lines = 0) {
    std::string bytes = ReadBytes(TAMIKAZE_EXAMPLE_PAGES "/layout0.html");
    for (std::size_t end = 0, n = 0; lines > 0 && end < bytes.size(); ++end) {
      if (bytes[end] == '\n' && ++n == lines) bytes.resize(end + 1);
    }
    return scratch.File("pages/" + name, bytes).string();
  }

  ScratchFolder scratch;
  ImportState main;
  FakePageUi ui{main};
};

TEST_F(LocalPageImportTest, WritesTheRaceFileUnderThePageName) {
  const std::string page = SamplePage("race.html");
  const PageImportReport report = Run(page);
  EXPECT_EQ(report.outcome, PageImportOutcome::Written);
  EXPECT_EQ(report.raceFile, main.OutputDir + "/race.uma");
  LocalPageState converted;
  ConvertLocalPage(converted, ReadBytes(page));
  EXPECT_EQ(ReadBytes(report.raceFile), converted.SaveLst.FileBytes());
  EXPECT_GT(converted.SaveLst.size(), 61u);
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
  const std::string page = SamplePage("race.htm");
  scratch.File("races/race.uma", "mine");
  fs::create_symlink(scratch.Path() / "gone", scratch.Path() / "races/link.uma");
  const std::string link = SamplePage("link.txt");
  for (const auto& [path, name] : {std::pair{page, "race.uma"}, {link, "link.uma"}}) {
    ui.shown.clear();
    EXPECT_EQ(Run(path).outcome, PageImportOutcome::Refused);
    EXPECT_EQ(ui.shown, std::vector<std::string>{RaceFileExistsMessage(name)});
  }
  EXPECT_EQ(ReadBytes(scratch.Path() / "races/race.uma"), "mine");
  EXPECT_FALSE(fs::exists(scratch.Path() / "gone"));
}

// Foreseen failures say why; the error outcome throws; neither writes. Files
// that are no saved race-card page (short ones, empty ones, one whose date
// line belongs to neither page family) get the four lines that say so.
TEST_F(LocalPageImportTest, OutcomesThatWriteNothing) {
  const std::string notLocal = Page("a.html", {"<HTML>", "出馬表"});
  const std::string broken = Page("b.html", {"<HTML>", "2009年1X月 <td nowrap colspan=\"2\">"});
  const std::string cut = SamplePage("c.html", 200);  // inside its third runner
  for (const std::string& page :
       {notLocal, Page("d.html", {}), Page("e.html", {"<html>"}),
        Page("f.html", {"<html>", "<head>", "</head>"}), Page("g.html", {"<HTML>", "2009年"})}) {
    ui.shown.clear();
    EXPECT_EQ(Run(page).outcome, PageImportOutcome::NotLocalPage) << page;
    EXPECT_EQ(ui.shown, NotLocalPageLines());
    EXPECT_EQ(main.PrintMode, 4);
  }
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
