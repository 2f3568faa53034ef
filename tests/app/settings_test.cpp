#include <unistd.h>

#include <gtest/gtest.h>

#include <climits>

#include "app/folders.h"
#include "app/screen_clamp.h"
#include "app/settings_file.h"
#include "app/startup.h"
#include "app/temp_folder.h"
#include "tests/app/app_test_support.h"

namespace tamikaze {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

TEST(ClampToScreenTest, KeepsTheMainWindowOnTheScreen) {
  // {saved left, saved top, left, top} for a 485 x 222 window on a 1920 x 1080 screen.
  const int cases[][4] = {
      {5000, 0, 1920 - 485, 0}, {-40, 10, 0, 10},       {100, 2000, 100, 1080 - 222},
      {10, -5, 10, 0},          {1435, 858, 1435, 858}, {INT_MAX, INT_MIN, 1435, 0},
  };
  for (const auto& c : cases) {
    const WindowPosition p = ClampToScreen({c[0], c[1]}, 485, 222, 1920, 1080);
    EXPECT_EQ(std::make_pair(p.left, p.top), std::make_pair(c[2], c[3])) << c[0] << "," << c[1];
  }
  // A window wider than the screen keeps its left edge visible.
  EXPECT_EQ(ClampToScreen({300, 0}, 485, 222, 400, 1080).left, 0);
}

TEST(ParseSettingsTest, UnusableFilesAreTreatedAsMissing) {
  for (const char* usable : {"10\r\n20\r\n/a\r\n/b\r\n/c\r\n", "10\n20\n/a\n/b\n/c"}) {
    EXPECT_TRUE(ParseSettings(usable)) << usable;
  }
  for (const char* unusable :
       {"10\r\n20\r\n/a\r\n/b\r\n", "", "left\r\n20\r\n/a\r\n/b\r\n/c\r\n",
        "10\r\n\r\n/a\r\n/b\r\n/c\r\n", "10\r\n2 0\r\n/a\r\n/b\r\n/c\r\n",
        "10x\r\n20\r\n/a\r\n/b\r\n/c\r\n", "99999999999\r\n20\r\n/a\r\n/b\r\n/c\r\n"}) {
    EXPECT_FALSE(ParseSettings(unusable)) << unusable;
  }
  const auto values = ParseSettings(" -40\r\n+7\r\n/a b\r\n/b\r\n/c\r\nextra\r\n");
  ASSERT_TRUE(values);
  EXPECT_EQ(values->left, -40);
  EXPECT_EQ(values->top, 7);
  EXPECT_EQ(values->tamikazeDir, "/a b");
  EXPECT_EQ(values->readDir, "/c");
}

class StartUpTest : public ::testing::Test {
 protected:
  // A user whose home folder is home/, nothing else set.
  StartUpTest() {
    env_.home = scratch_.Folder("home").string();
    env_.exeDir = (scratch_.Path() / "bin").string();
  }

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
  EXPECT_EQ(main_.ReadDir, Home());
  EXPECT_TRUE(fs::is_directory(main_.TempDir));
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

  // Tamikaze installed in the default ~/.wine: its RaceFile folder is made and used.
  const fs::path tamikaze = scratch_.Folder("home/.wine/drive_c/Program Files/Tamikaze");
  env_.winePrefix.clear();
  fs::remove(SettingsFile());
  Main second;
  StartUp(second, env_);
  EXPECT_EQ(second.TamikazeDir, tamikaze.string());
  EXPECT_EQ(second.OutputDir, (tamikaze / "RaceFile").string());
  EXPECT_TRUE(fs::is_directory(tamikaze / "RaceFile"));
}

TEST_F(StartUpTest, SavedSettingsAreClampedAndRemovedFoldersFallBack) {
  const fs::path read = scratch_.Folder("archives");
  const fs::path desktop = scratch_.Folder("home/Desktop");
  WriteBytes(SettingsFile(),
             "5000\r\n-40\r\n/gone/Tamikaze\r\n/gone/RaceFile\r\n" + read.string() + "\r\n");
  env_.screenWidth = 1920;
  StartUp(main_, env_);
  EXPECT_EQ(main_.Left, 1920 - kMainWindowWidth);
  EXPECT_EQ(main_.Top, 0);
  EXPECT_EQ(main_.TamikazeDir, Home() + "/");
  EXPECT_EQ(main_.OutputDir, desktop.string());
  EXPECT_EQ(main_.ReadDir, read.string());
  EXPECT_EQ(main_.LoadDlgInitialDir, read.string());

  SaveSettings(main_, env_);
  EXPECT_EQ(ReadBytes(SettingsFile()), "1435\r\n0\r\n" + Home() + "/\r\n" + desktop.string() +
                                           "\r\n" + read.string() + "\r\n");
  // Saved through a temporary file that does not stay behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(ConfigFolder(env_)), fs::directory_iterator()), 1);
}

TEST_F(StartUpTest, ReadOnlyStartCreatesNothing) {
  const fs::path tamikaze = scratch_.Folder("home/Program Files/Tamikaze");
  StartUp(main_, env_, /*readOnly=*/true);
  EXPECT_EQ(main_.TamikazeDir, tamikaze.string());
  EXPECT_EQ(main_.OutputDir, Home());  // RaceFile not made, so the desktop
  EXPECT_FALSE(fs::exists(tamikaze / "RaceFile"));
  EXPECT_FALSE(fs::exists(SettingsFile()));
  EXPECT_FALSE(fs::exists(main_.TempDir));
}

TEST_F(StartUpTest, DesktopFolderFromUserDirsThenDesktopThenHome) {
  EXPECT_EQ(DesktopFolder(env_), Home());
  scratch_.Folder("home/Desktop");
  EXPECT_EQ(DesktopFolder(env_), Home() + "/Desktop");
  const fs::path config = scratch_.Folder("config");
  env_.xdgConfigHome = config.string();
  WriteBytes(config / "user-dirs.dirs",
             "# comment\nXDG_DOWNLOAD_DIR=\"$HOME/DL\"\nXDG_DESKTOP_DIR=\"$HOME/デスクトップ\"\n");
  EXPECT_EQ(DesktopFolder(env_), Home() + "/Desktop");  // named folder missing
  scratch_.Folder("home/デスクトップ");
  EXPECT_EQ(DesktopFolder(env_), Home() + "/デスクトップ");
}

TEST(PrivateTempFolderTest, HeldFoldersSurviveTheCleanUpAndGoWhenReleased) {
  ScratchFolder scratch;
  const std::string tempDir = (scratch.Path() / "Temp").string();
  const fs::path stale = scratch.Folder("Temp/12345-abcdef");
  WriteBytes(stale / "JRACDEN1.DAT", "x");
  WriteBytes(scratch.Path() / "Temp/loose.dat", "x");
  fs::path held;
  {
    PrivateTempFolder folder(tempDir);
    held = folder.Path();
    EXPECT_EQ(held.filename().string().rfind(std::to_string(getpid()) + "-", 0), 0u);
    WriteBytes(held / "sub/member.dat", "x");
    RemoveUnheldTempFolders(tempDir);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(held / "sub/member.dat"));
    EXPECT_TRUE(fs::exists(scratch.Path() / "Temp/loose.dat"));
  }
  EXPECT_FALSE(fs::exists(held));
}

}  // namespace
}  // namespace tamikaze
