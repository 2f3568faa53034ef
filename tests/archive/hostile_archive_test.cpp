// Hostile members never escape the destination folder: "..", absolute names
// and links are refused and nothing of them is written; the sound members of
// the same archive are still extracted.

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/archive/archive_test_support.h"
#include "tests/support/lh0_writer.h"

namespace tamikaze::testing {
namespace {

class HostileArchiveTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    outside_ = root_ / "outside";
    dest_ = root_ / "dest";
    fs::create_directories(outside_);
    fs::create_directories(dest_);
  }

  int Extract(const std::vector<Lh0Member>& members, int level) {
    const fs::path arc = root_ / "hostile.lzh";
    WriteLh0Archive(arc, members, level);
    TArchiveFile archive(UNLHA32_PATH);
    archive.SetFileName(arc.string());
    archive.Options() = ProgramOptions();
    return archive.ExtractFiles(nullptr, nullptr, dest_.string(), {nullptr});
  }

  fs::path outside_;
  fs::path dest_;
};

TEST_F(HostileArchiveTest, EscapingMembersAreRefused) {
  const std::string abs = (outside_ / "abs.txt").string();
  constexpr std::uint16_t kSymlink = 0120777;
  const Lh0Member link{"link|" + outside_.string(), "", kSymlink, "-lhd-"};
  struct Case {
    const char* what;
    std::vector<Lh0Member> members;
  };
  const Case cases[] = {
      {"parent", {{"../outside/up.txt", "evil"}}},
      {"parent deeper", {{"a/../../outside/up2.txt", "evil"}}},
      {"absolute", {{abs, "evil"}}},
      {"symbolic link", {link}},
      {"file through that link", {link, {"link/through.txt", "evil"}}},
  };
  for (int level : {0, 2}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + " level " + std::to_string(level));
      std::vector<Lh0Member> members = {{"ok.txt", "fine"}};
      members.insert(members.end(), c.members.begin(), c.members.end());
      members.push_back({"ok2.txt", "fine"});
      EXPECT_NE(Extract(members, level), 0);
      EXPECT_TRUE(fs::is_empty(outside_));
      EXPECT_FALSE(fs::exists(root_ / "up.txt"));
      EXPECT_FALSE(fs::is_symlink(dest_ / "link"));
      EXPECT_EQ(ReadBytes(dest_ / "ok.txt"), "fine");
      EXPECT_EQ(ReadBytes(dest_ / "ok2.txt"), "fine");
      fs::remove_all(dest_);
    }
  }
}

// A link already in the destination (not made by an archive) is never
// followed: the member naming a path through it is refused, and a member
// named like the link replaces the link itself.
TEST_F(HostileArchiveTest, LinksAlreadyInTheDestinationAreNotFollowed) {
  const fs::path victim = outside_ / "victim.txt";
  WriteBytes(victim, "keep");
  fs::create_directory_symlink(outside_, dest_ / "dir");
  fs::create_symlink(victim, dest_ / "file.txt");
  EXPECT_NE(Extract({{"dir/new.txt", "evil"}, {"file.txt", "member"}}, 2), 0);
  EXPECT_FALSE(fs::exists(outside_ / "new.txt"));
  EXPECT_EQ(ReadBytes(victim), "keep");
  EXPECT_FALSE(fs::is_symlink(dest_ / "file.txt"));
  EXPECT_EQ(ReadBytes(dest_ / "file.txt"), "member");
}

}  // namespace
}  // namespace tamikaze::testing
