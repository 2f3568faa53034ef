// Where Wine prefixes are found, which of them holds Tamikaze, and which
// prefix holds a folder.

#include "app/wine_prefixes.h"

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

class WinePrefixesTest : public ::testing::Test {
 protected:
  WinePrefixesTest() { env_.home = scratch_.Folder("home").string(); }

  // A prefix at `relative` under the home folder, with its drive_c.
  std::string Prefix(const std::string& relative) {
    scratch_.Folder("home/" + relative + "/drive_c");
    return env_.home + "/" + relative;
  }

  ScratchFolder scratch_;
  Environment env_;
};

// Every known place, in order; folders without drive_c are no prefix, and a
// prefix reached twice counts once.
TEST_F(WinePrefixesTest, FoundInTheirDocumentedPlacesInOrder) {
  const std::string own = Prefix("own");
  const std::string expected[] = {
      own,
      Prefix(".wine"),
      Prefix(".local/share/wineprefixes/a"),
      Prefix(".local/share/wineprefixes/b"),
      Prefix(".local/share/bottles/bottles/keiba"),
      Prefix(".var/app/com.usebottles.bottles/data/bottles/bottles/flat"),
      Prefix("Games/tamikaze"),
      Prefix(".PlayOnLinux/wineprefix/pol"),
  };
  scratch_.Folder("home/.local/share/wineprefixes/empty");  // no drive_c
  fs::create_directory_symlink(own, env_.home + "/.local/share/wineprefixes/c-link");
  env_.winePrefix = own + "/";
  EXPECT_EQ(WinePrefixes(env_), std::vector<std::string>(std::begin(expected), std::end(expected)));

  // XDG_DATA_HOME moves winetricks' and Bottles' folders.
  env_.xdgDataHome = scratch_.Folder("data").string();
  scratch_.Folder("data/wineprefixes/moved/drive_c");
  const auto moved = WinePrefixes(env_);
  EXPECT_EQ(moved.size(), 6u);
  EXPECT_EQ(moved[2], env_.xdgDataHome + "/wineprefixes/moved");

  // A relative XDG_DATA_HOME is no data home (the XDG rule): the default one counts.
  env_.xdgDataHome = "data";
  EXPECT_EQ(WinePrefixes(env_), std::vector<std::string>(std::begin(expected), std::end(expected)));
}

TEST_F(WinePrefixesTest, TamikazeIsFoundInTheFirstPrefixHoldingIt) {
  EXPECT_EQ(InstalledTamikazeDir(env_), "");
  Prefix(".wine");  // Wine's default prefix, without Tamikaze
  const std::string keiba = Prefix(".local/share/wineprefixes/keiba");
  const std::string later = Prefix("Games/tamikaze");
  scratch_.File("home/Games/tamikaze/drive_c/Program Files (x86)/Tamikaze/Tamikaze.exe");
  EXPECT_EQ(InstalledTamikazeDir(env_), later + "/drive_c/Program Files (x86)/Tamikaze");
  scratch_.File("home/.local/share/wineprefixes/keiba/drive_c/Program Files/Tamikaze/Tamikaze.exe");
  EXPECT_EQ(InstalledTamikazeDir(env_), keiba + "/drive_c/Program Files/Tamikaze");
  // In one prefix, the 32-bit program folder first, as Windows installs there.
  scratch_.File(
      "home/.local/share/wineprefixes/keiba/drive_c/Program Files (x86)/Tamikaze/Tamikaze.exe");
  EXPECT_EQ(InstalledTamikazeDir(env_), keiba + "/drive_c/Program Files (x86)/Tamikaze");
}

TEST_F(WinePrefixesTest, PrefixOfAFolderAndDriveLabels) {
  const std::string prefix = Prefix(".local/share/wineprefixes/keiba");
  const std::string tamikaze = prefix + "/drive_c/Program Files/Tamikaze";
  fs::create_directory_symlink(prefix + "/drive_c", env_.home + "/c-drive");
  const std::pair<std::string, std::string> folders[] = {
      {tamikaze, prefix},
      {prefix + "/drive_c", prefix},
      {env_.home + "/c-drive/Program Files/Tamikaze", prefix},  // through a link
      {env_.home + "/Tamikaze", ""},
      {"/", ""},
  };
  for (const auto& [folder, expected] : folders)
    EXPECT_EQ(WinePrefixOf(folder), expected) << folder;

  EXPECT_EQ(WineDriveLabel(prefix, env_.home), "C: ~/.local/share/wineprefixes/keiba");
  EXPECT_EQ(WineDriveLabel(prefix, env_.home + "/"), "C: ~/.local/share/wineprefixes/keiba");
  EXPECT_EQ(WineDriveLabel("/opt/wine", env_.home), "C: /opt/wine");
}

}  // namespace
}  // namespace tamikaze
