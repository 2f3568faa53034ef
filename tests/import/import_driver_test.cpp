// The import driver on real LHA archives through libunlha32.so.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <deque>
#include <functional>
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

  // The offset of the header after the level-0 header at `header`.
  static std::size_t NextHeader(const std::string& bytes, std::size_t header) {
    std::uint32_t size = 0;
    for (int i = 3; i >= 0; --i)
      size = (size << 8) | static_cast<unsigned char>(bytes[header + 7 + i]);
    return header + 2 + static_cast<unsigned char>(bytes[header]) + size;
  }

  // The level-0 header at `header` declaring `delta` bytes more (or less),
  // its checksum made right again.
  static void FixLength(std::string& bytes, std::size_t header, int delta) {
    for (std::size_t at : {header + 7, header + 11}) {
      std::uint32_t size = 0;
      for (int i = 3; i >= 0; --i) size = (size << 8) | static_cast<unsigned char>(bytes[at + i]);
      size += static_cast<std::uint32_t>(delta);
      for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(size >> (8 * i));
    }
    unsigned sum = 0;
    const std::size_t end = header + 2 + static_cast<unsigned char>(bytes[header]);
    for (std::size_t i = header + 2; i < end; ++i) sum += static_cast<unsigned char>(bytes[i]);
    bytes[header + 1] = static_cast<char>(sum & 0xFF);
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
      // The second archive of a special-registration pair on its own: what it
      // is, and which archive to read instead.
      {scratch_.Archive("T1099999.lzh", {{"JRACUMAJ.DAT", "h"}}),
       texts::HorseArchiveAlone("TT099999.lzh")},
      {scratch_.Archive("horses.lzh", {{"jra#umaj.dat", "h"}}), texts::HorseArchiveAlone("")},
  };
  for (const auto& [path, message] : cases) {
    ui_.messages.clear();
    EXPECT_EQ(Import({path}).outcome, ImportOutcome::Refused) << path;
    EXPECT_EQ(ui_.messages, std::vector<std::string>{message}) << path;
    ExpectNothingWritten();
  }
}

// A member damaged anywhere (first, middle or last; its header, its data or
// its declared length) makes the archive "not an archive", before its data
// set is looked at: whether the members around it are race cards, a KD3 file
// or nothing known.
TEST_F(ImportDriverTest, ADamagedMemberAnywhereIsRefusedFirst) {
  const std::string den(1463, '1'), uma(2000, 'u'), other(300, 'o');
  const std::vector<std::vector<testing::Lh0Member>> sets = {
      {{"JRACDEN1.DAT", den}, {"JRACUMAJ.DAT", uma}, {"OTHER.DAT", other}},
      {{"JRACDEN1.DAT", den}, {"KOL_DEN1.KD3", uma}, {"OTHER.DAT", other}},
      {{"A.DAT", den}, {"B.DAT", uma}, {"OTHER.DAT", other}},
  };
  // Where each damage goes, in the bytes of a level-0 archive.
  const std::pair<const char*, std::function<void(std::string&, std::size_t, std::size_t)>>
      damages[] = {
          {"header", [](std::string& b, std::size_t h, std::size_t) { b[h + 1] ^= 0x55; }},
          {"data", [](std::string& b, std::size_t, std::size_t d) { b[d + 7] ^= 1; }},
          {"length", [](std::string& b, std::size_t h, std::size_t) { FixLength(b, h, -1); }},
      };
  int serial = 0;
  for (const std::vector<testing::Lh0Member>& members : sets) {
    for (std::size_t damaged = 0; damaged < members.size(); ++damaged) {
      for (const auto& [what, damage] : damages) {
        SCOPED_TRACE(members[1].name + " member " + std::to_string(damaged) + " " + what);
        std::string bytes = testing::MakeLh0Archive(members);
        std::size_t header = 0;
        for (std::size_t i = 0; i < damaged; ++i) header = NextHeader(bytes, header);
        damage(bytes, header, header + 2 + static_cast<unsigned char>(bytes[header]));
        const std::string path =
            (scratch_.Path() / ("D" + std::to_string(++serial) + ".lzh")).string();
        testing::WriteBytes(path, bytes);
        ui_.messages.clear();
        EXPECT_EQ(Import({path}).outcome, ImportOutcome::Refused);
        EXPECT_EQ(ui_.messages, std::vector<std::string>{texts::kNotAnArchive});
        ExpectNothingWritten();
      }
    }
  }
}

// What the archive's listing declares is bounded before anything is decoded:
// a record file of more than 1 GiB, or members of more than 2 GiB in all, are
// refused with the member and its size named; a member holding more than it
// declares is damaged. Nothing is published.
TEST_F(ImportDriverTest, ArchivesDeclaringTooMuchAreRefused) {
  constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;
  const testing::Lh0Member cards{"JRACDEN1.DAT", std::string(1463, '1')};
  const testing::Lh0Member horses{"JRACUMAJ.DAT", "h"};
  const auto tooLargeRecord = [](const std::string& name) {
    return "圧縮ファイルの中の「" + name +
           "」は 2,147,483,649 バイトあり、レコードファイルとして読み込める大きさ"
           "（1,073,741,824 バイト）を超えています。ファイルが壊れている可能性があります。";
  };
  const std::string tooLargeInAll =
      "圧縮ファイルの中身は全部で 2,147,485,112 バイトあり（いちばん大きい「馬.DAT」は "
      "2,147,483,648 バイト）、読み込める大きさ（全部で 2,147,483,648 バイト）を超えています。"
      "ファイルが壊れている可能性があります。";
  const std::tuple<const char*, std::vector<testing::Lh0Member>, std::string> cases[] = {
      {"record file declaring 2 GiB + 1",
       {cards, {"jracumaj.dat", "h", 0, "-lh0-", 2 * kGiB + 1}},
       tooLargeRecord("jracumaj.dat")},
      {"record file declaring 2 GiB + 1 in 64 bits",
       {cards, {"JRACUMAJ.DAT", "h", 0, "-lh0-", 2 * kGiB + 1, true}},
       tooLargeRecord("JRACUMAJ.DAT")},
      {"unread member of 2 GiB",
       {cards, horses, {"馬.DAT"_sj, "x", 0, "-lh0-", 2 * kGiB}},
       tooLargeInAll},
      {"record file holding more than it declares",
       {cards, {"JRACUMAJ.DAT", std::string(17555, 'h'), 0, "-lh0-", 100}},
       texts::kNotAnArchive},
  };
  for (const auto& [what, members, message] : cases) {
    SCOPED_TRACE(what);
    ui_.messages.clear();
    const std::string path = scratch_.Archive("big.lzh", members);
    EXPECT_EQ(Import({path}).outcome, ImportOutcome::Refused);
    EXPECT_EQ(ui_.messages, std::vector<std::string>{message});
    ExpectNothingWritten();
  }
}

// The archive is decoded straight into memory, with no command line in
// between: double quotes in the archive's path or a member's name are no
// obstacle, and the private temp folder is never made.
TEST_F(ImportDriverTest, QuotesInPathsAndNamesAreNoObstacle) {
  const std::string path = scratch_.Archive(
      "q\"uote.lzh",
      {{"JRACDEN1.DAT", testing::CurrentRace().Str()}, {"JRACUMAJ.DAT", ""}, {"a\"b", "quoted"}});
  EXPECT_EQ(Import({path}).outcome, ImportOutcome::Done);
  EXPECT_EQ(RaceFiles(main_.OutputDir + "/q\"uoteS"), 1);
  EXPECT_FALSE(fs::exists(main_.TempDir));
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
}

// Replacing, the new race folder takes the old one's place only when the
// import ends cleanly; an import that fails leaves the old one as it was.
TEST_F(ImportDriverTest, ReplacingKeepsTheOldFolderUntilTheImportSucceeds) {
  testing::WriteBytes(scratch_.Folder("out/JV0101S") / "old.uma", "old");
  ImportSettings replace;
  replace.replaceRaceFolder = true;

  // The third race's record does not read: its two race files before it go
  // with the failed import.
  const std::string den = testing::CurrentRace().Str() + testing::CurrentRace().Str() +
                          testing::CurrentRace().Put(325, "X1").Str();
  const std::string bad =
      scratch_.Archive("JV0101.lzh", {{"JRACDEN1.DAT", den}, {"JRACUMAJ.DAT", ""}});
  ui_.answers = {bad};
  ImportReport failed;
  EXPECT_THROW(ImportArchive(main_, archive_, ui_, replace, failed), std::runtime_error);
  EXPECT_EQ(failed.filesWritten, 0);
  EXPECT_FALSE(failed.raceFolderMade);
  EXPECT_EQ(testing::Entries(main_.OutputDir), std::vector<std::string>{"JV0101S"});
  EXPECT_EQ(testing::Entries(RaceFolder()), std::vector<std::string>{"old.uma"});

  // Where there is no old folder, the races before the error stay, as they
  // do without replacing.
  fs::rename(RaceFolder(), main_.OutputDir + "/kept");
  ui_.answers = {bad};
  EXPECT_THROW(ImportArchive(main_, archive_, ui_, replace, failed), std::runtime_error);
  EXPECT_EQ(failed.filesWritten, 2);
  EXPECT_TRUE(failed.raceFolderMade);
  EXPECT_EQ(RaceFiles(RaceFolder()), 2);

  const ImportReport report = Import({Cards()}, replace);
  EXPECT_EQ(report.outcome, ImportOutcome::Done);
  EXPECT_EQ(report.filesWritten, 3);
  EXPECT_EQ(testing::Entries(main_.OutputDir), (std::vector<std::string>{"JV0101S", "kept"}));
  EXPECT_EQ(RaceFiles(RaceFolder()), 3);
}

}  // namespace
}  // namespace tamikaze
