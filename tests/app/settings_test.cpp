#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>

#include "app/folders.h"
#include "app/screen_clamp.h"
#include "app/settings_file.h"
#include "app/startup.h"
#include "import/held_folder.h"
#include "import/temp_folder.h"
#include "tests/support/scratch_folder.h"

namespace tamikaze {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

TEST(ClampToScreenTest, KeepsTheMainWindowOnTheScreen) {
  // {saved left, saved top, screen width, left, top} for a 485 x 222 window, screen 1080 high.
  const int cases[][5] = {
      {5000, 0, 1920, 1920 - 485, 0},    {-40, 10, 1920, 0, 10}, {100, 2000, 1920, 100, 858},
      {INT_MAX, INT_MIN, 1920, 1435, 0}, {300, 0, 400, 0, 0},  // wider than the screen: the left
                                                               // edge stays visible
  };
  for (const auto& c : cases) {
    const WindowPosition p = ClampToScreen({c[0], c[1]}, 485, 222, c[2], 1080);
    EXPECT_EQ(std::make_pair(p.left, p.top), std::make_pair(c[3], c[4])) << c[0] << "," << c[1];
  }
}

TEST(ParseSettingsTest, UnusableFilesAreTreatedAsMissing) {
  EXPECT_TRUE(ParseSettings("-10\n20\n/a\n/b\n/c"));  // LF line ends are read too
  for (const char* unusable :
       {"10\r\n20\r\n/a\r\n/b\r\n", "", "left\r\n20\r\n/a\r\n/b\r\n/c\r\n",
        "10\r\n\r\n/a\r\n/b\r\n/c\r\n", "10\r\n2 0\r\n/a\r\n/b\r\n/c\r\n",
        "10x\r\n20\r\n/a\r\n/b\r\n/c\r\n", "99999999999\r\n20\r\n/a\r\n/b\r\n/c\r\n"}) {
    EXPECT_FALSE(ParseSettings(unusable)) << unusable;
  }
}

// Only a regular file of a few kilobytes is read; anything else in its place
// counts as missing, without waiting or reading it whole.
TEST(LoadSettingsFileTest, ReadsOnlyASmallRegularFile) {
  ScratchFolder scratch;
  const std::string five = "10\r\n20\r\n/a\r\n/b\r\n/c\r\n";
  WriteBytes(scratch.Path() / "bom.ini", "\xEF\xBB\xBF" + five);
  const std::optional<SettingsValues> bom = LoadSettingsFile((scratch.Path() / "bom.ini").string());
  ASSERT_TRUE(bom);
  EXPECT_EQ(bom->left, 10);
  const std::string longest = five + std::string(kMaxSettingsBytes - five.size(), ' ');
  WriteBytes(scratch.Path() / "longest.ini", longest);
  EXPECT_TRUE(LoadSettingsFile((scratch.Path() / "longest.ini").string()));

  WriteBytes(scratch.Path() / "huge.ini", longest + " ");
  scratch.Folder("folder.ini");
  ASSERT_EQ(::mkfifo((scratch.Path() / "fifo.ini").c_str(), 0600), 0);
  for (const char* name : {"huge.ini", "folder.ini", "fifo.ini", "missing.ini"}) {
    EXPECT_FALSE(LoadSettingsFile((scratch.Path() / name).string())) << name;
  }
}

class StartUpTest : public ::testing::Test {
 protected:
  // A user whose home folder is home/, nothing else set.
  StartUpTest() { env_.home = scratch_.Folder("home").string(); }

  std::string Home() const { return env_.home; }
  std::string SettingsFile() const { return SettingsFilePath(env_); }

  ScratchFolder scratch_;
  Environment env_;
  Main main_;
};

TEST_F(StartUpTest, FirstStartWithoutWineUsesTheHomeFolderAsDriveRoot) {
  StartUp(main_, env_);
  // Nothing installed: Tamikaze falls back to the drive root, the others to the desktop.
  EXPECT_EQ(main_.TamikazeDir, Home() + "/");
  EXPECT_EQ(main_.OutputDir, Home());
  // The file holds the defaults as made, before the fallbacks.
  EXPECT_EQ(ReadBytes(SettingsFile()), "0\r\n0\r\n" + Home() + "/Program Files/Tamikaze\r\n" +
                                           Home() + "/Program Files/Tamikaze/RaceFile\r\n" +
                                           Home() + "\r\n");
}

TEST_F(StartUpTest, FirstStartOnTheWineDrive) {
  const fs::path drive = scratch_.Folder("prefix/drive_c");
  fs::create_directories(drive / "Program Files (x86)");
  env_.winePrefix = (scratch_.Path() / "prefix").string();
  StartUp(main_, env_);
  EXPECT_EQ(main_.TamikazeDir, drive.string() + "/");
  EXPECT_NE(ReadBytes(SettingsFile()).find("/drive_c/Program Files (x86)/Tamikaze\r\n"),
            std::string::npos);
}

// Tamikaze installed in a prefix of winetricks' is found though ~/.wine
// exists, and its race-file folder made.
TEST_F(StartUpTest, FirstStartFindsTamikazeInAnyWinePrefix) {
  scratch_.Folder("home/.wine/drive_c/Program Files (x86)");
  const fs::path tamikaze =
      scratch_.Folder("home/.local/share/wineprefixes/keiba/drive_c/Program Files (x86)/Tamikaze");
  testing::WriteBytes(tamikaze / "Tamikaze.exe", "");
  StartUp(main_, env_);
  EXPECT_EQ(main_.TamikazeDir, tamikaze.string());
  EXPECT_EQ(main_.OutputDir, tamikaze.string() + "/RaceFile");
  EXPECT_TRUE(fs::is_directory(main_.OutputDir));
}

TEST_F(StartUpTest, SavedSettingsAreClampedAndRemovedFoldersFallBack) {
  const fs::path read = scratch_.Folder("archives");
  const fs::path desktop = scratch_.Folder("home/Desktop");
  WriteBytes(SettingsFile(),
             "5000\r\n-40\r\n/gone/Tamikaze\r\n/gone/RaceFile\r\n" + read.string() + "\r\n");
  env_.screenWidth = 1920;
  StartUp(main_, env_);
  EXPECT_EQ(main_.LoadDlgInitialDir, read.string());
  // Saved again as now in use: clamped to 1920 - 485, Tamikaze at the drive
  // root, the output folder on the desktop.
  SaveSettings(main_, env_);
  EXPECT_EQ(ReadBytes(SettingsFile()), "1435\r\n0\r\n" + Home() + "/\r\n" + desktop.string() +
                                           "\r\n" + read.string() + "\r\n");
  // Saved through a temporary file that does not stay behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(ConfigFolder(env_)), fs::directory_iterator()), 1);
}

// Sub-folders of the temp folder that earlier versions extracted into: the
// start-up removes those of runs that are gone and spares one a running
// program holds.
TEST(TempFolderTest, StartUpCleanUpSparesHeldFolders) {
  ScratchFolder scratch;
  const std::string tempDir = (scratch.Path() / "Temp").string();
  const fs::path stale = scratch.Folder("Temp/12345-abcdef");
  const HeldFolder held(tempDir + "/678-XXXXXX");
  WriteBytes(held.Path() + "/sub/member.dat", "x");
  RemoveUnheldTempFolders(tempDir);
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(held.Path() + "/sub/member.dat"));
}

}  // namespace
}  // namespace tamikaze
