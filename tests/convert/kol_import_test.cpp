// The 競馬道 sample archives of examples/ (packed with jlha) through the whole
// import: the race files written, named and laid out per format.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/convert/example_import.h"
#include "text/cp932.h"

namespace tamikaze::testing {
namespace {

using namespace literals;

TEST(KolImport, SampleArchivesConvertIntoTheirRaceFiles) {
  struct Sample {
    const char* archive;
    const char* hanshinInner;  // line 2 of the race at 阪神 on the inner course
    const char* lastRace;      // a name that differs between the samples
  };
  for (const Sample& s : {Sample{"kd2-sample.lzh", "阪神(内)", "見本Ｈ"},
                          Sample{"kol-sample.lzh", "阪神", "旧見本Ｈ"}}) {
    const ScratchFolder scratch;
    FakeImportUi ui;
    const ImportReport report = ImportExample(scratch, s.archive, ui);
    ASSERT_EQ(report.outcome, ImportOutcome::Done) << s.archive;
    EXPECT_TRUE(ui.messages.empty()) << s.archive;

    // Ten races; the steeplechase at 中山 gets no file.
    std::set<std::string> written;
    for (const auto& entry : fs::directory_iterator(report.raceFolder))
      written.insert(entry.path().stem().string());
    const std::set<std::string> expected = {"東京01R",    "サンプルＳ", "架空特別",
                                            "紅葉坂特別", "新潟05R",    "迷子Ｃ",
                                            "札幌11R",    "函館07R",    s.lastRace};
    EXPECT_EQ(written, expected) << s.archive;

    const fs::path folder = report.raceFolder;
    EXPECT_EQ(RaceFileLines(folder / "サンプルＳ.uma").at(2), Utf8ToCp932(s.hanshinInner))
        << s.archive;
    // The race whose key no horse has takes the first two records of the horse
    // file, the first runners of 東京01R.
    const std::vector<std::string> stray = RaceFileLines(folder / "迷子Ｃ.uma");
    const std::vector<std::string> first = RaceFileLines(folder / "東京01R.uma");
    ASSERT_EQ(stray.size(), 61u + 2 * 42u) << s.archive;
    EXPECT_TRUE(std::equal(stray.begin() + 61, stray.end(), first.begin() + 61)) << s.archive;
  }
}

}  // namespace
}  // namespace tamikaze::testing
