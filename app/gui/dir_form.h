#pragma once
// TDirForm: the folder chooser. A drive list of this machine's volumes and of
// the user's Wine prefixes, a folder tree of the chosen drive that shows
// hidden folders too (Wine prefixes live in them), "完了" and "戻る". It puts
// its top-left corner on the main window's top-left corner, and grows wider
// than its designed 325 pixels when its caption needs it.

#include <QDialog>
#include <QList>
#include <QString>

#include "app/environment.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace tamikaze {

struct DriveEntry {
  QString label;  // what the drive list shows
  QString root;   // the folder the tree starts at
};

// The drives of the user of `env`: "/", the home folder and every mounted
// volume backed by a device, each named by its path; then each Wine prefix's
// C: drive, named like a Windows drive with its prefix ("C: ~/.wine").
QList<DriveEntry> DriveList(const Environment& env);

// The index of the entry of `drives` under which `folder` lies, the longest
// root winning; -1 when none holds it.
int DriveOf(const QList<DriveEntry>& drives, const QString& folder);

class TDirForm : public QDialog {
  Q_OBJECT

 public:
  TDirForm(QWidget* mainWindow, QList<DriveEntry> drives);

  // The folder shown selected in DirLst; the result after "完了".
  void SetDirectory(const QString& folder);
  QString Directory() const { return directory_; }

  QLabel* DirLbl = nullptr;
  QComboBox* DriveBox = nullptr;
  QTreeView* DirLst = nullptr;
  QPushButton* KanryouBtn = nullptr;
  QPushButton* ModoruBtn = nullptr;

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void DriveBoxChange(int index);
  void DirLstChange(const QModelIndex& current);
  void KanryouBtnClick();
  void ModoruBtnClick();
  void ShowDrive(int index);
  void ShowDirectory(const QString& folder);
  void LayOut();

  QWidget* mainWindow_;
  QFileSystemModel* model_ = nullptr;
  QList<DriveEntry> drives_;
  QString directory_;
};

}  // namespace tamikaze
