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
    fs::create_directories(outside());
    fs::create_directories(dest());
    WriteLh0Archive(root_ / "hostile.lzh", members, level);
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

}  // namespace
}  // namespace tamikaze::testing
