// Archives through the whole import: the samples of examples/ (packed with
// jlha), that is the older JRA-VAN race cards, both special-registration
// pairs with their second archive found by the "TT" rule and both 競馬道
// formats; and a current-format archive whose race with a runner count that
// does not read ends the import while the races before it keep their files.
// Each runs through libunlha32.so and the import driver, as the command line
// runs it.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/activation.h"
#include "archive/archive_file.h"
#include "import/import_driver.h"
#include "tests/convert/jra_current_records.h"
#include "tests/import/import_test_support.h"

namespace tamikaze::testing {
namespace {

// Imports the archive at `path` into the folder out/ of `scratch`; `ui`
// answers the open dialog with the archive and records what is shown.
ImportReport ImportArchiveAt(const ScratchFolder& scratch, const std::string& path,
                             FakeImportUi& ui) {
  ImportState main;
  main.OutputDir = scratch.Folder("out").string();
  main.TempDir = (scratch.Path() / "temp").string();
  TArchiveFile archive(TAMIKAZE_TEST_UNLHA32);
  PrepareArchive(archive);
  ui.answers = {path};
  return ImportArchive(main, archive, ui, ImportSettings{false});
}

// The names of the race files in `folder`, without ".uma".
std::set<std::string> WrittenRaces(const fs::path& folder) {
  std::set<std::string> written;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    written.insert(it->path().stem().string());
  return written;
}

struct Sample {
  const char* archive;
  std::set<std::string> files;  // UTF-8 names without ".uma"
  const char* hanshin;          // a turf race at 阪神 on the inner course ...
  const char* hanshinVenue;     // ... and its line 2
  const char* ranked;           // a special-registration race, "" for race cards
  std::size_t entries;
};

TEST(SamplesImport, EachSampleConvertsIntoItsRaceFiles) {
  // The 競馬道 samples hold ten races; the steeplechase at 中山 gets no file.
  const std::set<std::string> kol = {"東京01R", "サンプルＳ", "架空特別", "紅葉坂特別",
                                     "新潟05R", "迷子Ｃ",     "札幌11R",  "函館07R"};
  std::set<std::string> kd2 = kol, older = kol;
  kd2.insert("見本Ｈ");
  older.insert("旧見本Ｈ");
  // 阪神 has an inner course in the current formats only.
  const Sample samples[] = {
      {"jra-old-sample.lzh",
       {"東京01R", "旧サンプルＳ", "旧紅葉坂特別", "京都10R", "旧試作Ｃ", "新潟05R", "札幌11R",
        "旧見本Ｈ", "福島12R"},
       "旧試作Ｃ",
       "阪神",
       "",
       0},
      {"TT091205.lzh", {"旧見本Ｓ", "東京05R", "旧試作Ｃ"}, "旧試作Ｃ", "阪神", "旧見本Ｓ", 22},
      {"TT100411.lzh",
       {"見本クラシック", "ミホン記念", "中京05R"},
       "ミホン記念",
       "阪神(内)",
       "見本クラシック",
       24},
      {"kd2-sample.lzh", kd2, "サンプルＳ", "阪神(内)", "", 0},
      {"kol-sample.lzh", older, "サンプルＳ", "阪神", "", 0},
  };
  for (const Sample& s : samples) {
    SCOPED_TRACE(s.archive);
    const ScratchFolder scratch;
    FakeImportUi ui;
    const ImportReport report =
        ImportArchiveAt(scratch, std::string(TAMIKAZE_EXAMPLES_DIR) + "/" + s.archive, ui);
    ASSERT_EQ(report.outcome, ImportOutcome::Done);
    EXPECT_EQ(ui.requests.size(), 1u);  // no dialog for the second archive of a pair
    EXPECT_TRUE(ui.messages.empty());

    const fs::path folder = report.raceFolder;
    EXPECT_EQ(WrittenRaces(folder), s.files);
    EXPECT_EQ(RaceFileLines(folder / (std::string(s.hanshin) + ".uma")).at(2),
              Utf8ToCp932(s.hanshinVenue));
    if (s.files.count("迷子Ｃ")) {
      // The race whose key no horse has takes the first two records of the
      // horse file, the first runners of 東京01R.
      const std::vector<std::string> stray = RaceFileLines(folder / "迷子Ｃ.uma");
      const std::vector<std::string> first = RaceFileLines(folder / "東京01R.uma");
      ASSERT_EQ(stray.size(), 61u + 2 * 42u);
      EXPECT_TRUE(std::equal(stray.begin() + 61, stray.end(), first.begin() + 61));
    }
    if (!*s.ranked) continue;

    // Every entry has a block; the numbering block holds 18 different entries.
    const std::vector<std::string> lines = RaceFileLines(folder / (std::string(s.ranked) + ".uma"));
    ASSERT_EQ(lines.size(), 61 + 42 * s.entries);
    EXPECT_EQ(lines[5], "18");
    EXPECT_EQ(lines[60], std::to_string(s.entries));
    std::set<int> numbers;
    for (int line = 6; line <= 23; ++line) numbers.insert(std::stoi(lines[line]));
    EXPECT_EQ(numbers.size(), 18u);
    EXPECT_GE(*numbers.begin(), 1);
    EXPECT_LE(*numbers.rbegin(), static_cast<int>(s.entries));
  }
}

// A race whose runner count does not read ends the import: the race files
// written before it stay in the published race folder; with none written
// (only a steeplechase before it, or nothing), no race folder appears.
TEST(JraCurrentImport, AnErrorKeepsTheRaceFilesWrittenBeforeIt) {
  const RecordBuilder named =
      CurrentRace().Put(18, "一番特別"_sj).Put(325, "01").Put(331, "H000000001");
  const RecordBuilder steeplechase = CurrentRace().Put(15, "12").Put(137, "51").Put(325, "01");
  const RecordBuilder bad = CurrentRace().Put(15, "03").Put(325, "1A");
  const std::pair<std::vector<RecordBuilder>, std::set<std::string>> cases[] = {
      {{named, steeplechase, bad, CurrentRace().Put(15, "04")}, {"一番特別"}},
      {{steeplechase, bad, named}, {}},
      {{bad, named}, {}},
  };
  for (const auto& [races, kept] : cases) {
    const ScratchFolder scratch;
    WriteLh0Archive(scratch.Path() / "cards.lzh",
                    {{"JRACDEN1.DAT", Joined(races)},
                     {"JRACUMAJ.DAT", CurrentHorse("H000000001", "ウマ"_sj).Str()}});
    FakeImportUi ui;
    try {
      ImportArchiveAt(scratch, (scratch.Path() / "cards.lzh").string(), ui);
      ADD_FAILURE() << "the import did not stop";
    } catch (const std::exception& e) {
      EXPECT_STREQ(e.what(), "'1A' は整数ではありません");
    }
    EXPECT_TRUE(ui.messages.empty());
    const fs::path folder = scratch.Path() / "out" / "cardsS";
    EXPECT_EQ(fs::exists(folder), !kept.empty());
    EXPECT_TRUE(fs::exists(folder) || fs::is_empty(scratch.Path() / "out"));
    EXPECT_EQ(WrittenRaces(folder), kept);
  }
}

}  // namespace
}  // namespace tamikaze::testing
