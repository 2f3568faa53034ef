// The six folder commands with the chooser and the questions answered by
// script.

#include "app/folder_commands.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "app/main_state.h"
#include "tests/gui/gui_fixture.h"

namespace tamikaze {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

// Answers the chooser and the questions from lists and records what was shown.
struct ScriptedUi : FolderUi {
  std::deque<std::optional<std::string>> folders;  // answers of the chooser
  std::deque<bool> answers;                        // answers of the questions
  std::vector<std::string> captions, startFolders, questions, messages;

  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& startFolder) override {
    captions.push_back(caption);
    startFolders.push_back(startFolder);
    auto answer = folders.front();
    folders.pop_front();
    return answer;
  }
  bool Confirm(const std::string& line1, const std::string& line2) override {
    questions.push_back(line1 + "|" + line2);
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Message(const std::string& text) override { messages.push_back(text); }
};

const std::string kSameFolderQuestion = "レースファイルを展開する場所|も同じ場所にします。";

class FolderCommandsTest : public ::testing::Test {
 protected:
  FolderCommandsTest() {
    main.AppDir = tmp.Folder("app");
    main.DesktopDir = tmp.Folder("desktop");
    main.TamikazeDir = tmp.Folder("old-tamikaze");
    main.OutputDir = tmp.Folder("old-output");
    main.ReadDir = tmp.Folder("old-read");
  }
  TempFolder tmp;
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
    EXPECT_EQ(ui.messages, std::vector<std::string>(c.hasExe ? 0 : 1, kNoTamikazeExeInFolder));
    EXPECT_EQ(ui.questions, std::vector<std::string>(c.hasExe ? 1 : 0, kSameFolderQuestion));
    EXPECT_EQ(ui.captions,
              std::vector<std::string>{"「Tamikaze」のインストールしてある場所の変更"});
  }
}

// Each "変更" starts the chooser at the program's folder when its folder is
// gone, and going back changes nothing else.
TEST_F(FolderCommandsTest, MissingFolderStartsChooserAtAppDir) {
  struct Row {
    const char* name;
    std::string Main::*folder;
    void (*command)(Main&, FolderUi&);
    const char* caption;
  };
  const Row rows[] = {
      {"tamikaze", &Main::TamikazeDir, ChangeTamikazeDir,
       "「Tamikaze」のインストールしてある場所の変更"},
      {"output", &Main::OutputDir, ChangeOutputDir, "レースファイルを展開する場所の変更"},
      {"read", &Main::ReadDir, ChangeReadDir, "「JRA-VAN，競馬道データ」のある場所の変更"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    main.*row.folder = (tmp.path() / "gone" / row.name).string();
    ui.folders = {std::nullopt};
    ui.startFolders.clear();
    ui.captions.clear();
    row.command(main, ui);
    EXPECT_EQ(ui.startFolders, std::vector<std::string>{main.AppDir});
    EXPECT_EQ(ui.captions, std::vector<std::string>{row.caption});
    EXPECT_EQ(main.*row.folder, main.AppDir);
  }
}

TEST_F(FolderCommandsTest, ResetOutputWhileTamikazeFolderIsMissing) {
  main.TamikazeDir = (tmp.path() / "removed").string();
  ui.answers = {true};
  ResetOutputDir(main, ui);
  EXPECT_EQ(main.OutputDir, main.TamikazeDir + "/RaceFile");
  EXPECT_FALSE(fs::exists(main.TamikazeDir));
  EXPECT_EQ(ui.questions,
            std::vector<std::string>{"レースファイルを展開する場所|を標準の場所に戻します。"});
}

// The data folder, chosen or reset to the desktop, is also where both open
// dialogs start next.
TEST_F(FolderCommandsTest, DataFolderIsWhereBothOpenDialogsStart) {
  const std::string chosen = tmp.Folder("downloads");
  ui.folders = {chosen};
  ChangeReadDir(main, ui);
  EXPECT_EQ(
      std::vector<std::string>({main.ReadDir, main.LoadDlgInitialDir, main.LoadDlg2InitialDir}),
      std::vector<std::string>(3, chosen));
  ui.answers = {true};
  ResetReadDir(main, ui);
  EXPECT_EQ(
      std::vector<std::string>({main.ReadDir, main.LoadDlgInitialDir, main.LoadDlg2InitialDir}),
      std::vector<std::string>(3, main.DesktopDir));
  EXPECT_EQ(ui.questions,
            std::vector<std::string>{"JRA-VANデータのある場所|を標準の場所に戻します。"});
}

// The default lies under the Wine C: drive when it has the Tamikaze folder,
// else the drive root itself is taken.
TEST_F(FolderCommandsTest, ResetTamikazeFolderUnderTheDriveRoot) {
  const Environment env = test::TestEnvironment(tmp);
  struct Case {
    const char* made;      // folder made under drive_c ("" for none)
    const char* expected;  // TamikazeDir under drive_c ("" for the root)
  };
  const Case cases[] = {
      {"", ""},
      {"Program Files/Tamikaze", "Program Files/Tamikaze"},
      {"Program Files (x86)/Tamikaze", "Program Files (x86)/Tamikaze"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.made);
    fs::remove_all(env.winePrefix);
    tmp.Folder("wine/drive_c/" + std::string(c.made));
    ui.answers = {true, false};
    const std::string oldOutput = main.OutputDir;
    ResetTamikazeDir(main, env, ui);
    EXPECT_EQ(main.TamikazeDir, env.winePrefix + "/drive_c/" + c.expected);
    EXPECT_EQ(main.OutputDir, oldOutput);
  }
}

}  // namespace
}  // namespace tamikaze
