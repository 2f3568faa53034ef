#include "app/gui/dir_form.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <algorithm>

#include "app/gui/form_style.h"
#include "app/wine_prefixes.h"

namespace tamikaze {

namespace {

constexpr int kDesignedWidth = 325;
constexpr int kDesignedHeight = 262;

// Lists stay black on white inside the green form.
void PaintPlain(QWidget& widget) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::black);
  widget.setPalette(palette);
}

}  // namespace

QList<DriveEntry> DriveList(const Environment& env) {
  QStringList roots{QStringLiteral("/"), QString::fromStdString(env.home)};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    // Device-backed volumes only: /proc, tmpfs, overlays and the like are not
    // places where data is kept.
    if (!volume.isValid() || !volume.isReady()) continue;
    if (!volume.device().startsWith("/dev/")) continue;
    if (!roots.contains(volume.rootPath())) roots.push_back(volume.rootPath());
  }
  QList<DriveEntry> drives;
  for (const QString& root : roots) drives.push_back({root, root});
  for (const std::string& prefix : WinePrefixes(env)) {
    drives.push_back({QString::fromStdString(WineDriveLabel(prefix, env.home)),
                      QString::fromStdString(prefix + "/drive_c")});
  }
  return drives;
}

int DriveOf(const QList<DriveEntry>& drives, const QString& folder) {
  int best = -1;
  for (int i = 0; i < drives.size(); ++i) {
    const QString& root = drives[i].root;
    const QString prefix = root.endsWith('/') ? root : root + '/';
    const bool holds = folder == root || folder.startsWith(prefix);
    if (holds && (best < 0 || root.size() > drives[best].root.size())) best = i;
  }
  return best;
}

TDirForm::TDirForm(QWidget* mainWindow, QList<DriveEntry> drives)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow),
      drives_(std::move(drives)) {
  setObjectName(QStringLiteral("DirForm"));
  setFont(FormFont(15));
  PaintForm(*this);

  DirLbl = new QLabel(this);
  DirLbl->setObjectName(QStringLiteral("DirLbl"));

  DriveBox = new QComboBox(this);
  DriveBox->setObjectName(QStringLiteral("DriveBox"));
  QStringList labels;
  for (const DriveEntry& drive : drives_) labels.push_back(drive.label);
  DriveBox->addItems(labels);
  // The open list is as wide as its longest name, however narrow the box.
  DriveBox->view()->setMinimumWidth(WidestText(DriveBox->font(), labels) + 32);
  PaintPlain(*DriveBox);

  // Hidden folders too: ~/.wine and ~/.local/share hold the Wine prefixes.
  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
  DirLst = new QTreeView(this);
  DirLst->setObjectName(QStringLiteral("DirLst"));
  DirLst->setModel(model_);
  DirLst->setHeaderHidden(true);
  for (int column = 1; column < model_->columnCount(); ++column) DirLst->hideColumn(column);
  PaintPlain(*DirLst);

  KanryouBtn = new QPushButton(QStringLiteral("完了"), this);
  KanryouBtn->setObjectName(QStringLiteral("KanryouBtn"));
  ModoruBtn = new QPushButton(QStringLiteral("戻る"), this);
  ModoruBtn->setObjectName(QStringLiteral("ModoruBtn"));

  connect(DriveBox, qOverload<int>(&QComboBox::activated), this, &TDirForm::DriveBoxChange);
  connect(DirLst->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current, const QModelIndex&) { DirLstChange(current); });
  connect(KanryouBtn, &QPushButton::clicked, this, &TDirForm::KanryouBtnClick);
  connect(ModoruBtn, &QPushButton::clicked, this, &TDirForm::ModoruBtnClick);
  LayOut();
  RepaintWhenActive(*this);
  SetDirectory(QStringLiteral("/"));
}

// The designed layout at its designed width, or stretched sideways to the
// width the caption needs.
void TDirForm::LayOut() {
  const int width = std::max(kDesignedWidth, CaptionWidth(windowTitle()));
  DirLbl->setGeometry(8, 6, width - 16, 20);
  DriveBox->setGeometry(8, 30, width - 16, 24);
  DirLst->setGeometry(8, 60, width - 16, 158);
  KanryouBtn->setGeometry(width - 175, 226, 80, 28);
  ModoruBtn->setGeometry(width - 88, 226, 80, 28);
  FixClientSize(*this, width, kDesignedHeight);
  ShowDirectory(directory_);
}

void TDirForm::ShowDrive(int index) {
  if (index < 0) return;
  DriveBox->setCurrentIndex(index);
  DirLst->setRootIndex(model_->setRootPath(drives_[index].root));
}

void TDirForm::SetDirectory(const QString& folder) {
  const QString path = QDir::cleanPath(folder);
  const int drive = DriveOf(drives_, path);
  ShowDrive(drive >= 0 ? drive : DriveOf(drives_, QStringLiteral("/")));
  ShowDirectory(path);
  const QModelIndex index = model_->index(path);
  if (index.isValid()) {
    DirLst->setCurrentIndex(index);
    DirLst->scrollTo(index);
  }
}

// The label shows the folder whole, or with its middle left out when it is
// too long; the whole path is its tool tip.
void TDirForm::ShowDirectory(const QString& folder) {
  directory_ = folder;
  DirLbl->setText(DirLbl->fontMetrics().elidedText(folder, Qt::ElideMiddle, DirLbl->width()));
  DirLbl->setToolTip(folder);
}

void TDirForm::DriveBoxChange(int index) {
  if (index >= 0 && index < drives_.size()) SetDirectory(drives_[index].root);
}

void TDirForm::DirLstChange(const QModelIndex& current) {
  if (current.isValid()) ShowDirectory(model_->filePath(current));
}

void TDirForm::KanryouBtnClick() {
  accept();
}
void TDirForm::ModoruBtnClick() {
  reject();
}

void TDirForm::showEvent(QShowEvent* e) {
  if (mainWindow_ != nullptr) PutOnMainWindowCorner(*this, *mainWindow_);
  QDialog::showEvent(e);
}

void TDirForm::changeEvent(QEvent* e) {
  if (e->type() == QEvent::WindowTitleChange) LayOut();
  QDialog::changeEvent(e);
}

}  // namespace tamikaze
