#include "app/gui/dir_form.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>

#include "app/gui/form_style.h"

namespace tamikaze {

namespace {

// Lists stay black on white inside the green form.
void PaintPlain(QWidget& widget) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::black);
  widget.setPalette(palette);
}

}  // namespace

QStringList DriveRoots() {
  QStringList roots{QStringLiteral("/"), QDir::homePath()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    // Device-backed volumes only: /proc, tmpfs, overlays and the like are not
    // places where data is kept.
    if (!volume.isValid() || !volume.isReady()) continue;
    if (!volume.device().startsWith("/dev/")) continue;
    if (!roots.contains(volume.rootPath())) roots.push_back(volume.rootPath());
  }
  return roots;
}

QString DriveOf(const QStringList& roots, const QString& folder) {
  QString best;
  for (const QString& root : roots) {
    const QString prefix = root.endsWith('/') ? root : root + '/';
    const bool holds = folder == root || folder.startsWith(prefix);
    if (holds && root.size() > best.size()) best = root;
  }
  return best;
}

TDirForm::TDirForm(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow),
      roots_(DriveRoots()) {
  setObjectName(QStringLiteral("DirForm"));
  setFont(FormFont(15));
  PaintForm(*this);

  DirLbl = new QLabel(this);
  DirLbl->setObjectName(QStringLiteral("DirLbl"));
  DirLbl->setGeometry(8, 6, 309, 20);

  DriveBox = new QComboBox(this);
  DriveBox->setObjectName(QStringLiteral("DriveBox"));
  DriveBox->setGeometry(8, 30, 309, 24);
  DriveBox->addItems(roots_);
  PaintPlain(*DriveBox);

  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  DirLst = new QTreeView(this);
  DirLst->setObjectName(QStringLiteral("DirLst"));
  DirLst->setGeometry(8, 60, 309, 158);
  DirLst->setModel(model_);
  DirLst->setHeaderHidden(true);
  for (int column = 1; column < model_->columnCount(); ++column) DirLst->hideColumn(column);
  PaintPlain(*DirLst);

  KanryouBtn = new QPushButton(QStringLiteral("完了"), this);
  KanryouBtn->setObjectName(QStringLiteral("KanryouBtn"));
  KanryouBtn->setGeometry(150, 226, 80, 28);
  ModoruBtn = new QPushButton(QStringLiteral("戻る"), this);
  ModoruBtn->setObjectName(QStringLiteral("ModoruBtn"));
  ModoruBtn->setGeometry(237, 226, 80, 28);

  connect(DriveBox, qOverload<int>(&QComboBox::activated), this, &TDirForm::DriveBoxChange);
  connect(DirLst->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current, const QModelIndex&) { DirLstChange(current); });
  connect(KanryouBtn, &QPushButton::clicked, this, &TDirForm::KanryouBtnClick);
  connect(ModoruBtn, &QPushButton::clicked, this, &TDirForm::ModoruBtnClick);
  FixClientSize(*this, 325, 262);
  RepaintWhenActive(*this);
  SetDirectory(QStringLiteral("/"));
}

void TDirForm::ShowDrive(const QString& root) {
  const int index = roots_.indexOf(root);
  if (index >= 0) DriveBox->setCurrentIndex(index);
  DirLst->setRootIndex(model_->setRootPath(root));
}

void TDirForm::SetDirectory(const QString& folder) {
  const QString path = QDir::cleanPath(folder);
  QString root = DriveOf(roots_, path);
  if (root.isEmpty()) root = QStringLiteral("/");
  ShowDrive(root);
  directory_ = path;
  DirLbl->setText(path);
  const QModelIndex index = model_->index(path);
  if (index.isValid()) {
    DirLst->setCurrentIndex(index);
    DirLst->scrollTo(index);
  }
}

void TDirForm::DriveBoxChange(int index) {
  if (index >= 0 && index < roots_.size()) SetDirectory(roots_[index]);
}

void TDirForm::DirLstChange(const QModelIndex& current) {
  if (!current.isValid()) return;
  directory_ = model_->filePath(current);
  DirLbl->setText(directory_);
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

}  // namespace tamikaze
