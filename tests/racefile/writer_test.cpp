#include <gtest/gtest.h>

#include <stdexcept>

#include "racefile/writer.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scratch_folder.h"
#include "text/cp932.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;
using namespace literals;
using testing::ReadBytes;

// A fresh folder per test, removed afterwards.
class RaceFileWriterTest : public ::testing::Test {
 protected:
  testing::ScratchFolder scratch_;
  const fs::path folder_ = scratch_.Path();
};

TEST_F(RaceFileWriterTest, WritesCp932LinesEachEndedByCrLf) {
  const fs::path path = SaveNewRaceFile({"1600", "東京"_sj, "", " 3"}, folder_, "race");
  EXPECT_EQ(path, folder_ / "race.uma");
  EXPECT_EQ(ReadBytes(path), std::string("1600\r\n\x93\x8C\x8B\x9E\r\n\r\n 3\r\n"));
}

TEST_F(RaceFileWriterTest, ReportsAFileThatCannotBeWritten) {
  const fs::path path = folder_ / "missing" / "race.uma";
  try {
    SaveNewRaceFile({"x"}, folder_ / "missing", "race");
    FAIL() << "no error for " << path;
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos) << error.what();
  }
}

TEST_F(RaceFileWriterTest, SameNameTakesTheNextFreeSlotAndOverwritesNothing) {
  const std::string& name = "青葉賞"_sj;
  const char* expected[] = {"青葉賞.uma", "青葉賞2.uma", "青葉賞3.uma", "青葉賞4.uma",
                            "青葉賞5.uma"};
  int race = 0;
  for (const char* file : expected) {
    EXPECT_EQ(SaveNewRaceFile({std::to_string(++race)}, folder_, name), folder_ / file);
  }
  race = 0;
  for (const char* file : expected) {
    EXPECT_EQ(ReadBytes(folder_ / file), std::to_string(++race) + "\r\n") << file;
  }
}

// One writer remembers the next slot of each name, yet every file is still
// created exclusively: a slot taken behind its back is skipped.
TEST_F(RaceFileWriterTest, WriterRemembersSlotsAndStillCreatesExclusively) {
  RaceFolderWriter writer(folder_);
  EXPECT_EQ(writer.Save({"1"}, "X"), folder_ / "X.uma");
  testing::WriteBytes(folder_ / "X2.uma", "theirs");
  EXPECT_EQ(writer.Save({"2"}, "X"), folder_ / "X3.uma");
  EXPECT_EQ(writer.Save({"3"}, "X3"), folder_ / "X32.uma");
  EXPECT_EQ(writer.Save({"4"}, "X"), folder_ / "X4.uma");
  EXPECT_EQ(ReadBytes(folder_ / "X2.uma"), "theirs");
  EXPECT_EQ(ReadBytes(folder_ / "X4.uma"), "4\r\n");
}

// A write cut short (here by a file-size limit) leaves no file behind, and
// the message names the file as it is shown and says why.
TEST_F(RaceFileWriterTest, CutOffFileIsRemoved) {
  RaceFolderWriter writer(folder_ / "building", folder_ / "final");
  fs::create_directory(folder_ / "building");
  std::string message;
  {
    const testing::FileSizeLimit limit(1000);
    try {
      writer.Save(RaceLines(300, "0123456789"), "X");
    } catch (const std::runtime_error& error) {
      message = error.what();
    }
  }
  EXPECT_EQ(message, "レースファイル " + (folder_ / "final/X.uma").string() +
                         " を書き込めません（ファイルが大きすぎます）");
  EXPECT_TRUE(fs::is_empty(folder_ / "building"));
}

TEST_F(RaceFileWriterTest, ADanglingLinkTakesItsSlot) {
  fs::create_symlink(folder_ / "elsewhere", folder_ / "X.uma");
  EXPECT_EQ(SaveNewRaceFile({"x"}, folder_, "X"), folder_ / "X2.uma");
  EXPECT_FALSE(fs::exists(folder_ / "elsewhere"));
}

TEST(RaceFileDiskName, ConvertsToUtf8AndReplacesWhatCannotBeAFileName) {
  // A0 is a byte CP932 does not define; 81 and 93 are lead bytes without their
  // second byte.
  const std::pair<std::string, const char*> rows[] = {
      {"東京１１Ｒ"_sj, "東京１１Ｒ"}, {"ｾﾝ"_sj, "ｾﾝ"},   {"Ａ/Ｂ"_sj, "Ａ_Ｂ"},
      {std::string("a\0b", 3), "a_b"}, {"a\240b", "a_b"}, {"\x81/", "__"},
      {"賞"_sj + "\x93", "賞_"},       {"", ""}};
  for (const auto& [cp932, disk] : rows) EXPECT_EQ(RaceFileDiskName(cp932), disk);
}

}  // namespace
}  // namespace tamikaze
