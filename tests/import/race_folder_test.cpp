// The race folder of an import: built under a temporary name, published
// under its final one without ever replacing anything, and cleaned up by a
// later import only when it is a leftover of ours.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <climits>

#include "import/held_folder.h"
#include "import/leftover_mark.h"
#include "import/race_folder.h"
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
