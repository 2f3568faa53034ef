// The import driver on real LHA archives through libunlha32.so.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <deque>
#include <tuple>

#include "app/activation.h"
#include "archive/archive_file.h"
#include "import/data_types.h"
#include "import/import_driver.h"
#include "import/import_texts.h"
#include "tests/convert/registration_records.h"
#include "tests/import/import_test_support.h"
#include "tests/support/file_size_limit.h"
#include "text/cp932.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;
namespace texts = import_texts;
using namespace tamikaze::literals;

class ImportDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main_.OutputDir = scratch_.Folder("out").string();
    main_.TempDir = (scratch_.Path() / "cache/Temp").string();
    main_.TamikazeDir = scratch_.Folder("tamikaze").string();
    scratch_.File("tamikaze/Tamikaze.exe");
    PrepareArchive(archive_);
  }

  // Imports with the dialogs answered from `answers`, in order.
  ImportReport Import(std::deque<std::optional<std::string>> answers,
                      ImportSettings settings = {}) {
    ui_.answers = std::move(answers);
    return ImportArchive(main_, archive_, ui_, settings);
  }

  // Three races without runners, named 東京11R (so 東京11R.uma, 東京11R2.uma ...).
  std::string Cards() { return scratch_.Cards("JV0101.lzh", 3); }
  std::string RaceFolder() const { return main_.OutputDir + "/JV0101S"; }

  static std::ptrdiff_t RaceFiles(const std::string& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
  }

  // The archive at `path` with the first byte of `data` changed: its listing
  // stays sound, the member's CRC fails.
  static std::string Damage(const std::string& path, const std::string& data) {
    std::string bytes = testing::ReadBytes(path);
    bytes[bytes.find(data)] ^= 1;
    testing::WriteBytes(path, bytes);
    return path;
  }

  // Nothing written, nothing left in the temp folder, the wait window never shown.
  void ExpectNothingWritten() {
    EXPECT_TRUE(fs::is_empty(main_.OutputDir));
    EXPECT_TRUE(!fs::exists(main_.TempDir) || fs::is_empty(main_.TempDir));
    EXPECT_EQ(ui_.waitShown, 0);
  }

  testing::ArchiveScratchFolder scratch_;
  ImportState main_;
  TArchiveFile archive_{TAMIKAZE_TEST_UNLHA32};
  testing::FakeImportUi ui_;
};

TEST_F(ImportDriverTest, RefusesWithItsMessageAndWritesNothing) {
  const std::string notArchive = (scratch_.Path() / "plain.lzh").string();
  testing::WriteBytes(notArchive, std::string(300, 'x'));
  const std::string zip = (scratch_.Path() / "cards.zip").string();
  testing::WriteBytes(zip, std::string("PK\x05\x06", 4) + std::string(18, '\0'));
  const std::pair<std::string, std::string> cases[] = {
      {notArchive, texts::kNotAnArchive},
      {zip, texts::kNotAnArchive},
      // Recognised members whose data fails its CRC: the check refuses them,
      // after the extraction that ran beside it.
      {Damage(scratch_.Archive("damaged.lzh", {{"JRACDEN1.DAT", std::string(1463, '1')},
                                               {"JRACUMAJ.DAT", "horse"}}),
              "horse"),
       texts::kNotAnArchive},
      // Damaged too, and listing a KD3 member: the check's refusal comes first.
      {Damage(scratch_.Archive("kd3damaged.lzh", {{"KOL_DEN1.KD3", "kd3"}}), "kd3"),
       texts::kNotAnArchive},
      // Members of a method the library cannot decode: the method is named.
      {scratch_.Archive("lh9.lzh", {{"JRACDEN1.DAT", "x", 0, "-lh9-"}, {"JRACUMAJ.DAT", ""}}),
       texts::UnsupportedMethod("-lh9-")},
      {scratch_.Archive("one.lzh", {{"JRACDEN1.DAT", "x"}}), texts::kNotRecognised},
      {scratch_.Archive("kd3.lzh",
                        {{"JRACDEN1.DAT", "x"}, {"JRACUMAJ.DAT", ""}, {"KOL_DEN1.KD3", ""}}),
       texts::kKd3},
      {scratch_.Archive("quote.lzh", {{"JRACDEN1.DAT", "x"}, {"JRACUMAJ.DAT", ""}, {"a\"b", ""}}),
       texts::kQuoteInMember},
      {scratch_.Archive("q\"uote.lzh", {{"JRACDEN1.DAT", "x"}, {"JRACUMAJ.DAT", ""}}),
       texts::kQuoteInPath},
  };
  for (const auto& [path, message] : cases) {
    ui_.messages.clear();
    EXPECT_EQ(Import({path}).outcome, ImportOutcome::Refused) << path;
    EXPECT_EQ(ui_.messages, std::vector<std::string>{message}) << path;
    ExpectNothingWritten();
  }
}

TEST_F(ImportDriverTest, FolderChecksComeBeforeTheDialogAndCancelSaysNothing) {
  fs::remove(scratch_.Path() / "tamikaze/Tamikaze.exe");
  EXPECT_EQ(Import({"x.lzh"}).outcome, ImportOutcome::Refused);
  // The command line skips the Tamikaze check; a missing output folder still refuses.
  main_.OutputDir += "/gone";
  EXPECT_EQ(Import({"x.lzh"}, {false}).outcome, ImportOutcome::Refused);
  EXPECT_EQ(ui_.messages, (std::vector<std::string>{texts::kNoTamikaze, texts::kNoOutputDir}));
  EXPECT_TRUE(ui_.requests.empty());

  fs::create_directory(main_.OutputDir);
  EXPECT_EQ(Import({std::nullopt}, {false}).outcome, ImportOutcome::Cancelled);
  EXPECT_EQ(ui_.messages.size(), 2u);  // a cancelled dialog says nothing
}

// The race folder drops only the last extension, all of it even when the name
// starts with the dot; an existing one refuses before the archive is looked
// at, and is left as it is.
TEST_F(ImportDriverTest, RaceFolderIsTheNameWithoutItsLastExtension) {
  for (const auto& [picked, folder] : {std::pair{"a.b.lzh", "a.bS"}, {".lzh", "S"}}) {
    const std::string taken = main_.OutputDir + "/" + folder;
    testing::WriteBytes(taken + "/mine.uma", "mine");
    ui_.messages.clear();
    EXPECT_EQ(Import({(scratch_.Path() / picked).string()}).outcome, ImportOutcome::Refused);
    EXPECT_EQ(ui_.messages, std::vector<std::string>{"展開先のフォルダ" + taken +
                                                     "は、すでに存在します。"
                                                     "圧縮ファイルのファイル名を変更してから、"
                                                     "やり直して下さい。"});
    EXPECT_EQ(testing::ReadBytes(taken + "/mine.uma"), "mine");
  }
}

TEST_F(ImportDriverTest, RaceCountIsWholeRecordsUpToTheEofMark) {
  std::string marked(2 * 1463, '0');  // two records, but the first 1A, at byte 1500, leaves 1499
  marked[1499] = '\x1A';
  marked[2000] = '\x1A';
  const std::pair<std::string, int> cases[] = {
      {std::string(2000, '0'), 1}, {std::string(1462, '0'), 0}, {marked, 1}};
  for (const auto& [den, races] : cases) {
    const std::string name = "JC010" + std::to_string(races) + std::to_string(den.size());
    const std::string path =
        scratch_.Archive(name + ".lzh", {{"jracumaj.dat", "horses"}, {"JRACDEN1.DAT", den}});
    ASSERT_EQ(Import({path}).outcome, ImportOutcome::Done) << path;
    EXPECT_EQ(main_.RaceCount, races) << path;
    EXPECT_EQ(RaceFiles(main_.OutputDir + "/" + name + "S"), races) << path;
  }
  EXPECT_EQ(main_.DenText.size(), 1499u);
  EXPECT_EQ(main_.LoadDlgInitialDir, (scratch_.Path() / "archives").string());
}

// The second archive of the special registrations: found beside the first by
// the "TT" rule (T1..., else U9...) without a dialog, else picked in the
// second dialog; member 0 must be the data set's own horse file.
TEST_F(ImportDriverTest, SpecialRegistrationsFetchTheSecondArchive) {
  const std::tuple<int, const char*, const char*> cases[] = {{3, "T1", "JRACUMAJ.DAT"},
                                                             {6, "U9", "JRA#UMAJ.DAT"}};
  for (const auto& [type, prefix, otherHorseFile] : cases) {
    const DataTypeInfo& row = DataTypeRow(type);
    const testing::OneEntrySample sample = testing::SpecialSample(type);
    const std::string serial = "10010" + std::to_string(type);
    main_.OutputDir = scratch_.Folder("out" + serial).string();
    ui_ = testing::FakeImportUi{};
    const std::string first =
        scratch_.Archive("TT" + serial + ".lzh", {{row.raceCardFile, sample.races}});
    const std::string wrong = scratch_.Archive("other.lzh", {{otherHorseFile, sample.horses}});
    EXPECT_EQ(Import({first, wrong}).outcome, ImportOutcome::Refused) << type;
    ASSERT_EQ(ui_.requests.size(), 2u) << type;
    EXPECT_EQ(ui_.requests[1].title, texts::kSecondArchiveTitle);
    EXPECT_EQ(ui_.requests[1].fileName,
              (scratch_.Path() / ("archives/U9" + serial + ".lzh")).string());
    EXPECT_EQ(ui_.messages, std::vector<std::string>{texts::kNotSecondArchive}) << type;
    ExpectNothingWritten();

    // A second archive whose horse file fails its CRC is refused by the full
    // check, after the extraction that ran beside it.
    const std::string damaged =
        Damage(scratch_.Archive("damaged.lzh", {{row.horseFile, sample.horses}}), sample.horses);
    ui_.messages.clear();
    EXPECT_EQ(Import({first, damaged}).outcome, ImportOutcome::Refused) << type;
    EXPECT_EQ(ui_.messages, std::vector<std::string>{texts::kNotAnArchive}) << type;
    ExpectNothingWritten();

    // The companion is taken without a dialog, and its horses are the entry's.
    std::string horseFile = row.horseFile;
    for (char& c : horseFile) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    scratch_.Archive(prefix + serial + ".lzh", {{horseFile, sample.horses}});
    ASSERT_EQ(Import({first}).outcome, ImportOutcome::Done) << type;
    EXPECT_EQ(ui_.requests.size(), 5u) << type;
    EXPECT_EQ(main_.UmaText, sample.horses) << type;
    const std::vector<std::string> lines = testing::RaceFileLines(
        main_.OutputDir + "/TT" + serial + "S/" + Cp932ToUtf8("東京11R"_sj) + ".uma");
    ASSERT_EQ(lines.size(), 61u + 42u) << type;
    EXPECT_EQ(lines[62], "ダ"_sj) << type;
  }
}

// Whatever check between the steps finds the import interrupted, nothing is
// left: no race folder under any name, nothing in the temp folder.
TEST_F(ImportDriverTest, InterruptedAtAnyCheckLeavesNothing) {
  const std::string cards = Cards();
  ui_.interruptAfter = INT_MAX;  // counts the checks of a whole import
  ASSERT_EQ(Import({cards}).outcome, ImportOutcome::Done);
  const int checks = ui_.interruptionAsked;
  EXPECT_GE(checks, 3 + 2);  // one a race at least, and some before
  fs::remove_all(RaceFolder());
  for (int k = 0; k < checks; ++k) {
    ui_.interruptAfter = k;
    ui_.interruptionAsked = 0;
    const ImportReport report = Import({cards});
    EXPECT_EQ(report.outcome, ImportOutcome::Interrupted) << k;
    EXPECT_EQ(report.filesWritten, 0) << k;
    EXPECT_TRUE(fs::is_empty(main_.OutputDir)) << k;
    EXPECT_TRUE(!fs::exists(main_.TempDir) || fs::is_empty(main_.TempDir)) << k;
  }
  EXPECT_TRUE(ui_.messages.empty());
}

// Another import of the same archive finished first: this one is refused as
// if the folder had been there from the start, and leaves the other's alone.
TEST_F(ImportDriverTest, RaceFolderTakenMeanwhileIsRefused) {
  ui_.onShowWait = [&] { testing::WriteBytes(RaceFolder() + "/theirs.uma", "theirs"); };
  const ImportReport report = Import({Cards()});
  EXPECT_EQ(report.outcome, ImportOutcome::Refused);
  EXPECT_EQ(report.filesWritten, 0);
  EXPECT_EQ(ui_.messages,
            std::vector<std::string>{std::string(texts::kRaceFolderExists1) + RaceFolder() +
                                     texts::kRaceFolderExists2 + texts::kRaceFolderExists3});
  EXPECT_EQ(RaceFiles(main_.OutputDir), 1);
  EXPECT_EQ(RaceFiles(RaceFolder()), 1);
}

// A race file that cannot be written ends the import with the file's final
// name and the reason, and no race folder appears.
TEST_F(ImportDriverTest, WriteFailureLeavesNoRaceFolder) {
  std::optional<testing::FileSizeLimit> limit;  // set once the members are extracted
  ui_.onShowWait = [&] { limit.emplace(100); };
  ImportReport report;
  ui_.answers = {Cards()};
  try {
    ImportArchive(main_, archive_, ui_, {}, report);
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()), "レースファイル " + RaceFolder() + "/" +
                                             Cp932ToUtf8("東京11R"_sj) +
                                             ".uma を書き込めません（ファイルが大きすぎます）");
  }
  limit.reset();
  EXPECT_EQ(report.filesWritten, 0);
  EXPECT_TRUE(fs::is_empty(main_.OutputDir));
  EXPECT_TRUE(fs::is_empty(main_.TempDir));
}

}  // namespace
}  // namespace tamikaze
