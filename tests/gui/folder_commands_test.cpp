// The six folder commands with the chooser and the questions answered by
// script.

#include "app/folder_commands.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/main_state.h"
#include "tests/gui/gui_fixture.h"

namespace tamikaze {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// Answers the chooser and the questions from lists and logs, in order, what
// was shown: "caption @ start folder", "line1|line2", messages as they are.
struct ScriptedUi : FolderUi {
  std::vector<std::optional<std::string>> folders;
  std::vector<bool> answers;
  std::size_t chosen = 0, asked = 0;
  Texts shown;

  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& startFolder) override {
    shown.push_back(caption + " @ " + startFolder);
    return folders.at(chosen++);
  }
  bool Confirm(const std::string& line1, const std::string& line2) override {
    shown.push_back(line1 + "|" + line2);
    return answers.at(asked++);
  }
  void Message(const std::string& text) override { shown.push_back(text); }
};

const std::string kTamikazeCaption = "「Tamikaze」のインストールしてある場所の変更";

class FolderCommandsTest : public ::testing::Test {
 protected:
  FolderCommandsTest() {
    main.AppDir = tmp.Folder("app");
    main.DesktopDir = tmp.Folder("desktop");
    main.TamikazeDir = tmp.Folder("old-tamikaze");
    main.OutputDir = tmp.Folder("old-output");
    main.ReadDir = tmp.Folder("old-read");
  }
  test::TempFolder tmp;
  Main main;
  ScriptedUi ui;
};

// A chosen folder without Tamikaze.exe is refused with the message; with it,
// the race-file folder follows only on "はい".
TEST_F(FolderCommandsTest, TamikazeFolderChange) {
  struct Case {
    const char* folder;
    bool hasExe, yes;
  };
  for (const Case& c :
       {Case{"empty", false, true}, Case{"t-no", true, false}, Case{"t-yes", true, true}}) {
    SCOPED_TRACE(c.folder);
    const std::string chosen = tmp.Folder(c.folder);
    if (c.hasExe) tmp.File(c.folder + std::string("/Tamikaze.exe"));
    const Main before = main;
    ui = ScriptedUi{};
    ui.folders = {chosen};
    ui.answers = {c.yes};
    ChangeTamikazeDir(main, ui);
    EXPECT_EQ(main.TamikazeDir, c.hasExe ? chosen : before.TamikazeDir);
    EXPECT_EQ(main.OutputDir, c.hasExe && c.yes ? chosen + "/RaceFile" : before.OutputDir);
    EXPECT_EQ(fs::is_directory(chosen + "/RaceFile"), c.hasExe && c.yes);
    EXPECT_EQ(ui.shown, (Texts{kTamikazeCaption + " @ " + before.TamikazeDir,
                               c.hasExe ? "レースファイルを展開する場所|も同じ場所にします。"
                                        : kNoTamikazeExeInFolder}));
  }
}

// Each "変更" starts the chooser at the program's folder when its folder is
// gone, and going back leaves the program's folder in the row.
TEST_F(FolderCommandsTest, MissingFolderStartsChooserAtAppDir) {
  struct Row {
    std::string Main::*folder;
    void (*command)(Main&, FolderUi&);
    const char* caption;
  };
  const Row rows[] = {
      {&Main::TamikazeDir, ChangeTamikazeDir, kTamikazeCaption.c_str()},
      {&Main::OutputDir, ChangeOutputDir, "レースファイルを展開する場所の変更"},
      {&Main::ReadDir, ChangeReadDir, "「JRA-VAN，競馬道データ」のある場所の変更"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.caption);
    main.*row.folder = (tmp.path() / "gone").string();
    ui = ScriptedUi{};
    ui.folders = {std::nullopt};
    row.command(main, ui);
    EXPECT_EQ(ui.shown, Texts{row.caption + (" @ " + main.AppDir)});
    EXPECT_EQ(main.*row.folder, main.AppDir);
  }
}

TEST_F(FolderCommandsTest, ResetOutputWhileTamikazeFolderIsMissing) {
  main.TamikazeDir = (tmp.path() / "removed").string();
  ui.answers = {true};
  ResetOutputDir(main, ui);
  EXPECT_EQ(main.OutputDir, main.TamikazeDir + "/RaceFile");
  EXPECT_FALSE(fs::exists(main.TamikazeDir));
  EXPECT_EQ(ui.shown, Texts{"レースファイルを展開する場所|を標準の場所に戻します。"});
}

// The data folder, chosen or reset to the desktop, is also where both open
// dialogs start next.
TEST_F(FolderCommandsTest, DataFolderIsWhereBothOpenDialogsStart) {
  const auto dialogs = [this] {
    return Texts{main.ReadDir, main.LoadDlgInitialDir, main.LoadDlg2InitialDir};
  };
  const std::string chosen = tmp.Folder("downloads");
  ui.folders = {chosen};
  ChangeReadDir(main, ui);
  EXPECT_EQ(dialogs(), Texts(3, chosen));
  ui.answers = {true};
  ui.shown.clear();
  ResetReadDir(main, ui);
  EXPECT_EQ(dialogs(), Texts(3, main.DesktopDir));
  EXPECT_EQ(ui.shown, Texts{"JRA-VANデータのある場所|を標準の場所に戻します。"});
}

// The default lies under the Wine C: drive when it has the Tamikaze folder,
// else the drive root itself is taken; "いいえ" to the second question keeps
// the race-file folder.
TEST_F(FolderCommandsTest, ResetTamikazeFolderUnderTheDriveRoot) {
  const Environment env = test::TestEnvironment(tmp);
  const std::string oldOutput = main.OutputDir;
  for (const std::string made : {"", "Program Files/Tamikaze", "Program Files (x86)/Tamikaze"}) {
    SCOPED_TRACE(made);
    fs::remove_all(env.winePrefix);
    tmp.Folder("wine/drive_c/" + made);
    ui = ScriptedUi{};
    ui.answers = {true, false};
    ResetTamikazeDir(main, env, ui);
    EXPECT_EQ(main.TamikazeDir, env.winePrefix + "/drive_c/" + made);
    EXPECT_EQ(main.OutputDir, oldOutput);
  }
}

}  // namespace
}  // namespace tamikaze
