// Hostile members never escape the destination folder: "..", absolute names
// and links are refused and nothing of them is written; the sound members of
// the same archive are still extracted.

#include <gtest/gtest.h>

#include "tests/archive/archive_test_support.h"
#include "tests/support/lh0_writer.h"

namespace tamikaze::testing {
namespace {

class HostileArchiveTest : public TempFolderTest {
 protected:
  int Extract(const std::vector<Lh0Member>& members, int level) {
    return Extract(MakeLh0Archive(members, level));
  }
  int Extract(const std::string& bytes) {
    fs::create_directories(outside());
    fs::create_directories(dest());
    WriteBytes(root_ / "hostile.lzh", bytes);
    TArchiveFile archive(UNLHA32_PATH);
    archive.SetFileName((root_ / "hostile.lzh").string());
    archive.Options() = ProgramOptions();
    return archive.ExtractFiles(nullptr, nullptr, dest().string(), {nullptr});
  }
  fs::path outside() const { return root_ / "outside"; }
  fs::path dest() const { return root_ / "dest"; }
};

TEST_F(HostileArchiveTest, EscapingMembersAreRefused) {
  const Lh0Member link{"link|" + outside().string(), "", 0120777, "-lhd-"};  // symbolic link
  const std::pair<const char*, std::vector<Lh0Member>> cases[] = {
      {"parent", {{"../outside/up.txt", "evil"}}},
      {"parent deeper", {{"a/../../outside/up2.txt", "evil"}}},
      {"absolute", {{(outside() / "abs.txt").string(), "evil"}}},
      {"symbolic link", {link}},
      {"file through that link", {link, {"link/through.txt", "evil"}}},
  };
  for (int level : {0, 2}) {
    for (const auto& [what, hostile] : cases) {
      SCOPED_TRACE(std::string(what) + " level " + std::to_string(level));
      std::vector<Lh0Member> members = {{"ok.txt", "fine"}};
      members.insert(members.end(), hostile.begin(), hostile.end());
      members.push_back({"ok2.txt", "fine"});
      EXPECT_NE(Extract(members, level), 0);
      EXPECT_TRUE(fs::is_empty(outside()));
      EXPECT_FALSE(fs::is_symlink(dest() / "link"));
      EXPECT_EQ(ReadBytes(dest() / "ok.txt"), "fine");
      EXPECT_EQ(ReadBytes(dest() / "ok2.txt"), "fine");
      fs::remove_all(dest());
    }
  }
}

// Links already in the destination are never followed: a folder link on a
// member's way is refused, a link where a member goes is replaced by the file.
TEST_F(HostileArchiveTest, LinksInTheDestinationAreNotFollowed) {
  fs::create_directories(outside());
  WriteBytes(outside() / "target.txt", "outside");
  fs::create_directories(dest());
  fs::create_directory_symlink(outside(), dest() / "sub");
  fs::create_symlink(outside() / "target.txt", dest() / "x.txt");
  fs::create_symlink(outside() / "new.txt", dest() / "y.txt");  // dangling
  EXPECT_NE(Extract({{"sub/a.txt", "evil"}, {"x.txt", "x"}, {"y.txt", "y"}}, 0), 0);
  EXPECT_EQ(FilesBelow(outside()), std::vector<std::string>{"target.txt"});
  EXPECT_EQ(ReadBytes(outside() / "target.txt"), "outside");
  EXPECT_TRUE(fs::is_symlink(dest() / "sub"));
  for (const char* name : {"x.txt", "y.txt"}) {
    EXPECT_FALSE(fs::is_symlink(dest() / name)) << name;
    EXPECT_EQ(ReadBytes(dest() / name), std::string(1, name[0])) << name;
  }
}

// A member whose data fails its CRC leaves no partial file; the sound members
// around it are extracted.
TEST_F(HostileArchiveTest, DamagedMemberLeavesNoPartialFile) {
  std::string bytes =
      MakeLh0Archive({{"A.DAT", "sound"}, {"B.DAT", std::string(5000, 'b')}, {"C.DAT", "sound"}});
  bytes[bytes.find("bbbb") + 100] = 'X';
  EXPECT_NE(Extract(bytes), 0);
  EXPECT_EQ(FilesBelow(dest()), (std::vector<std::string>{"A.DAT", "C.DAT"}));
}

}  // namespace
}  // namespace tamikaze::testing
