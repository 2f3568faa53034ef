#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "racefile/writer.h"
#include "text/cp932.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class RaceFileWriterTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() /
              ("racefile_writer_" + std::to_string(getpid()) + "_" + info->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  fs::path folder_;
};

TEST_F(RaceFileWriterTest, WritesCp932LinesEachEndedByCrLf) {
  const fs::path path = folder_ / "race.uma";
  SaveRaceFile({"1600", Utf8ToCp932("東京"), "", " 3"}, path);
  EXPECT_EQ(ReadBytes(path), std::string("1600\r\n\x93\x8C\x8B\x9E\r\n\r\n 3\r\n"));

  SaveRaceFile({}, path);  // an existing file is replaced
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(ReadBytes(path), "");
}

TEST_F(RaceFileWriterTest, ReportsAFileThatCannotBeWritten) {
  const fs::path path = folder_ / "missing" / "race.uma";
  try {
    SaveRaceFile({"x"}, path);
    FAIL() << "no error for " << path;
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos) << error.what();
  }
}

TEST_F(RaceFileWriterTest, SameNameTakesTheNextFreeSlotAndOverwritesNothing) {
  const std::string name = Utf8ToCp932("青葉賞");
  const char* expected[] = {"青葉賞.uma", "青葉賞2.uma", "青葉賞3.uma", "青葉賞4.uma",
                            "青葉賞5.uma"};
  int race = 0;
  for (const char* file : expected) {
    const fs::path path = ChooseRaceFilePath(folder_, name);
    EXPECT_EQ(path, folder_ / file);
    SaveRaceFile({std::to_string(++race)}, path);
  }
  race = 0;
  for (const char* file : expected) {
    EXPECT_EQ(ReadBytes(folder_ / file), std::to_string(++race) + "\r\n") << file;
  }
}

TEST_F(RaceFileWriterTest, ADanglingLinkTakesItsSlot) {
  fs::create_symlink(folder_ / "elsewhere", folder_ / "X.uma");
  EXPECT_EQ(ChooseRaceFilePath(folder_, "X"), folder_ / "X2.uma");
  EXPECT_FALSE(fs::exists(folder_ / "elsewhere"));
}

TEST(RaceFileDiskName, ConvertsToUtf8AndReplacesWhatCannotBeAFileName) {
  struct Row {
    std::string cp932;
    std::string disk;
  };
  const Row rows[] = {
      {Utf8ToCp932("東京１１Ｒ"), "東京１１Ｒ"},
      {Utf8ToCp932("ｾﾝ"), "ｾﾝ"},
      {Utf8ToCp932("Ａ/Ｂ"), "Ａ_Ｂ"},
      {std::string("a\0b", 3), "a_b"},
      {"a\xA0"
       "b",
       "a_b"},          // a byte CP932 does not define
      {"\x81/", "__"},  // a lead byte without its second byte, then "/"
      {Utf8ToCp932("賞") + "\x93", "賞_"},
      {"", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(RaceFileDiskName(row.cp932), row.disk);
}

}  // namespace
}  // namespace tamikaze
