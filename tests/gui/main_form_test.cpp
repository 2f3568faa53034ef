// The main window: its components and menu, and its commands with the
// dialogs answered by the test.

#include "app/gui/main_form.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

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
namespace fs = std::filesystem;

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
  // Answers the next modal window: a message box with OK, any other window
  // with a click on `button`. Keeps the texts it showed in `seen` and its
  // frame in `modalFrame`.
  void ClickInNextModal(const char* button) {
    AnswerNextModal([this, button](QWidget* modal) {
      modalFrame = modal->frameGeometry();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen << box->text();
        return box->accept();
      }
      for (auto* label : modal->findChildren<QLabel*>()) seen << label->text();
      QTest::mouseClick(modal->findChild<QPushButton*>(button), Qt::LeftButton);
    });
  }
  // The window position in the settings file.
  QPoint SavedPosition() {
    std::ifstream ini(SettingsFilePath(env));
    QPoint saved;
    ini >> saved.rx() >> saved.ry();
    return saved;
  }
  // The "text" of each child named in `names` (space separated).
  QStringList Texts(const QString& names) {
    QStringList texts;
    for (const QString& name : names.split(' ')) {
      QWidget* child = Form().findChild<QWidget*>(name);
      texts << (child != nullptr ? child->property("text").toString() : "missing " + name);
    }
    return texts;
  }

  test::TempFolder tmp;
  Environment env;
  Main main;
  std::unique_ptr<TMainForm> form;
  std::vector<std::string> opened;
  QStringList seen;
  QRect modalFrame;
};

TEST_F(MainFormTest, ComponentsAndMenu) {
  EXPECT_EQ(Texts("LoadBtn TamikazeBtn ShuryouBtn TamikazeHenkouBtn TamikazeHyoByn "
                  "OutputHenkouBtn OutputHyoBtn ReadHenkouBtn ReadHyoBtn"),
            (QStringList{"データの読込＆変換", "Tamikazeを起動して終了", "終了", "変更", "標準",
                         "変更", "標準", "変更", "標準"}));
  EXPECT_EQ(Texts("TamikazeEdit OutputEdit ReadEdit").join('|').toStdString(),
            main.TamikazeDir + "|" + main.OutputDir + "|" + main.ReadDir);
  EXPECT_TRUE(Child<QPushButton>("LoadBtn")->font().bold());
  EXPECT_EQ(Form().centralWidget()->size(), QSize(kMainWindowWidth, kMainWindowHeight));
  EXPECT_EQ(Form().minimumSize(), Form().maximumSize());
  EXPECT_FALSE(Form().windowFlags() & Qt::WindowMaximizeButtonHint);

  QStringList top;
  for (QAction* action : Form().menuBar()->actions()) top << action->text();
  EXPECT_EQ(top, (QStringList{"初めて使う方", "ヘルプ", "終了", "お知らせ", "おまけ"}));
  EXPECT_EQ(Form().menuBar()->actions().front()->objectName(), "HajimeteMnu");
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
}

TEST_F(MainFormTest, ResetQuestionIsCentredAndOnlyYesActs) {
  Form().move(100, 60);
  const std::string before = main.OutputDir;
  ClickInNextModal("IieBtn");
  Form().OutputHyoBtnClick();
  EXPECT_EQ(main.OutputDir, before);
  EXPECT_EQ(seen, (QStringList{"レースファイルを展開する場所", "を標準の場所に戻します。"}));
  EXPECT_EQ(modalFrame.topLeft(), CentredOn(Form().frameGeometry(), modalFrame.size()));

  ClickInNextModal("HaiBtn");
  Form().OutputHyoBtnClick();
  EXPECT_EQ(main.OutputDir, JoinFolder(main.TamikazeDir, "RaceFile"));
  EXPECT_EQ(Child<QLineEdit>("OutputEdit")->text().toStdString(), main.OutputDir);
}

TEST_F(MainFormTest, ChooserOnTheCornerAndTheMissingExeMessage) {
  Form().move(80, 30);
  const std::string before = main.TamikazeDir;
  QPoint at;
  AnswerNextModal([&](QWidget* modal) {
    auto* chooser = qobject_cast<TDirForm*>(modal);
    ASSERT_NE(chooser, nullptr);
    at = chooser->pos();
    chooser->SetDirectory(QString::fromStdString(tmp.Folder("no-exe")));
    ClickInNextModal("");
    QTest::mouseClick(chooser->KanryouBtn, Qt::LeftButton);
  });
  Form().TamikazeHenkouBtnClick();
  EXPECT_EQ(at, Form().frameGeometry().topLeft());
  EXPECT_EQ(seen, QStringList{kNoTamikazeExeInFolder});
  EXPECT_EQ(main.TamikazeDir, before);
}

// A missing help file is said and leaves the viewer hidden; two items in a
// row replace the text of the one viewer.
TEST_F(MainFormTest, HelpItemsShareTheOneViewer) {
  ClickInNextModal("");
  Child<QAction>("HajimeteMnu")->trigger();
  ASSERT_EQ(seen.size(), 1);
  EXPECT_TRUE(seen.front().contains("Hajimete.dat"));
  EXPECT_FALSE(Form().TextForm().isVisible());

  tmp.File("app/Tamdata/Hint.dat", "ヒントの本文"_sj);
  tmp.File("app/Tamdata/Baken.dat", "馬券の本文"_sj);
  Form().move(40, 20);
  Child<QAction>("HintMnu")->trigger();
  EXPECT_EQ(Form().TextForm().TextMemo->toPlainText(), "ヒントの本文");
  Child<QAction>("N3")->trigger();
  EXPECT_EQ(Form().TextForm().TextMemo->toPlainText(), "馬券の本文");
  EXPECT_TRUE(Form().TextForm().isVisible());
  EXPECT_EQ(Form().TextForm().pos(), Form().frameGeometry().topLeft());
}

// The launch without Tamikaze.exe says so and the program stays open; "終了"
// closes it, saving the window's position.
TEST_F(MainFormTest, LaunchRefusedWhenTamikazeExeIsMissing) {
  Form().move(12, 34);
  ClickInNextModal("");
  Form().TamikazeBtnClick();
  EXPECT_EQ(seen, QStringList{kTamikazeExeMissing});
  EXPECT_EQ(SavedPosition(), QPoint(0, 0));  // the first start's, still
  Form().ShuryouBtnClick();
  EXPECT_EQ(SavedPosition(), Form().frameGeometry().topLeft());
}

TEST_F(MainFormTest, AboutBoxShowsThreeLines) {
  ClickInNextModal("TojiruBtn");
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
  ClickInNextModal("TojiruBtn");
  Form().show();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !opened.empty(); }, 3000));
  QStringList notice;
  for (const std::string& line : MissingLibraryNotice()) notice << QString::fromStdString(line);
  EXPECT_EQ(seen, notice << "");
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(fs::path(opened.front()).filename(), "Readme.txt");
  EXPECT_EQ(Form().Archive(), nullptr);
  EXPECT_EQ(SavedPosition(), QPoint(33, 44));
}

// The import button with the real LHA library beside the test program: the
// archive dialog answered, race files written, the wait cursor given back.
TEST_F(MainFormTest, ImportButtonConvertsTheSampleArchive) {
  env.exeDir = QCoreApplication::applicationDirPath().toStdString();
  const std::string archive = tmp.Folder("downloads") + "/sample.lzh";
  fs::copy_file(TAMIKAZE_SAMPLE_ARCHIVE, archive);
  Form();
  main.TamikazeDir = tmp.Folder("tamikaze");
  tmp.File("tamikaze/Tamikaze.exe");
  main.OutputDir = tmp.Folder("races");
  main.LoadDlgInitialDir = tmp.Folder("downloads");

  QString title, startFolder;
  AnswerNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    startFolder = dialog->directory().absolutePath();
    PickFile(dialog, archive);
  });
  Form().LoadBtnClick();
  EXPECT_EQ(title.toStdString(), import_texts::kArchiveTitle);
  EXPECT_EQ(startFolder.toStdString(), main.LoadDlgInitialDir);
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
  bool waitShownAtError = true;
  AnswerNextModal([&](QWidget* modal) {
    AnswerNextModal([&](QWidget* box) {
      waitShownAtError = Form().findChild<TWaitForm*>() != nullptr;
      seen << qobject_cast<QMessageBox*>(box)->text();
      static_cast<QDialog*>(box)->accept();
    });
    PickFile(modal, archive);
  });
  Form().LoadBtnClick();
  ASSERT_EQ(seen.size(), 1);
  EXPECT_FALSE(seen.front().isEmpty());
  EXPECT_FALSE(waitShownAtError);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace tamikaze
