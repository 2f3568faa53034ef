// The main window: its components and menu, and its commands with the
// dialogs answered by the test.

#include "app/gui/main_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>

#include <QTest>
#include <QtWidgets>

#include "app/activation.h"
#include "app/desktop_arguments.h"
#include "app/folder_commands.h"
#include "app/gui/dir_form.h"
#include "app/gui/form_style.h"
#include "app/gui/text_form.h"
#include "app/gui/translations.h"
#include "app/launch.h"
#include "app/locale_notice.h"
#include "app/startup.h"
#include "convert/localhtml/page_import.h"
#include "import/import_texts.h"
#include "import/local_page_import.h"
#include "racefile/blocks.h"
#include "tests/gui/cut_off_texts.h"
#include "tests/support/scratch_folder.h"
#include "text/cp932.h"

namespace tamikaze {
namespace {

using namespace tamikaze::literals;
namespace fs = std::filesystem;

// Receives the URLs the desktop is asked to open (QDesktopServices).
class UrlCatcher : public QObject {
  Q_OBJECT

 public slots:
  void Catch(const QUrl& url) { urls << url; }

 public:
  QList<QUrl> urls;
};

class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() {
    form.SetDocumentOpener([this](const std::string& path) { opened.push_back(path); });
  }
  void TearDown() override { EXPECT_EQ(cutOff.join("\n").toStdString(), ""); }
  // Answers the next modal windows, one step each: a file or folder dialog
  // opens the path of the step ("" goes back), a message box is accepted,
  // any other window gets a click on the button named by the step. Logs in
  // `seen` what each showed ("title @ start folder" for the dialogs) and a
  // message shown under the wait cursor; keeps each frame in `frames`, a
  // chooser's drive list in `drives`, each file dialog's name and filters
  // in `fileDialogs`, and what a window of ours cut off in `cutOff` (checked
  // for every test at its end).
  void AnswerModals(QStringList steps) {
    auto* timer = new QTimer(&form);  // gone with the window if never needed
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [this, timer, steps]() mutable {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      timer->deleteLater();
      timer->stop();
      const QString step = steps.takeFirst();
      if (!steps.isEmpty()) AnswerModals(steps);  // once this one is closed
      frames << modal->frameGeometry();
      auto* chooser = qobject_cast<TDirForm*>(modal);
      auto* file = qobject_cast<QFileDialog*>(modal);
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (file != nullptr)
        fileDialogs << file->objectName() + ": " + file->nameFilters().join(";;");
      if (file == nullptr && box == nullptr)
        cutOff << CutOffTexts(*modal);  // Qt's lay themselves out
      if (chooser != nullptr || file != nullptr) {
        seen << modal->windowTitle() + " @ " +
                    (chooser ? chooser->Directory() : file->directory().absolutePath());
        if (step.isEmpty()) return static_cast<QDialog*>(modal)->reject();
        if (chooser) {
          for (int i = 0; i < chooser->DriveBox->count(); ++i) {
            drives << chooser->DriveBox->itemText(i);
          }
          chooser->SetDirectory(step);
        }
        if (file) file->findChild<QLineEdit*>("fileNameEdit")->setText(step);
        return static_cast<QDialog*>(modal)->accept();
      }
      if (box != nullptr) {
        seen << box->text();
        if (QApplication::overrideCursor() != nullptr) seen << "under the wait cursor";
        return box->accept();
      }
      for (auto* label : modal->findChildren<QLabel*>()) seen << label->text();
      QTest::mouseClick(modal->findChild<QPushButton*>(step), Qt::LeftButton);
    });
    timer->start();
  }
  // Home, config, cache, Wine prefix and the program's folder in the test's
  // folder; only home and the program's folder exist.
  Environment TestEnvironment() {
    Environment env;
    env.home = scratch.Folder("home");
    env.xdgConfigHome = scratch.Path() / "config";
    env.xdgCacheHome = scratch.Path() / "cache";
    env.winePrefix = scratch.Path() / "wine";
    env.exeDir = scratch.Folder("app");
    return env;
  }
  // The window position in the settings file.
  QPoint SavedPosition() {
    std::ifstream ini(SettingsFilePath(env));
    QPoint saved;
    ini >> saved.rx() >> saved.ry();
    return saved;
  }
  // What the archive import needs: the real library beside the test
  // program, Tamikaze.exe and the race-file folder. Returns the sample
  // archive, copied into `folder`.
  std::string ReadyToImport(const std::string& folder) {
    main.AppDir = QCoreApplication::applicationDirPath().toStdString();
    main.TamikazeDir = scratch.Folder("tamikaze");
    scratch.File("tamikaze/Tamikaze.exe");
    main.OutputDir = scratch.Folder("races");
    const std::string archive = scratch.Folder(folder) / "sample.lzh";
    fs::copy_file(TAMIKAZE_SAMPLE_ARCHIVE, archive);
    return archive;
  }
  // The race files of the sample's race folder.
  int SampleRaceFiles() {
    std::error_code ec;
    int count = 0;
    for (const auto& entry : fs::directory_iterator(scratch.Path() / "races/sampleS", ec)) {
      count += entry.path().extension() == ".uma";
    }
    return count;
  }
  // Whether the window takes a drag of `urls`; dropped too when `drop`.
  bool Drag(const QList<QUrl>& urls, bool drop = false) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter({10, 40}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(&form, &enter);
    if (!enter.isAccepted() || !drop) return enter.isAccepted();
    QDropEvent dropped(QPointF(10, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &dropped);
    return dropped.isAccepted();
  }
  // The object names, or the texts, of `actions`.
  static QStringList Names(const QList<QAction*>& actions, bool texts = false) {
    QStringList names;
    for (QAction* action : actions) names << (texts ? action->text() : action->objectName());
    return names;
  }
  static QStringList Lines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) list << QString::fromStdString(line);
    return list;
  }

  testing::ScratchFolder scratch;
  Environment env = TestEnvironment();
  Main main;
  std::vector<std::string> opened;
  QStringList seen;
  QStringList drives;       // the drive list of the last chooser
  QStringList fileDialogs;  // object name and filters of each file dialog
  QStringList cutOff;       // texts our dialogs did not show whole
  QList<QRect> frames;
  TMainForm form{main, env};
};

TEST_F(MainFormTest, ComponentsAndMenu) {
  QStringList captions;
  for (const char* name :
       {"LoadBtn", "TamikazeBtn", "ShuryouBtn", "TamikazeHenkouBtn", "TamikazeHyoByn",
        "OutputHenkouBtn", "OutputHyoBtn", "ReadHenkouBtn", "ReadHyoBtn"}) {
    auto* button = form.findChild<QPushButton*>(name);
    captions << (button != nullptr ? button->text() : QString("missing ") + name);
  }
  EXPECT_EQ(captions, (QStringList{"データの読込＆変換", "Tamikazeを起動して終了", "終了", "変更",
                                   "標準", "変更", "標準", "変更", "標準"}));
  // The designed client area, and the status line below it.
  EXPECT_EQ(form.centralWidget()->size(), QSize(kMainWindowWidth, kMainWindowHeight + 28));
  EXPECT_EQ(form.findChild<QPushButton*>("FolderHirakuBtn")->text(), "フォルダを開く");
  EXPECT_FALSE(form.findChild<QPushButton*>("FolderHirakuBtn")->isEnabled());
  EXPECT_EQ(form.findChild<QLabel*>("JoukyouLbl")->text(), "");
  EXPECT_EQ(CutOffTexts(form).join("\n").toStdString(), "");
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);

  const QList<QAction*> top = form.menuBar()->actions();
  EXPECT_EQ(Names(top, true),
            (QStringList{"初めて使う方", "ヘルプ", "終了", "お知らせ", "おまけ"}));
  EXPECT_EQ(Names(top).front(), "HajimeteMnu");
  const std::pair<const char*, QStringList> menus[] = {
      {"HelpMnu", {"HintMnu", "Jravan", "Keibadou", "N3"}},
      {"ShuryouMnu", {"Exit2"}},
      {"OshiraseMnu", {"About1"}},
      {"OmakeMnu", {"ChihouMenu", "OmakeHelpMenu"}},
  };
  for (const auto& [menu, items] : menus) {
    EXPECT_EQ(Names(form.findChild<QMenu*>(menu)->actions()), items) << menu;
  }
  EXPECT_EQ(form.findChild<QAction*>("ChihouMenu")->text(), "地方競馬出馬表の読込＆変換");
}

// The bonus command picks a page in LoadDlg2, which starts next time in the
// page's folder, and writes its race file; a second pick of the same page is
// refused, a file of another site gets the message window, and a page that
// ends in an error its box.
TEST_F(MainFormTest, ChihouMenuConvertsASavedPage) {
  ReadyToImport("read");
  main.LoadDlg2InitialDir = scratch.Folder("read");
  const std::string sample = testing::ReadBytes(TAMIKAZE_SAMPLE_PAGE);
  const QString page = QString::fromStdString(scratch.File("pages/race.html", sample).string());
  const QString other = QString::fromStdString(scratch.File("pages/other.htm", "<HTML>").string());
  std::size_t line200 = 0;  // the page cut after 200 lines, inside its third runner
  for (int i = 0; i < 200; ++i) line200 = sample.find('\n', line200) + 1;
  const QString cut =
      QString::fromStdString(scratch.File("pages/cut.txt", sample.substr(0, line200)).string());
  QAction* chihou = form.findChild<QAction*>("ChihouMenu");
  AnswerModals({page});
  chihou->trigger();
  const QString title = "地方競馬出馬表（地方競馬情報サイトのホームページ）ソースファイルの読込";
  EXPECT_EQ(seen, QStringList{title + " @ " + QString::fromStdString(scratch.Path() / "read")});
  EXPECT_EQ(fileDialogs,
            QStringList{"LoadDlg2: 地方競馬情報サイトの出馬表ソースファイル（.html .htm "
                        ".txt） (*.html *.htm *.txt)"});
  LocalPageState converted;
  ConvertLocalPage(converted, sample);
  EXPECT_EQ(testing::ReadBytes(scratch.Path() / "races/race.uma"), converted.SaveLst.FileBytes());
  EXPECT_EQ(main.LoadDlg2InitialDir, (scratch.Path() / "pages").string());

  for (const QString& pick : {page, other, cut}) {
    AnswerModals({pick, "TojiruBtn"});
    chihou->trigger();
  }
  EXPECT_EQ(seen.mid(1, 2),
            (QStringList{title + " @ " + QString::fromStdString(main.LoadDlg2InitialDir),
                         QString::fromStdString(RaceFileExistsMessage("race.uma"))}));
  EXPECT_EQ(seen.mid(4, 8), Lines(NotLocalPageLines()) + QStringList(4, ""));
  ASSERT_EQ(seen.size(), 14);
  EXPECT_TRUE(seen[13].startsWith(kPageCutShort)) << seen[13].toStdString();
  EXPECT_EQ(std::distance(fs::directory_iterator(main.OutputDir), fs::directory_iterator()), 1);
}

// A chosen folder without Tamikaze.exe is refused with the message; with it,
// the race-file folder follows only on "はい" to the second question. The
// chooser lies on the window's corner.
TEST_F(MainFormTest, TamikazeFolderChange) {
  main.TamikazeDir = scratch.Folder("old-tamikaze");
  main.OutputDir = scratch.Folder("old-output");
  form.move(80, 30);
  const QStringList question{"レースファイルを展開する場所", "も同じ場所にします。"};
  for (const auto& [folder, answer] :
       {std::pair{"no-exe", ""}, {"t-no", "IieBtn"}, {"t-yes", "HaiBtn"}}) {
    SCOPED_TRACE(folder);
    const std::string chosen = scratch.Folder(folder);
    const bool hasExe = *answer != '\0', yes = answer == std::string("HaiBtn");
    if (hasExe) scratch.File(folder + std::string("/Tamikaze.exe"));
    const Main before = main;
    seen.clear();
    frames.clear();
    AnswerModals({QString::fromStdString(chosen), answer});
    form.TamikazeHenkouBtnClick();
    EXPECT_EQ(frames.front().topLeft(), form.frameGeometry().topLeft());
    EXPECT_EQ(main.TamikazeDir, hasExe ? chosen : before.TamikazeDir);
    EXPECT_EQ(main.OutputDir, yes ? chosen + "/RaceFile" : before.OutputDir);
    EXPECT_EQ(fs::is_directory(chosen + "/RaceFile"), yes);
    EXPECT_EQ(seen, QStringList{QString::fromStdString(
                        "「Tamikaze」のインストールしてある場所の変更 @ " + before.TamikazeDir)} +
                        (hasExe ? question : QStringList{kNoTamikazeExeInFolder}));
  }
}

// Each "変更" starts the chooser at the program's folder when its folder is
// gone, and going back leaves the program's folder in the row.
TEST_F(MainFormTest, MissingFolderStartsChooserAtAppDir) {
  const std::tuple<std::string Main::*, void (TMainForm::*)(), const char*> rows[] = {
      {&Main::TamikazeDir, &TMainForm::TamikazeHenkouBtnClick,
       "「Tamikaze」のインストールしてある場所の変更"},
      {&Main::OutputDir, &TMainForm::OutputHenkouBtnClick, "レースファイルを展開する場所の変更"},
      {&Main::ReadDir, &TMainForm::ReadHenkouBtnClick, "「JRA-VAN，競馬道データ」のある場所の変更"},
  };
  for (const auto& [folder, command, caption] : rows) {
    main.*folder = scratch.Path() / "gone";
    seen.clear();
    AnswerModals({""});
    (form.*command)();
    EXPECT_EQ(seen, QStringList{caption + QString::fromStdString(" @ " + main.AppDir)});
    EXPECT_EQ(main.*folder, main.AppDir) << caption;
  }
}

// Each "標準" asks first, centred on the window, and "いいえ" changes nothing;
// on "はい" the default race-file folder is named, not created, while the
// Tamikaze folder is missing.
TEST_F(MainFormTest, ResetAsksFirst) {
  form.move(100, 60);
  main.TamikazeDir = main.OutputDir = main.ReadDir = scratch.Folder("chosen");
  const Main before = main;
  AnswerModals({"IieBtn", "IieBtn", "IieBtn"});
  form.TamikazeHyoBynClick();
  form.OutputHyoBtnClick();
  form.ReadHyoBtnClick();
  const QString back = "を標準の場所に戻します。";
  EXPECT_EQ(seen,
            (QStringList{"「Tamikaze」のインストールしてある場所", back,
                         "レースファイルを展開する場所", back, "JRA-VANデータのある場所", back}));
  EXPECT_EQ(frames[1].topLeft(), CentredOn(form.frameGeometry(), frames[1].size()));
  EXPECT_EQ(std::tie(main.TamikazeDir, main.OutputDir, main.ReadDir),
            std::tie(before.TamikazeDir, before.OutputDir, before.ReadDir));

  main.TamikazeDir = scratch.Path() / "removed";
  AnswerModals({"HaiBtn"});
  form.OutputHyoBtnClick();
  EXPECT_EQ(main.OutputDir, main.TamikazeDir + "/RaceFile");
  EXPECT_FALSE(fs::exists(main.TamikazeDir));
  EXPECT_EQ(form.findChild<QLineEdit*>("OutputEdit")->toolTip().toStdString(), main.OutputDir);
}

// Two items in a row replace the text of the one viewer, shown on the
// window's corner.
TEST_F(MainFormTest, HelpItemsShareTheOneViewer) {
  scratch.File("app/Tamdata/Hint.dat", "ヒントの本文"_sj);
  scratch.File("app/Tamdata/Baken.dat", "馬券の本文"_sj);
  form.move(40, 20);
  form.findChild<QAction*>("HintMnu")->trigger();
  EXPECT_EQ(form.TextForm().TextMemo->toPlainText(), "ヒントの本文");
  form.findChild<QAction*>("N3")->trigger();
  EXPECT_EQ(form.TextForm().TextMemo->toPlainText(), "馬券の本文");
  EXPECT_TRUE(form.TextForm().isVisible());
  EXPECT_EQ(form.TextForm().pos(), form.frameGeometry().topLeft());
}

// The launch without Tamikaze.exe says so and the program stays open; "終了"
// closes it, saving the window's position.
TEST_F(MainFormTest, LaunchRefusedWhenTamikazeExeIsMissing) {
  form.move(12, 34);
  AnswerModals({""});
  form.TamikazeBtnClick();
  EXPECT_EQ(seen, QStringList{kTamikazeExeMissing});
  EXPECT_EQ(SavedPosition(), QPoint(0, 0));  // the first start's, still
  form.ShuryouBtnClick();
  EXPECT_EQ(SavedPosition(), form.frameGeometry().topLeft());
}

// Tamikaze installed in a prefix of winetricks' (not ~/.wine): a new user's
// first start finds it, the chooser offers that prefix's C: drive, and the
// launch runs Wine in that prefix, in Japanese, and closes the window.
TEST_F(MainFormTest, TamikazeInAWinePrefixIsFoundChosenAndLaunchedThere) {
  const std::string prefix = env.home + "/.local/share/wineprefixes/keiba";
  const std::string tamikaze = prefix + "/drive_c/Program Files (x86)/Tamikaze";
  testing::WriteBytes(tamikaze + "/Tamikaze.exe", "");
  Environment newUser = env;
  newUser.xdgConfigHome = scratch.Path() / "new-user-config";
  Main newMain;
  TMainForm newForm(newMain, newUser);
  EXPECT_EQ(newForm.findChild<QLineEdit*>("TamikazeEdit")->toolTip().toStdString(), tamikaze);

  // In this window, whose first start found nothing: chosen in the chooser.
  AnswerModals({QString::fromStdString(tamikaze), "IieBtn"});
  form.TamikazeHenkouBtnClick();
  EXPECT_TRUE(drives.contains("C: ~/.local/share/wineprefixes/keiba"))
      << drives.join(", ").toStdString();
  EXPECT_EQ(main.TamikazeDir, tamikaze);

  const fs::path log = scratch.Path() / "wine.log";
  const std::string recorder = "#!/bin/sh\necho \"$WINEPREFIX $LANG $*\" > '" + log.string() +
                               ".tmp'; mv '" + log.string() + ".tmp' '" + log.string() + "'\n";
  fs::permissions(scratch.File("bin/wine", recorder), fs::perms::owner_all);
  form.SetLaunchContext({scratch.Path() / "bin", {"PATH=/usr/bin:/bin", "LANG=C"}, "ja_JP.UTF-8"});
  form.show();
  form.TamikazeBtnClick();
  EXPECT_FALSE(form.isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&log] { return fs::exists(log); }, 5000));
  EXPECT_EQ(testing::ReadBytes(log), prefix + " ja_JP.UTF-8 " + tamikaze + "/Tamikaze.exe\n");
}

// Wine without a Japanese locale still runs Tamikaze; the user is told once
// why its text will be garbled and how to install the locale, and the notice
// is remembered beside the settings, which stay as they were.
TEST_F(MainFormTest, LaunchWithoutJapaneseLocaleRunsAndTellsOnce) {
  main.AppDir = QCoreApplication::applicationDirPath().toStdString();  // the library's
  main.TamikazeDir = env.home + "/Tamikaze";
  testing::WriteBytes(main.TamikazeDir + "/Tamikaze.exe", "");
  const fs::path log = scratch.Path() / "wine.log";
  fs::permissions(scratch.File("bin/wine", "#!/bin/sh\necho run >> '" + log.string() + "'\n"),
                  fs::perms::owner_all);
  form.SetLaunchContext({scratch.Path() / "bin", {"PATH=/usr/bin:/bin", "LANG=C"}, ""});
  for (const bool first : {true, false}) {
    SCOPED_TRACE(first);
    seen.clear();
    form.show();
    if (first) AnswerModals({""});
    form.TamikazeBtnClick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(seen, first ? QStringList{kNoJapaneseLocale} : QStringList{});
    EXPECT_FALSE(LocaleNoticeDue(env));
  }
  ASSERT_TRUE(QTest::qWaitFor([&log] { return testing::ReadBytes(log) == "run\nrun\n"; }, 5000));
  const std::string settings = testing::ReadBytes(SettingsFilePath(env));
  EXPECT_EQ(std::count(settings.begin(), settings.end(), '\n'), 5) << settings;
}

// About: the program's name, its version and the copyright line, whole at
// any scale (see TearDown), centred on the window.
TEST_F(MainFormTest, AboutNamesTheVersionAndCopyright) {
  form.move(50, 40);
  AnswerModals({"TojiruBtn"});
  form.findChild<QAction*>("About1")->trigger();
  ASSERT_EQ(seen.size(), 8);
  EXPECT_EQ(seen.mid(0, 2), (QStringList{"TamikazeNetData", "バージョン " TAMIKAZE_VERSION}));
  EXPECT_TRUE(seen[2].startsWith("Copyright (c) ")) << seen[2].toStdString();
  EXPECT_EQ(frames.front().topLeft(), CentredOn(form.frameGeometry(), frames.front().size()));
}

// Without the library: the notice, the read-me, and the window closes with
// its position saved.
TEST_F(MainFormTest, MissingLibraryShowsNoticeOpensReadmeAndCloses) {
  form.move(33, 44);
  AnswerModals({"TojiruBtn"});
  form.show();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !opened.empty(); }, 3000));
  EXPECT_EQ(seen, Lines(MissingLibraryNotice()) << "");
  EXPECT_EQ(opened, std::vector<std::string>{main.AppDir + "/Readme.txt"});
  EXPECT_EQ(SavedPosition(), QPoint(33, 44));
}

// The import button with the real LHA library beside the test program: the
// archive dialog starts in its folder; a file in the way of the race folder
// ends the import after the wait window, and the error is said once the wait
// cursor is gone.
TEST_F(MainFormTest, ImportErrorIsShownAfterTheWaitWindow) {
  const std::string archive = ReadyToImport("downloads");
  main.LoadDlgInitialDir = scratch.Path() / "downloads";
  scratch.File("races/sampleS");
  AnswerModals({QString::fromStdString(archive), ""});
  form.LoadBtnClick();
  ASSERT_EQ(seen.size(), 2);
  EXPECT_EQ(seen[0].toStdString(),
            std::string(import_texts::kArchiveTitle) + " @ " + main.LoadDlgInitialDir);
  EXPECT_TRUE(seen[1].contains("races/sampleS")) << seen[1].toStdString();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// An archive and a page opened from a file manager are imported without
// their dialogs, which start next time in their folders.
TEST_F(MainFormTest, GivenFilesAreOpenedWithoutTheDialogs) {
  const std::string archive = ReadyToImport("elsewhere");
  const std::string sample = testing::ReadBytes(TAMIKAZE_SAMPLE_PAGE);
  const std::string page = scratch.File("pages/race.htm", sample).string();
  AnswerModals({""});
  form.OpenDocument(archive);
  form.OpenDocument(page);
  EXPECT_EQ(seen, QStringList{});
  EXPECT_EQ(SampleRaceFiles(), 11);
  EXPECT_EQ(main.LoadDlgInitialDir, scratch.Path() / "elsewhere");
  LocalPageState converted;
  ConvertLocalPage(converted, sample);
  EXPECT_EQ(testing::ReadBytes(main.OutputDir + "/race.uma"), converted.SaveLst.FileBytes());
  EXPECT_EQ(main.LoadDlg2InitialDir, scratch.Path() / "pages");
}

// A given file makes the checks of its command, and what cannot be opened
// is said; nothing is written.
TEST_F(MainFormTest, GivenFileRefusedWithItsMessage) {
  const std::string archive = ReadyToImport("downloads");
  const std::string page = scratch.File("downloads/race.html", "<HTML>");
  const std::string gone = scratch.Path() / "downloads/gone.lzh";
  // The file, whether Tamikaze is installed, and the message ("" for any).
  const std::tuple<std::string, bool, QString> cases[] = {
      {archive, false, QString::fromUtf8(import_texts::kNoTamikaze)},
      {scratch.File("downloads/notes.zip"), true, QString::fromUtf8(kNotADocument)},
      {gone, true, QString::fromStdString(DocumentMissingMessage(gone))},
      {page, false, QString::fromUtf8(import_texts::kNoTamikaze)},
  };
  for (const auto& [path, installed, message] : cases) {
    SCOPED_TRACE(path);
    main.TamikazeDir = installed ? scratch.Folder("tamikaze").string() : main.AppDir;
    seen.clear();
    AnswerModals({""});
    form.OpenDocument(path);
    ASSERT_EQ(seen.size(), 1);
    if (!message.isEmpty()) {
      EXPECT_EQ(seen.front(), message);
    }
    EXPECT_TRUE(fs::is_empty(main.OutputDir));
  }
}

// Only one local archive or page is taken by a drag; dropping the archive
// imports it.
// After an import the status line says how many race files went into which
// folder (its whole path as the tooltip), and "フォルダを開く" opens that
// folder in the file manager; a refusal is said by its first words, a
// cancelled dialog clears the line, and a page names its race file.
TEST_F(MainFormTest, TheStatusLineSaysWhatTheLastImportDid) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Catch");
  auto* status = form.findChild<QLabel*>("JoukyouLbl");
  auto* open = form.findChild<QPushButton*>("FolderHirakuBtn");
  const std::string archive = ReadyToImport("downloads");
  AnswerModals({QString::fromStdString(archive)});
  form.LoadBtnClick();
  EXPECT_EQ(status->text(), "レースファイル 11 個を「sampleS」に書きました。");
  EXPECT_EQ(status->toolTip().toStdString(), main.OutputDir + "/sampleS");
  ASSERT_TRUE(open->isEnabled());
  QTest::mouseClick(open, Qt::LeftButton);
  EXPECT_EQ(catcher.urls,
            QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(main.OutputDir + "/sampleS"))});

  AnswerModals({QString::fromStdString(archive), ""});  // the same archive again
  form.LoadBtnClick();
  EXPECT_TRUE(status->text().startsWith("読み込みませんでした: 展開先のフォルダ"))
      << status->text().toStdString();
  EXPECT_TRUE(
      status->toolTip().endsWith("圧縮ファイルのファイル名を変更してから、やり直して下さい。"));
  EXPECT_FALSE(open->isEnabled());

  AnswerModals({QString::fromStdString(
      scratch.File("pages/race.html", testing::ReadBytes(TAMIKAZE_SAMPLE_PAGE)).string())});
  form.ChihouMenuClick();
  EXPECT_EQ(status->text(), "「race.uma」を「races」に書きました。");
  EXPECT_TRUE(open->isEnabled());

  AnswerModals({""});  // cancelled
  form.LoadBtnClick();
  EXPECT_EQ(status->text(), "");
  EXPECT_FALSE(open->isEnabled());
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  EXPECT_EQ(CutOffTexts(form).join("\n").toStdString(), "");
}

// A folder too long for its field is shortened in the middle, its start and
// its last folders in sight; the tooltip holds it whole.
TEST_F(MainFormTest, LongFoldersAreShortenedInTheMiddle) {
  const std::string deep = scratch.Folder(
      "home/.wine/drive_c/Program Files (x86)/Tamikaze/RaceFile/2009/aki/shuki-kaisai/kyoto");
  AnswerModals({QString::fromStdString(deep)});
  form.ReadHenkouBtnClick();
  auto* field = form.findChild<QLineEdit*>("ReadEdit");
  EXPECT_EQ(field->toolTip().toStdString(), deep);
  EXPECT_TRUE(field->text().startsWith(QString::fromStdString(scratch.Path().string()).left(5)));
  EXPECT_TRUE(field->text().endsWith("shuki-kaisai/kyoto")) << field->text().toStdString();
  EXPECT_TRUE(field->text().contains(QChar(0x2026))) << field->text().toStdString();
  EXPECT_EQ(CutOffTexts(form).join("\n").toStdString(), "");
}

// Esc closes the help viewer as "閉じる" does.
TEST_F(MainFormTest, EscapeClosesTheHelpViewer) {
  scratch.File("app/Tamdata/Hint.dat", "ヒントの本文"_sj);
  form.findChild<QAction*>("HintMnu")->trigger();
  ASSERT_TRUE(form.TextForm().isVisible());
  QTest::keyClick(&form.TextForm(), Qt::Key_Escape);
  EXPECT_FALSE(form.TextForm().isVisible());
}

// The open dialog opens wide enough for its size, type and date columns to
// show whole, their headers too.
TEST_F(MainFormTest, TheOpenDialogShowsItsColumnsWhole) {
  ReadyToImport("downloads");
  main.LoadDlgInitialDir = scratch.Path() / "downloads";
  QStringList problems;
  auto* timer = new QTimer(&form);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [&problems, timer] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    timer->stop();
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (dialog == nullptr) {
      problems << "another window: " + modal->windowTitle();
      return static_cast<QDialog*>(modal)->reject();
    }
    QTest::qWait(50);  // the folder is listed
    auto* view = dialog->findChild<QTreeView*>("treeView");
    QHeaderView* header = view->header();
    for (int column = 1; column < header->count(); ++column) {
      const int needs = std::max(header->sectionSizeHint(column),
                                 static_cast<QAbstractItemView*>(view)->sizeHintForColumn(column));
      if (header->sectionSize(column) < needs) {
        problems << QStringLiteral("column %1: %2 < %3")
                        .arg(column)
                        .arg(header->sectionSize(column))
                        .arg(needs);
      }
    }
    if (dialog->width() < 760) problems << "narrow";
    dialog->reject();
  });
  timer->start();
  form.LoadBtnClick();
  EXPECT_EQ(problems.join("; ").toStdString(), "");
}

// Qt's own texts (the file dialog's, the fields' context menus) in Japanese.
TEST(QtTranslations, AreLoadedForTheLocale) {
  ASSERT_TRUE(InstallQtTranslations(*QCoreApplication::instance(), QLocale(QLocale::Japanese)));
  EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
  EXPECT_NE(QCoreApplication::translate("QLineEdit", "Select All"), "Select All");
  // The file dialog's type column, which the catalogue lacks.
  const QDir folder(QDir::tempPath());
  EXPECT_EQ(QFileIconProvider().type(QFileInfo(folder.absolutePath())), "フォルダ");
  for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
}

TEST_F(MainFormTest, DroppedArchiveIsImported) {
  const QUrl archive = QUrl::fromLocalFile(QString::fromStdString(ReadyToImport("elsewhere")));
  const QUrl zip = QUrl::fromLocalFile(QString::fromStdString(scratch.File("notes.zip")));
  EXPECT_FALSE(Drag({archive, archive}));
  EXPECT_FALSE(Drag({zip}));
  EXPECT_FALSE(Drag({QUrl("https://example.org/race.lzh")}));
  EXPECT_FALSE(Drag({}));
  EXPECT_TRUE(Drag({archive}, /*drop=*/true));
  ASSERT_TRUE(QTest::qWaitFor([this] { return SampleRaceFiles() == 11; }, 10000));
}

}  // namespace
}  // namespace tamikaze

#include "main_form_test.moc"
