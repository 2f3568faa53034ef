// The JRA-VAN sample archives of examples/ (packed with jlha) through the
// whole import: the older race cards, and both special-registration pairs
// with their second archive found by the "TT" rule.
#include <gtest/gtest.h>

#include <set>

#include "tests/convert/example_import.h"
#include "text/cp932.h"

namespace tamikaze::testing {
namespace {

struct Sample {
  const char* archive;
  std::set<std::string> files;  // UTF-8 names without ".uma"
  const char* hanshin;          // a turf race at 阪神 on the inner course ...
  const char* hanshinVenue;     // ... and its line 2
  const char* ranked;           // a special-registration race, "" for race cards
  std::size_t entries;
};

TEST(JraSamplesImport, EachSampleConvertsIntoItsRaceFiles) {
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
  };
  for (const Sample& s : samples) {
    const ScratchFolder scratch;
    FakeImportUi ui;
    const ImportReport report = ImportExample(scratch, s.archive, ui);
    ASSERT_EQ(report.outcome, ImportOutcome::Done) << s.archive;
    EXPECT_EQ(ui.requests.size(), 1u) << s.archive;  // no dialog for the second archive

    std::set<std::string> written;
    for (const auto& entry : fs::directory_iterator(report.raceFolder))
      written.insert(entry.path().stem().string());
    EXPECT_EQ(written, s.files) << s.archive;
    // 阪神 has an inner course in the current format only.
    const fs::path folder = report.raceFolder;
    EXPECT_EQ(RaceFileLines(folder / (std::string(s.hanshin) + ".uma")).at(2),
              Utf8ToCp932(s.hanshinVenue))
        << s.archive;
    if (!*s.ranked) continue;

    // Every entry has a block; the numbering block holds 18 different entries.
    const std::vector<std::string> lines = RaceFileLines(folder / (std::string(s.ranked) + ".uma"));
    ASSERT_EQ(lines.size(), 61 + 42 * s.entries) << s.archive;
    EXPECT_EQ(lines[5], "18");
    EXPECT_EQ(lines[60], std::to_string(s.entries));
    std::set<int> numbers;
    for (int line = 6; line <= 23; ++line) numbers.insert(std::stoi(lines[line]));
    EXPECT_EQ(numbers.size(), 18u) << s.archive;
    EXPECT_GE(*numbers.begin(), 1) << s.archive;
    EXPECT_LE(*numbers.rbegin(), static_cast<int>(s.entries)) << s.archive;
  }
}

}  // namespace
}  // namespace tamikaze::testing
