// The import driver on real LHA archives through libunlha32.so.
#include <gtest/gtest.h>

#include "app/activation.h"
#include "app/import_driver.h"
#include "app/import_texts.h"
#include "archive/archive_file.h"
#include "racefile/blocks.h"
#include "tests/app/app_test_support.h"
#include "tests/convert/jra_current_records.h"
#include "tests/support/lh0_writer.h"
#include "text/numbers.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;
namespace texts = import_texts;
using testing::Lh0Member;
using namespace tamikaze::literals;

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

  std::string Archive(const std::string& name, const std::vector<Lh0Member>& members) {
    const fs::path path = scratch_.Path() / "archives" / name;
    fs::create_directories(path.parent_path());
    testing::WriteLh0Archive(path, members);
    return path.string();
  }

  // Imports `path`; the dialogs answer from `answers` after it.
  ImportReport Import(const std::string& path, std::vector<std::optional<std::string>> more = {},
                      ImportSettings settings = {}) {
    ui_.answers = {path};
    ui_.answers.insert(ui_.answers.end(), more.begin(), more.end());
    return ImportArchive(main_, archive_, ui_, settings);
  }

  std::vector<std::string> RaceFiles(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
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
  struct Case {
    const char* what;
    std::string path;
    std::string message;
  };
  const std::string notArchive = (scratch_.Path() / "archives/plain.lzh").string();
  testing::WriteBytes(notArchive, std::string(300, 'x'));
  const Case cases[] = {
      {"not an archive", notArchive, texts::kNotAnArchive},
      {"fewer than three members", Archive("one.lzh", {{"JRACDEN1.DAT", den}}),
       texts::kNotRecognised},
      {"tour file not first", Archive("tour.lzh", {{"README.TXT", "x"}, {"JRA#TOUR.DAT", den}}),
       texts::kNotRecognised},
      {"KD3 wins over type 4",
       Archive("kd3.lzh", {{"JRACDEN1.DAT", den}, {"JRACUMAJ.DAT", ""}, {"KOL_DEN1.KD3", "x"}}),
       texts::kKd3},
      {"quote in a member name",
       Archive("quote.lzh", {{"JRACDEN1.DAT", den}, {"JRACUMAJ.DAT", ""}, {"a\"b.txt", "x"}}),
       texts::kQuoteInMember},
      {"quote in the archive path",
       Archive("q\"uote.lzh", {{"JRACDEN1.DAT", den}, {"JRACUMAJ.DAT", ""}}), texts::kQuoteInPath},
  };
  for (const Case& c : cases) {
    ui_.messages.clear();
    const ImportReport report = Import(c.path);
    EXPECT_EQ(report.outcome, ImportOutcome::Refused) << c.what;
    EXPECT_EQ(ui_.messages, std::vector<std::string>{c.message}) << c.what;
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
  ui_.answers = {std::nullopt};
  ui_.messages.clear();
  EXPECT_EQ(ImportArchive(main_, archive_, ui_, {false}).outcome, ImportOutcome::Cancelled);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(ui_.requests.back().title, texts::kArchiveTitle);
  EXPECT_EQ(ui_.requests.back().initialFolder, (scratch_.Path() / "start").string());
}

TEST_F(ImportDriverTest, RaceCountIsWholeRecordsReadUpToTheEofMark) {
  struct Case {
    std::string den;
    int races;
  };
  std::string marked(1200, '0');  // two records, but a 1A at byte 600 leaves 599 bytes
  marked[599] = '\x1A';
  const Case cases[] = {{std::string(1000, '0'), 1}, {std::string(583, '0'), 0}, {marked, 1}};
  int n = 0;
  for (const Case& c : cases) {
    const std::string path = Archive("old" + std::to_string(++n) + ".lzh",
                                     {{"jra#umaj.dat", "horses"}, {"JRA#DEN1.DAT", c.den}});
    const ImportReport report = Import(path);
    ASSERT_EQ(report.outcome, ImportOutcome::Done) << n;
    EXPECT_EQ(report.raceFolder, main_.OutputDir + "/old" + std::to_string(n) + "S");
    EXPECT_EQ(main_.RaceCount, c.races) << n;
    EXPECT_EQ(report.filesWritten, c.races) << n;
    EXPECT_EQ(static_cast<int>(RaceFiles(report.raceFolder).size()), c.races) << n;
    EXPECT_EQ(main_.UmaText, "horses");
    EXPECT_EQ(main_.UmaLength, 6);
    EXPECT_EQ(main_.LoadDlgInitialDir, (scratch_.Path() / "archives").string());
  }
  EXPECT_EQ(main_.DenText.size(), 599u);
  EXPECT_EQ(ui_.waitShown, 3);
  EXPECT_EQ(ui_.waitHidden, 3);
  EXPECT_TRUE(fs::is_empty(main_.TempDir));
}

TEST_F(ImportDriverTest, SecondImportOfTheSameArchiveIsRefused) {
  const std::string path =
      Archive("JV0101.lzh", {{"JRA#DEN1.DAT", std::string(584, '0')}, {"JRA#UMAJ.DAT", ""}});
  ASSERT_EQ(Import(path).outcome, ImportOutcome::Done);
  EXPECT_EQ(Import(path).outcome, ImportOutcome::Refused);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{"展開先のフォルダ" + main_.OutputDir +
                                                   "/JV0101Sは、すでに存在します。"
                                                   "圧縮ファイルのファイル名を変更してから、"
                                                   "やり直して下さい。"});
  EXPECT_EQ(RaceFiles(main_.OutputDir + "/JV0101S").size(), 1u);
}

TEST_F(ImportDriverTest, ConvertsCurrentFormatDroppingSteeplechases) {
  using testing::CurrentRace;
  const std::string den =
      CurrentRace().Str() + CurrentRace().Put(137, "51").Str() + CurrentRace().Put(137, "24").Str();
  // Member names in any case are found in the extraction folder.
  const std::string path =
      Archive("JV0102.LZH", {{"jracumaj.dat", ""}, {"JracDen1.Dat", den}, {"x.txt", "x"}});
  const ImportReport report = Import(path);
  ASSERT_EQ(report.outcome, ImportOutcome::Done);
  EXPECT_EQ(main_.DataType, 4);
  EXPECT_EQ(report.filesWritten, 2);
  const std::string name = Cp932ToUtf8("東京11R"_sj);
  EXPECT_EQ(RaceFiles(report.raceFolder),
            (std::vector<std::string>{name + ".uma", name + "2.uma"}));
  const std::string second = testing::ReadBytes(report.raceFolder + "/" + name + "2.uma");
  EXPECT_EQ(second.substr(0, CopyrightLine().size() + 2), CopyrightLine() + "\r\n");
  EXPECT_NE(second.find("\r\n"_sj + "ダ"_sj + "\r\n"), std::string::npos);
}

TEST_F(ImportDriverTest, ConversionErrorKeepsEarlierRacesAndCleansUp) {
  using testing::CurrentRace;
  const std::string den = CurrentRace().Str() + CurrentRace().Put(3, "AB").Str();
  const std::string path = Archive("JV0103.lzh", {{"JRACDEN1.DAT", den}, {"JRACUMAJ.DAT", ""}});
  ui_.answers = {path};
  try {
    ImportArchive(main_, archive_, ui_);
    FAIL() << "no error";
  } catch (const ENotInteger& e) {
    EXPECT_STREQ(e.what(), "'AB' は整数ではありません");
  }
  EXPECT_EQ(RaceFiles(main_.OutputDir + "/JV0103S").size(), 1u);
  EXPECT_EQ(ui_.waitHidden, 1);
  EXPECT_TRUE(fs::is_empty(main_.TempDir));
}

TEST_F(ImportDriverTest, SpecialRegistrationsFetchTheSecondArchive) {
  const std::string first = Archive("TT100101.lzh", {{"JRA#TOUR.DAT", std::string(2992, '0')}});
  const std::string wrong = Archive("other.lzh", {{"JRACUMAJ.DAT", "x"}});
  EXPECT_EQ(Import(first, {wrong}).outcome, ImportOutcome::Refused);
  ASSERT_EQ(ui_.requests.size(), 2u);
  EXPECT_EQ(ui_.requests[1].title, texts::kSecondArchiveTitle);
  EXPECT_EQ(ui_.requests[1].fileName, (scratch_.Path() / "archives/U9100101.lzh").string());
  EXPECT_EQ(ui_.messages, std::vector<std::string>{texts::kNotSecondArchive});
  ExpectNothingWritten();

  // T1 is tried before U9; the one found is taken without a dialog.
  Archive("U9100101.lzh", {{"JRACUMAJ.DAT", "x"}});
  Archive("T1100101.lzh", {{"jra#umaj.dat", "horse records"}});
  const ImportReport report = Import(first);
  ASSERT_EQ(report.outcome, ImportOutcome::Done);
  EXPECT_EQ(ui_.requests.size(), 3u);
  EXPECT_EQ(main_.DataType, 3);
  EXPECT_EQ(main_.RaceCount, 1);
  EXPECT_EQ(main_.UmaText, "horse records");
}

}  // namespace
}  // namespace tamikaze
