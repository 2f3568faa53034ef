// The race folder of an import: built under a temporary name, published
// under its final one without ever replacing anything, and cleaned up by a
// later import only when it is a leftover of ours.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <sys/stat.h>

#include <climits>
#include <tuple>

#include "import/held_folder.h"
#include "import/leftover_mark.h"
#include "import/race_folder.h"
#include "racefile/writer.h"
#include "tests/support/scratch_folder.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

class RaceFolderTest : public ::testing::Test {
 protected:
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(out_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  // A folder `name` in the output folder holding one file, and a mark whose
  // token starts with `tokenStart` when that is given.
  void Folder(const std::string& name, const char* tokenStart = nullptr) const {
    WriteBytes(out_ / name / "mine.uma", "mine");
    if (tokenStart == nullptr) return;
    const int fd = open((out_ / name).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    WriteLeftoverMark(fd, tokenStart);
    close(fd);
  }

  testing::ScratchFolder scratch_;
  const fs::path out_ = scratch_.Folder("out");
};

// Only a leftover of ours goes: a temporary name, held by no import, with our
// mark for its own suffix. Folders that only look like one stay.
TEST_F(RaceFolderTest, TheCleanUpRemovesOnlyLeftoversOfOurs) {
  Folder(".JV0101S.tamikaze-part-a1B2c3", "a1B2c3");  // ours, left by a killed run
  Folder(".x.tamikaze-part-ABCDE");                   // not the pattern
  Folder(".x.tamikaze-part-ABCDEF");                  // the pattern, no mark
  Folder(".y.tamikaze-part-ABCDEF", "ZZZZZZ");        // a mark for another folder
  Folder(".hidden");                                  // any other hidden folder
  Folder(".x.tamikaze-part-ABCDES");                  // published from ".x.tamikaze-part-ABCDE.lzh"
  fs::create_directory(out_ / ".z.tamikaze-part-QWERTY");  // a link as its mark
  fs::create_symlink(out_ / ".y.tamikaze-part-ABCDEF" / kLeftoverMarkName,
                     out_ / ".z.tamikaze-part-QWERTY" / kLeftoverMarkName);
  {
    const RaceFolderBuild build((out_ / "JV0202S").string());
    EXPECT_TRUE(fs::exists(fs::path(build.Path()) / kLeftoverMarkName));
  }
  EXPECT_EQ(Names(),
            (std::vector<std::string>{".hidden", ".x.tamikaze-part-ABCDE",
                                      ".x.tamikaze-part-ABCDEF", ".x.tamikaze-part-ABCDES",
                                      ".y.tamikaze-part-ABCDEF", ".z.tamikaze-part-QWERTY"}));
}

// Published, the folder has its final name and no mark; a name taken
// meanwhile, even by an empty folder, is never replaced.
TEST_F(RaceFolderTest, PublishingNeverReplacesAndDropsTheMark) {
  {
    RaceFolderBuild build((out_ / "JV0101S").string());
    WriteBytes(fs::path(build.Path()) / "a.uma", "a");
    ASSERT_TRUE(build.Publish());
  }
  EXPECT_EQ(Names(), std::vector<std::string>{"JV0101S"});
  EXPECT_EQ(ReadBytes(out_ / "JV0101S/a.uma"), "a");
  EXPECT_FALSE(fs::exists(out_ / "JV0101S" / kLeftoverMarkName));

  RaceFolderBuild build((out_ / "JV0202S").string());
  WriteBytes(fs::path(build.Path()) / "b.uma", "b");
  fs::create_directory(out_ / "JV0202S");  // another import's, still empty
  EXPECT_FALSE(build.Publish());
  EXPECT_TRUE(fs::is_empty(out_ / "JV0202S"));
}

// Replacing: the old folder is whole under the final name until the
// exchange, then under the temporary name with our mark (a kill then leaves
// it to the clean-up), and gone at the end; the new folder is whole from the
// exchange on. Without an old folder it is an ordinary publication.
TEST_F(RaceFolderTest, ReplacingExchangesTheFoldersInOneStep) {
  Folder("JV0101S");
  RaceFolderBuild build((out_ / "JV0101S").string());
  WriteBytes(fs::path(build.Path()) / "new.uma", "new");
  const std::string temporary = fs::path(build.Path()).filename();
  bool exchanged = false;
  build.PublishReplacing([&] {
    exchanged = true;
    EXPECT_EQ(ReadBytes(out_ / "JV0101S/new.uma"), "new");
    EXPECT_FALSE(fs::exists(out_ / "JV0101S" / kLeftoverMarkName));
    EXPECT_EQ(ReadBytes(out_ / temporary / "mine.uma"), "mine");
    const int fd = open((out_ / temporary).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    EXPECT_TRUE(CarriesLeftoverMark(fd, temporary.substr(temporary.size() - 6)));
    close(fd);
    // Killed here, the old folder would go with the next import's clean-up.
    RaceFolderBuild next((out_ / "JV0303S").string());
    EXPECT_FALSE(fs::exists(out_ / temporary));
  });
  EXPECT_TRUE(exchanged);
  EXPECT_EQ(Names(), std::vector<std::string>{"JV0101S"});
  EXPECT_EQ(ReadBytes(out_ / "JV0101S/new.uma"), "new");
  EXPECT_FALSE(fs::exists(out_ / "JV0101S/mine.uma"));

  RaceFolderBuild first((out_ / "JV0202S").string());
  first.PublishReplacing();
  EXPECT_TRUE(first.Published());
  EXPECT_EQ(Names(), (std::vector<std::string>{"JV0101S", "JV0202S"}));
}

// A race folder and its files are made as the user's umask says, whatever
// the private folder they are built in.
TEST_F(RaceFolderTest, FolderAndFilesHonourTheUmask) {
  for (const auto& [mask, folderMode, fileMode] :
       {std::tuple{022, 0755, 0644}, {002, 0775, 0664}, {077, 0700, 0600}}) {
    const mode_t old = umask(static_cast<mode_t>(mask));
    const fs::path final = out_ / ("M" + std::to_string(mask) + "S");
    {
      RaceFolderBuild build(final.string());
      RaceFolderWriter(build.Path()).Save(RaceLines{"line"}, "X");
      EXPECT_TRUE(build.Publish());
    }
    umask(old);
    struct stat folder {
    }, file{};
    ASSERT_EQ(stat(final.c_str(), &folder), 0);
    ASSERT_EQ(stat((final / "X.uma").c_str(), &file), 0);
    EXPECT_EQ(folder.st_mode & 07777, static_cast<mode_t>(folderMode)) << mask;
    EXPECT_EQ(file.st_mode & 07777, static_cast<mode_t>(fileMode)) << mask;
  }
}

// Final names up to the longest a file system takes: the temporary name is
// made from a shortened one, the folder is published under the whole.
TEST_F(RaceFolderTest, LongNamesArePublishedWhole) {
  for (std::size_t length : {200u, 233u, 234u, 240u, static_cast<unsigned>(NAME_MAX)}) {
    const std::string name = std::string(length - 1, 'n') + "S";
    {
      RaceFolderBuild build((out_ / name).string());
      WriteBytes(fs::path(build.Path()) / "a.uma", "a");
      EXPECT_TRUE(build.Publish()) << length;
    }
    EXPECT_EQ(ReadBytes(out_ / name / "a.uma"), "a") << length;
  }
}

}  // namespace
}  // namespace tamikaze
