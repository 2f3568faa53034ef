#include "app/gui/main_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "app/activation.h"
#include "app/desktop_arguments.h"
#include "app/gui/form_style.h"
#include "app/gui/print_form.h"
#include "app/gui/text_form.h"
#include "app/help_texts.h"
#include "app/screen_clamp.h"
#include "app/startup.h"
#include "archive/archive_file.h"
#include "archive/library_location.h"

namespace tamikaze {

namespace {

// The status line at the foot of the window, below the designed client area.
constexpr int kStatusLineHeight = 28;

struct FolderRow {
  const char* caption;
  const char* edit;
  const char* henkouBtn;
  const char* hyoBtn;
  void (TMainForm::*henkou)();
  void (TMainForm::*hyo)();
};

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                        bool bold = false) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(rect);
  if (bold) button->setFont(FormFont(15, true));
  return button;
}

// The one local archive or page a drag carries, or "" when it carries none,
// several, or a file of another kind.
std::string DraggedDocument(const QMimeData* data) {
  if (data == nullptr || data->urls().size() != 1) return "";
  const QUrl url = data->urls().front();
  if (!url.isLocalFile()) return "";
  std::string path = url.toLocalFile().toStdString();
  return KindOfDocument(path) == DocumentKind::Other ? "" : path;
}

}  // namespace

TMainForm::TMainForm(Main& main, Environment env)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      main_(main),
      env_(std::move(env)),
      launch_(LaunchContext::FromProcess()),
      openDocument_([](const std::string& path) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
      }) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("TamikazeNetData"));
  setFont(FormFont(15));
  setAcceptDrops(true);
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  // The status line adds its height below the designed client area.
  client->setFixedSize(kMainWindowWidth, kMainWindowHeight + kStatusLineHeight);
  PaintForm(*client);
  setCentralWidget(client);
  BuildButtons(client);
  BuildFolderRows(client);
  BuildStatusLine(client);
  BuildMenu();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  layout()->activate();
  textForm_ = std::make_unique<TTextForm>(this);
  FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::SetDocumentOpener(std::function<void(const std::string&)> opener) {
  openDocument_ = std::move(opener);
}

// The three buttons are made first so that "データの読込＆変換" leads the tab order.
void TMainForm::BuildButtons(QWidget* client) {
  auto* load =
      MakeButton(client, "LoadBtn", QStringLiteral("データの読込＆変換"), {10, 170, 190, 40}, true);
  auto* launch = MakeButton(client, "TamikazeBtn", QStringLiteral("Tamikazeを起動して終了"),
                            {206, 170, 190, 40}, true);
  auto* quit = MakeButton(client, "ShuryouBtn", QStringLiteral("終了"), {402, 170, 73, 40});
  connect(load, &QPushButton::clicked, this, &TMainForm::LoadBtnClick);
  connect(launch, &QPushButton::clicked, this, &TMainForm::TamikazeBtnClick);
  connect(quit, &QPushButton::clicked, this, &TMainForm::ShuryouBtnClick);
  load->setFocus();
}

void TMainForm::BuildFolderRows(QWidget* client) {
  static const FolderRow rows[] = {
      {"「Tamikaze」のインストールされている場所", "TamikazeEdit", "TamikazeHenkouBtn",
       "TamikazeHyoByn", &TMainForm::TamikazeHenkouBtnClick, &TMainForm::TamikazeHyoBynClick},
      {"レースファイルを展開する場所", "OutputEdit", "OutputHenkouBtn", "OutputHyoBtn",
       &TMainForm::OutputHenkouBtnClick, &TMainForm::OutputHyoBtnClick},
      {"「JRA-VANデータor競馬道データ」のある場所", "ReadEdit", "ReadHenkouBtn", "ReadHyoBtn",
       &TMainForm::ReadHenkouBtnClick, &TMainForm::ReadHyoBtnClick},
  };
  QLineEdit** edits[] = {&TamikazeEdit, &OutputEdit, &ReadEdit};
  for (int i = 0; i < 3; ++i) {
    const FolderRow& row = rows[i];
    const int top = 8 + 52 * i;
    auto* caption = new QLabel(QString::fromUtf8(row.caption), client);
    caption->setGeometry(10, top, 330, 20);
    auto* edit = new QLineEdit(client);
    edit->setObjectName(QString::fromLatin1(row.edit));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setGeometry(10, top + 21, 325, 24);
    *edits[i] = edit;
    auto* henkou =
        MakeButton(client, row.henkouBtn, QStringLiteral("変更"), {341, top + 20, 64, 26});
    auto* hyo = MakeButton(client, row.hyoBtn, QStringLiteral("標準"), {411, top + 20, 64, 26});
    connect(henkou, &QPushButton::clicked, this, row.henkou);
    connect(hyo, &QPushButton::clicked, this, row.hyo);
  }
}

void TMainForm::BuildStatusLine(QWidget* client) {
  JoukyouLbl = new QLabel(client);
  JoukyouLbl->setObjectName(QStringLiteral("JoukyouLbl"));
  JoukyouLbl->setGeometry(10, kMainWindowHeight + 2, 340, 24);
  FolderHirakuBtn = MakeButton(client, "FolderHirakuBtn", QStringLiteral("フォルダを開く"),
                               {356, kMainWindowHeight + 1, 119, 26});
  FolderHirakuBtn->setEnabled(false);
  connect(FolderHirakuBtn, &QPushButton::clicked, this, &TMainForm::FolderHirakuBtnClick);
}

void TMainForm::ShowStatus(const StatusLine& status) {
  ShowElided(*JoukyouLbl, QString::fromStdString(status.text), Qt::ElideRight);
  JoukyouLbl->setToolTip(QString::fromStdString(status.tooltip));
  statusFolder_ = status.folder;
  FolderHirakuBtn->setEnabled(!statusFolder_.empty());
}

void TMainForm::FolderHirakuBtnClick() {
  if (statusFolder_.empty()) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(statusFolder_)));
}

void TMainForm::BuildMenu() {
  QMenuBar* bar = menuBar();
  auto item = [this](QWidget* menu, const char* name, const QString& caption,
                     void (TMainForm::*handler)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
    menu->addAction(action);
    return action;
  };
  auto menu = [this, bar](const char* name, const QString& caption) {
    auto* m = new QMenu(caption, this);
    m->setObjectName(QString::fromLatin1(name));
    bar->addMenu(m);
    return m;
  };
  item(bar, "HajimeteMnu", QStringLiteral("初めて使う方"), &TMainForm::HajimeteMnuClick);
  QMenu* help = menu("HelpMnu", QStringLiteral("ヘルプ"));
  item(help, "HintMnu", QStringLiteral("使いこなすためのヒント"), &TMainForm::HintMnuClick);
  item(help, "Jravan", QStringLiteral("JRA-VANの使い方"), &TMainForm::JravanClick);
  item(help, "Keibadou", QStringLiteral("競馬道OnLineの使い方"), &TMainForm::KeibadouClick);
  item(help, "N3", QStringLiteral("馬券の買い方について"), &TMainForm::N3Click);
  QMenu* quit = menu("ShuryouMnu", QStringLiteral("終了"));
  item(quit, "Exit2", QStringLiteral("終了"), &TMainForm::Exit2Click);
  QMenu* notice = menu("OshiraseMnu", QStringLiteral("お知らせ"));
  item(notice, "About1", QStringLiteral("バージョン情報"), &TMainForm::About1Click);
  QMenu* omake = menu("OmakeMnu", QStringLiteral("おまけ"));
  item(omake, "ChihouMenu", QStringLiteral("地方競馬出馬表の読込＆変換"),
       &TMainForm::ChihouMenuClick);
  item(omake, "OmakeHelpMenu", QStringLiteral("おまけの説明（必ずお読みください）"),
       &TMainForm::OmakeHelpMenuClick);
}

void TMainForm::FormCreate() {
  StartUp(main_, env_);
  // Start-up kept the client area on the screen; the window also has its
  // menu bar, so it is kept on the screen again with its whole size.
  const WindowPosition kept = ClampToScreen({main_.Left, main_.Top}, width(), height(),
                                            env_.screenWidth, env_.screenHeight);
  main_.Left = kept.left;
  main_.Top = kept.top;
  move(main_.Left, main_.Top);
  ShowFolders();
}

// A long path is shortened in the middle, so that its start (the drive or
// the Wine prefix) and its last folders stay in sight; the whole path is the
// field's tooltip.
void TMainForm::ShowFolders() {
  const std::pair<QLineEdit*, const std::string*> fields[] = {{TamikazeEdit, &main_.TamikazeDir},
                                                              {OutputEdit, &main_.OutputDir},
                                                              {ReadEdit, &main_.ReadDir}};
  for (const auto& [edit, folder] : fields) {
    const QString path = QString::fromStdString(*folder);
    ShowElided(*edit, path, Qt::ElideMiddle);
    edit->setToolTip(path);
  }
}

bool TMainForm::event(QEvent* e) {
  const bool handled = QMainWindow::event(e);
  if (e->type() == QEvent::WindowActivate) {
    try {
      FormActivate();
    } catch (const std::exception& error) {
      // A library that is there but cannot be loaded: nothing can be
      // imported, so the program says why and ends.
      closing_ = true;
      ShowError(error);
      close();
    }
  }
  return handled;
}

void TMainForm::FormActivate() {
  if (closing_) return;
  update();
  const std::string library = ArchiverLibraryPath(main_.AppDir);
  if (library.empty()) {
    closing_ = true;
    const auto& notice = MissingLibraryNotice();
    for (std::size_t k = 0; k < notice.size(); ++k) main_.PrintLines[k + 1] = notice[k];
    ShowPrintForm(main_, this, static_cast<int>(notice.size()));
    openDocument_(DataFilePath(main_.AppDir, "Readme.txt"));
    close();
    return;
  }
  if (!archive_) archive_ = std::make_unique<TArchiveFile>(library);
  PrepareArchive(*archive_);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* e) {
  if (!DraggedDocument(e->mimeData()).empty()) e->acceptProposedAction();
}

// The import runs once the drop has returned, so the file manager is not
// held while the import's windows are open.
void TMainForm::dropEvent(QDropEvent* e) {
  const std::string path = DraggedDocument(e->mimeData());
  if (path.empty()) return;
  e->acceptProposedAction();
  QTimer::singleShot(0, this, [this, path] { OpenDocument(path); });
}

void TMainForm::closeEvent(QCloseEvent* e) {
  FormCloseQuery();
  e->accept();
}

// Closing is always allowed; a settings file that cannot be written is said,
// and the window closes all the same.
void TMainForm::FormCloseQuery() {
  closing_ = true;
  main_.Left = x();
  main_.Top = y();
  try {
    SaveSettings(main_, env_);
  } catch (const std::exception& error) {
    ShowError(error);
  }
  archive_.reset();
  textForm_->hide();
}

}  // namespace tamikaze
