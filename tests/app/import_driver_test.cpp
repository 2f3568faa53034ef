// The import driver on real LHA archives through libunlha32.so.
#include <gtest/gtest.h>

#include <set>

#include "app/activation.h"
#include "app/import_driver.h"
#include "app/import_texts.h"
#include "archive/archive_file.h"
#include "racefile/blocks.h"
#include "tests/app/app_test_support.h"
#include "tests/convert/jra_current_records.h"
#include "text/numbers.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;
namespace texts = import_texts;
using namespace tamikaze::literals;
using testing::CurrentRace;

class ImportDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main_.OutputDir = scratch_.Folder("out").string();
    main_.TempDir = (scratch_.Path() / "cache/Temp").string();
    main_.TamikazeDir = scratch_.Folder("tamikaze").string();
    testing::WriteBytes(scratch_.Path() / "tamikaze/Tamikaze.exe", "");
    main_.LoadDlgInitialDir = scratch_.Folder("start").string();
    PrepareArchive(archive_);
  }

  // Imports `path`; the later dialogs answer from `more`.
  ImportReport Import(std::optional<std::string> path,
                      std::vector<std::optional<std::string>> more = {},
                      ImportSettings settings = {}) {
    ui_.answers = {path};
    ui_.answers.insert(ui_.answers.end(), more.begin(), more.end());
    return ImportArchive(main_, archive_, ui_, settings);
  }

  static std::set<std::string> RaceFiles(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename());
    return names;
  }

  // Nothing written, nothing left in the temp folder, the wait window never shown.
  void ExpectNothingWritten() {
    EXPECT_TRUE(fs::is_empty(main_.OutputDir));
    EXPECT_TRUE(!fs::exists(main_.TempDir) || fs::is_empty(main_.TempDir));
    EXPECT_EQ(ui_.waitShown, 0);
  }

  testing::ScratchFolder scratch_;
  Main main_;
  TArchiveFile archive_{TAMIKAZE_TEST_UNLHA32};
  testing::FakeImportUi ui_;
};

TEST_F(ImportDriverTest, RefusesWithItsMessageAndWritesNothing) {
  const std::string den(1463, '0');
  const std::string notArchive = (scratch_.Path() / "plain.lzh").string();
  testing::WriteBytes(notArchive, std::string(300, 'x'));
  const std::pair<std::string, std::string> cases[] = {
      {notArchive, texts::kNotAnArchive},
      {scratch_.Archive("one.lzh", {{"JRACDEN1.DAT", den}}), texts::kNotRecognised},
      {scratch_.Archive("kd3.lzh",
                        {{"JRACDEN1.DAT", den}, {"JRACUMAJ.DAT", ""}, {"KOL_DEN1.KD3", ""}}),
       texts::kKd3},
      {scratch_.Archive("quote.lzh", {{"JRACDEN1.DAT", den}, {"JRACUMAJ.DAT", ""}, {"a\"b", ""}}),
       texts::kQuoteInMember},
      {scratch_.Archive("q\"uote.lzh", {{"JRACDEN1.DAT", den}, {"JRACUMAJ.DAT", ""}}),
       texts::kQuoteInPath},
  };
  for (const auto& [path, message] : cases) {
    ui_.messages.clear();
    EXPECT_EQ(Import(path).outcome, ImportOutcome::Refused) << path;
    EXPECT_EQ(ui_.messages, std::vector<std::string>{message}) << path;
    ExpectNothingWritten();
  }
}

TEST_F(ImportDriverTest, FolderChecksComeBeforeTheDialogAndCancelSaysNothing) {
  fs::remove(scratch_.Path() / "tamikaze/Tamikaze.exe");
  EXPECT_EQ(Import("x.lzh").outcome, ImportOutcome::Refused);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{texts::kNoTamikaze});
  // The command line skips the Tamikaze check; a missing output folder still refuses.
  const std::string output = main_.OutputDir;
  main_.OutputDir = (scratch_.Path() / "gone").string();
  EXPECT_EQ(Import("x.lzh", {}, {false}).outcome, ImportOutcome::Refused);
  EXPECT_EQ(ui_.messages.back(), texts::kNoOutputDir);
  EXPECT_TRUE(ui_.requests.empty());

  main_.OutputDir = output;
  ui_.messages.clear();
  EXPECT_EQ(Import(std::nullopt, {}, {false}).outcome, ImportOutcome::Cancelled);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(ui_.requests.back().title, texts::kArchiveTitle);
  EXPECT_EQ(ui_.requests.back().initialFolder, (scratch_.Path() / "start").string());
}

TEST_F(ImportDriverTest, RaceCountIsWholeRecordsUpToTheEofMarkAndNoFolderIsReused) {
  std::string marked(1200, '0');  // two records, but a 1A at byte 600 leaves 599 bytes
  marked[599] = '\x1A';
  const std::pair<std::string, int> cases[] = {
      {std::string(1000, '0'), 1}, {std::string(583, '0'), 0}, {marked, 1}};
  std::string path, folder;
  for (const auto& [den, races] : cases) {
    const std::string name = "JV010" + std::to_string(races) + std::to_string(den.size());
    path = scratch_.Archive(name + ".lzh", {{"jra#umaj.dat", "horses"}, {"JRA#DEN1.DAT", den}});
    const ImportReport report = Import(path);
    ASSERT_EQ(report.outcome, ImportOutcome::Done) << path;
    folder = main_.OutputDir + "/" + name + "S";
    EXPECT_EQ(report.raceFolder, folder);
    EXPECT_EQ(main_.RaceCount, races) << path;
    EXPECT_EQ(RaceFiles(folder).size(), static_cast<std::size_t>(races)) << path;
  }
  EXPECT_EQ(main_.DenText.size(), 599u);
  EXPECT_EQ(main_.UmaText, "horses");
  EXPECT_EQ(main_.LoadDlgInitialDir, (scratch_.Path() / "archives").string());
  EXPECT_EQ(ui_.waitShown, 3);
  EXPECT_EQ(ui_.waitHidden, 3);
  EXPECT_TRUE(fs::is_empty(main_.TempDir));

  // The same archive again finds its race folder and leaves it as it is.
  EXPECT_EQ(Import(path).outcome, ImportOutcome::Refused);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{"展開先のフォルダ" + folder +
                                                   "は、すでに存在します。"
                                                   "圧縮ファイルのファイル名を変更してから、"
                                                   "やり直して下さい。"});
  EXPECT_EQ(RaceFiles(folder).size(), 1u);
}

TEST_F(ImportDriverTest, ConvertsUntilAnErrorKeepingWhatWasWritten) {
  const std::string den = CurrentRace().Str() + CurrentRace().Put(137, "51").Str() +
                          CurrentRace().Put(137, "24").Str() + CurrentRace().Put(3, "AB").Str();
  // Member names in any case are found in the extraction folder.
  ui_.answers = {scratch_.Archive("JV0102.LZH",
                                  {{"jracumaj.dat", ""}, {"JracDen1.Dat", den}, {"x.txt", "x"}})};
  ImportReport report;
  try {
    ImportArchive(main_, archive_, ui_, {}, report);
    FAIL() << "no error";
  } catch (const ENotInteger& e) {
    EXPECT_STREQ(e.what(), "'AB' は整数ではありません");
  }
  EXPECT_EQ(main_.DataType, 4);
  EXPECT_EQ(report.filesWritten, 2);  // the steeplechase is dropped
  const std::string name = Cp932ToUtf8("東京11R"_sj);
  EXPECT_EQ(RaceFiles(report.raceFolder), (std::set<std::string>{name + ".uma", name + "2.uma"}));
  const std::string second = testing::ReadBytes(report.raceFolder + "/" + name + "2.uma");
  EXPECT_EQ(second.substr(0, CopyrightLine().size() + 2), CopyrightLine() + "\r\n");
  EXPECT_NE(second.find("\r\n"_sj + "ダ"_sj + "\r\n"), std::string::npos);
  EXPECT_EQ(ui_.waitHidden, 1);
  EXPECT_TRUE(fs::is_empty(main_.TempDir));
}

TEST_F(ImportDriverTest, SpecialRegistrationsFetchTheSecondArchive) {
  const std::string first =
      scratch_.Archive("TT100101.lzh", {{"JRA#TOUR.DAT", std::string(2992, '0')}});
  const std::string wrong = scratch_.Archive("other.lzh", {{"JRACUMAJ.DAT", "x"}});
  EXPECT_EQ(Import(first, {wrong}).outcome, ImportOutcome::Refused);
  ASSERT_EQ(ui_.requests.size(), 2u);
  EXPECT_EQ(ui_.requests[1].title, texts::kSecondArchiveTitle);
  EXPECT_EQ(ui_.requests[1].fileName, (scratch_.Path() / "archives/U9100101.lzh").string());
  EXPECT_EQ(ui_.messages, std::vector<std::string>{texts::kNotSecondArchive});
  ExpectNothingWritten();

  // T1 is tried before U9; the one found is taken without a dialog. Data type
  // and race count of this import are pinned by the command line's summary.
  scratch_.Archive("U9100101.lzh", {{"JRACUMAJ.DAT", "x"}});
  scratch_.Archive("T1100101.lzh", {{"jra#umaj.dat", "horse records"}});
  ASSERT_EQ(Import(first).outcome, ImportOutcome::Done);
  EXPECT_EQ(ui_.requests.size(), 3u);
  EXPECT_EQ(main_.UmaText, "horse records");
}

}  // namespace
}  // namespace tamikaze
