// A current-format archive through the whole import: a race whose runner
// count does not read ends the import, and the races before it keep their
// files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/activation.h"
#include "app/import_driver.h"
#include "archive/archive_file.h"
#include "tests/convert/jra_current_records.h"
#include "tests/support/lh0_writer.h"
#include "tests/support/scratch_folder.h"

namespace tamikaze::testing {
namespace {

class OneArchiveUi : public ImportUi {
 public:
  explicit OneArchiveUi(std::string path) : path_(std::move(path)) {}
  std::optional<std::string> OpenFile(const OpenFileRequest&) override { return path_; }
  void Message(const std::string& text) override { ADD_FAILURE() << text; }
  void ShowWait(const std::string&) override {}
  void HideWait() override {}

 private:
  std::string path_;
};

TEST(JraCurrentImport, AnErrorMidImportKeepsTheEarlierRaceFiles) {
  const ScratchFolder scratch;
  const fs::path& root = scratch.Path();
  const std::string den =
      Joined({CurrentRace().Put(18, "一番特別"_sj).Put(325, "01").Put(331, "H000000001"),
              CurrentRace().Put(15, "12").Put(137, "51").Put(325, "01"),  // steeplechase
              CurrentRace().Put(15, "03").Put(325, "1A"), CurrentRace().Put(15, "04")});
  WriteLh0Archive(
      root / "cards.lzh",
      {{"JRACDEN1.DAT", den}, {"JRACUMAJ.DAT", CurrentHorse("H000000001", "ウマ"_sj).Str()}});
  Main main;
  main.OutputDir = scratch.Folder("out").string();
  main.TempDir = (root / "temp").string();
  TArchiveFile archive(TAMIKAZE_TEST_UNLHA32);
  PrepareArchive(archive);
  OneArchiveUi ui((root / "cards.lzh").string());
  try {
    ImportArchive(main, archive, ui, ImportSettings{false});
    ADD_FAILURE() << "the import did not stop";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "'1A' は整数ではありません");
  }
  std::vector<fs::path> written;
  for (const auto& entry : fs::directory_iterator(root / "out" / "cardsS"))
    written.push_back(entry.path().filename());
  EXPECT_EQ(written, std::vector<fs::path>{"一番特別.uma"});
  std::ifstream file(root / "out" / "cardsS" / "一番特別.uma", std::ios::binary);
  int lines = 0;
  for (std::string line; std::getline(file, line);) ++lines;
  EXPECT_EQ(lines, 61 + 42);
}

}  // namespace
}  // namespace tamikaze::testing
