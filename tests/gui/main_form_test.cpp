// The main window: its components and menu, and its commands with the
// dialogs answered by the test.

#include "app/gui/main_form.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/activation.h"
#include "app/folder_commands.h"
#include "app/gui/dir_form.h"
#include "app/gui/form_style.h"
#include "app/gui/text_form.h"
#include "app/gui/wait_form.h"
#include "app/import_texts.h"
#include "app/launch.h"
#include "app/startup.h"
#include "racefile/blocks.h"
#include "tests/gui/gui_fixture.h"
#include "text/cp932.h"

namespace tamikaze {
namespace {

using namespace tamikaze::literals;
using test::AnswerNextModal;
using test::TempFolder;
namespace fs = std::filesystem;

// Counts the close events the window gets.
struct CloseCounter : QObject {
  int closes = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Close) ++closes;
    return false;
  }
};

// Types the path into the open dialog's file-name box and opens it.
void PickFile(QWidget* dialog, const std::string& path) {
  dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(path));
  static_cast<QDialog*>(dialog)->accept();
}

class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() : env(test::TestEnvironment(tmp)) {}
  TMainForm& Form() {
    if (!form) {
      form = std::make_unique<TMainForm>(main, env);
      form->SetDocumentOpener([this](const std::string& path) { opened.push_back(path); });
    }
    return *form;
  }
  template <typename T = QWidget>
  T* Child(const char* name) {
    return Form().findChild<T*>(QString::fromLatin1(name));
  }
  // Answers the next modal window with a click on its button `button`,
  // keeping what the window showed in `seen`.
  void ClickInNextModal(const char* button, QStringList* seen = nullptr) {
    AnswerNextModal([button, seen](QWidget* modal) {
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (seen != nullptr) seen->push_back(box->text());
        return box->accept();
      }
      if (seen != nullptr) {
        for (auto* label : modal->findChildren<QLabel*>()) seen->push_back(label->text());
      }
      QTest::mouseClick(modal->findChild<QPushButton*>(button), Qt::LeftButton);
    });
  }

  TempFolder tmp;
  Environment env;
  Main main;
  std::unique_ptr<TMainForm> form;
  std::vector<std::string> opened;
};

TEST_F(MainFormTest, ComponentsAndTheirCaptions) {
  QStringList captions, folders;
  for (const char* name :
       {"LoadBtn", "TamikazeBtn", "ShuryouBtn", "TamikazeHenkouBtn", "TamikazeHyoByn",
        "OutputHenkouBtn", "OutputHyoBtn", "ReadHenkouBtn", "ReadHyoBtn"}) {
    auto* button = Child<QPushButton>(name);
    captions << (button != nullptr ? button->text() : QString("missing ") + name);
  }
  EXPECT_EQ(captions, (QStringList{"データの読込＆変換", "Tamikazeを起動して終了", "終了", "変更",
                                   "標準", "変更", "標準", "変更", "標準"}));
  for (const char* name : {"TamikazeEdit", "OutputEdit", "ReadEdit"}) {
    folders << Child<QLineEdit>(name)->text();
  }
  EXPECT_EQ(folders,
            QString::fromStdString(main.TamikazeDir + "|" + main.OutputDir + "|" + main.ReadDir)
                .split('|'));
  EXPECT_TRUE(Child<QPushButton>("LoadBtn")->font().bold());
  EXPECT_EQ(Form().centralWidget()->size(), QSize(kMainWindowWidth, kMainWindowHeight));
  EXPECT_EQ(Form().minimumSize(), Form().maximumSize());
  EXPECT_FALSE(Form().windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainFormTest, MenuBarOrderAndItems) {
  QStringList top;
  for (QAction* action : Form().menuBar()->actions()) top << action->text();
  EXPECT_EQ(top, (QStringList{"初めて使う方", "ヘルプ", "終了", "お知らせ", "おまけ"}));
  const std::pair<const char*, QStringList> menus[] = {
      {"HelpMnu", {"HintMnu", "Jravan", "Keibadou", "N3"}},
      {"ShuryouMnu", {"Exit2"}},
      {"OshiraseMnu", {"About1"}},
      {"OmakeMnu", {"OmakeHelpMenu"}},
  };
  for (const auto& [menu, items] : menus) {
    QStringList names;
    for (QAction* action : Child<QMenu>(menu)->actions()) names << action->objectName();
    EXPECT_EQ(names, items) << menu;
  }
  EXPECT_EQ(Form().menuBar()->actions().front()->objectName(), "HajimeteMnu");
}

TEST_F(MainFormTest, ResetQuestionIsCentredAndOnlyYesActs) {
  Form().move(100, 60);
  const std::string before = main.OutputDir;
  QPoint at, expected;
  QStringList seen;
  AnswerNextModal([&](QWidget* modal) {
    at = modal->pos();
    expected = CentredOn(Form().frameGeometry(), modal->frameSize());
    seen << modal->windowTitle();
    for (auto* label : modal->findChildren<QLabel*>()) seen << label->text();
    QTest::mouseClick(modal->findChild<QPushButton*>("IieBtn"), Qt::LeftButton);
  });
  Form().OutputHyoBtnClick();
  EXPECT_EQ(main.OutputDir, before);
  EXPECT_EQ(seen,
            (QStringList{"確認", "レースファイルを展開する場所", "を標準の場所に戻します。"}));
  EXPECT_EQ(at, expected);

  ClickInNextModal("HaiBtn");
  Form().OutputHyoBtnClick();
  EXPECT_EQ(main.OutputDir, JoinFolder(main.TamikazeDir, "RaceFile"));
  EXPECT_EQ(Child<QLineEdit>("OutputEdit")->text().toStdString(), main.OutputDir);
}

TEST_F(MainFormTest, ChooserOnTheCornerAndTheMissingExeMessage) {
  Form().move(80, 30);
  const std::string before = main.TamikazeDir;
  const QString empty = QString::fromStdString(tmp.Folder("no-exe"));
  QPoint at;
  QString caption;
  QStringList message;
  AnswerNextModal([&](QWidget* modal) {
    auto* chooser = qobject_cast<TDirForm*>(modal);
    ASSERT_NE(chooser, nullptr);
    at = chooser->pos();
    caption = chooser->windowTitle();
    chooser->SetDirectory(empty);
    ClickInNextModal("", &message);
    QTest::mouseClick(chooser->KanryouBtn, Qt::LeftButton);
  });
  Form().TamikazeHenkouBtnClick();
  EXPECT_EQ(at, Form().frameGeometry().topLeft());
  EXPECT_EQ(caption, "「Tamikaze」のインストールしてある場所の変更");
  EXPECT_EQ(message, QStringList{kNoTamikazeExeInFolder});
  EXPECT_EQ(main.TamikazeDir, before);
}

TEST_F(MainFormTest, TwoHelpItemsInARowShareTheOneViewer) {
  tmp.File("app/Tamdata/Hint.dat", "ヒントの本文"_sj);
  tmp.File("app/Tamdata/Baken.dat", "馬券の本文"_sj);
  Form().move(40, 20);
  auto* hint = Child<QAction>("HintMnu");
  auto* baken = Child<QAction>("N3");
  hint->trigger();
  EXPECT_EQ(Form().TextForm().TextMemo->toPlainText(), "ヒントの本文");
  baken->trigger();
  EXPECT_EQ(Form().TextForm().TextMemo->toPlainText(), "馬券の本文");
  EXPECT_TRUE(Form().TextForm().isVisible());
  EXPECT_EQ(Form().TextForm().pos(), Form().frameGeometry().topLeft());
  int viewers = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (qobject_cast<TTextForm*>(window) != nullptr) ++viewers;
  }
  EXPECT_EQ(viewers, 1);
}

TEST_F(MainFormTest, MissingHelpFileIsSaidAndTheViewerStaysHidden) {
  QStringList seen;
  ClickInNextModal("", &seen);
  Child<QAction>("HajimeteMnu")->trigger();
  ASSERT_EQ(seen.size(), 1);
  EXPECT_TRUE(seen.front().contains("Hajimete.dat"));
  EXPECT_FALSE(Form().TextForm().isVisible());
}

// "終了" closes the window; the launch without Tamikaze.exe says so and the
// program stays open.
TEST_F(MainFormTest, LaunchRefusedWhenTamikazeExeIsMissing) {
  CloseCounter counter;
  Form().installEventFilter(&counter);
  QStringList seen;
  ClickInNextModal("", &seen);
  Form().TamikazeBtnClick();
  EXPECT_EQ(seen, QStringList{kTamikazeExeMissing});
  EXPECT_EQ(counter.closes, 0);
  Form().ShuryouBtnClick();
  EXPECT_EQ(counter.closes, 1);
}

TEST_F(MainFormTest, AboutBoxShowsThreeLines) {
  QStringList seen;
  ClickInNextModal("TojiruBtn", &seen);
  Form().About1Click();
  ASSERT_EQ(seen.size(), 8);
  EXPECT_EQ(seen[0], "TamikazeNetData");
  EXPECT_TRUE(seen[1].startsWith("バージョン ") && seen[1].size() > 6);
  EXPECT_EQ(seen[2].toStdString(), Cp932ToUtf8(CopyrightLine()));
  EXPECT_TRUE(seen[3].isEmpty());
  EXPECT_EQ(main.PrintMode, 3);
}

// Without the library: the notice, the read-me, and the window closes with
// its position saved.
TEST_F(MainFormTest, MissingLibraryShowsNoticeOpensReadmeAndCloses) {
  Form().move(33, 44);
  QStringList seen;
  ClickInNextModal("TojiruBtn", &seen);
  Form().show();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !opened.empty(); }, 3000));
  const auto& notice = MissingLibraryNotice();
  ASSERT_EQ(seen.size(), 8);
  for (std::size_t k = 0; k < notice.size(); ++k) EXPECT_EQ(seen[k].toStdString(), notice[k]);
  EXPECT_TRUE(seen[7].isEmpty());
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(fs::path(opened.front()).filename(), "Readme.txt");
  EXPECT_EQ(Form().Archive(), nullptr);
  std::ifstream ini(SettingsFilePath(env));
  int left = 0, top = 0;
  ini >> left >> top;
  EXPECT_EQ(QPoint(left, top), QPoint(33, 44));
}

// The import button with the real LHA library beside the test program: the
// archive dialog answered, race files written, the wait cursor given back.
TEST_F(MainFormTest, ImportButtonConvertsTheSampleArchive) {
  env.exeDir = QCoreApplication::applicationDirPath().toStdString();
  const std::string downloads = tmp.Folder("downloads");
  fs::copy_file(TAMIKAZE_SAMPLE_ARCHIVE, downloads + "/sample.lzh");
  Form();
  main.TamikazeDir = tmp.Folder("tamikaze");
  tmp.File("tamikaze/Tamikaze.exe");
  main.OutputDir = tmp.Folder("races");
  main.LoadDlgInitialDir = downloads;

  QString title, startFolder;
  AnswerNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    startFolder = dialog->directory().absolutePath();
    PickFile(dialog, downloads + "/sample.lzh");
  });
  Form().LoadBtnClick();
  EXPECT_EQ(title.toStdString(), import_texts::kArchiveTitle);
  EXPECT_EQ(startFolder.toStdString(), downloads);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  int raceFiles = 0;
  for (const auto& entry : fs::directory_iterator(main.OutputDir + "/sampleS")) {
    raceFiles += entry.path().extension() == ".uma";
  }
  EXPECT_GT(raceFiles, 0);

  // A file in the way of the race folder ends the import after the wait
  // window: the error is said, and the wait window and cursor are gone.
  fs::rename(main.OutputDir + "/sampleS", tmp.path() / "first-import");
  tmp.File("races/sampleS");
  QStringList seen;
  bool waitShownAtError = true;
  AnswerNextModal([&](QWidget* modal) {
    AnswerNextModal([&](QWidget* box) {
      waitShownAtError = Form().findChild<TWaitForm*>() != nullptr;
      seen.push_back(qobject_cast<QMessageBox*>(box)->text());
      static_cast<QDialog*>(box)->accept();
    });
    PickFile(modal, downloads + "/sample.lzh");
  });
  Form().LoadBtnClick();
  ASSERT_EQ(seen.size(), 1);
  EXPECT_FALSE(seen.front().isEmpty());
  EXPECT_FALSE(waitShownAtError);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace tamikaze
