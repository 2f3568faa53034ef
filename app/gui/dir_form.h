#pragma once
// TDirForm: the folder chooser. A drive list of this machine's roots and
// mounted volumes, a folder tree of the chosen drive, "完了" and "戻る". It
// puts its top-left corner on the main window's top-left corner.

#include <QDialog>
#include <QStringList>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace tamikaze {

// The "drives" of this machine: "/", the home folder, and every mounted volume
// backed by a device, each once.
QStringList DriveRoots();

// The entry of `roots` under which `folder` lies, the longest one winning;
// "" when none holds it.
QString DriveOf(const QStringList& roots, const QString& folder);

class TDirForm : public QDialog {
  Q_OBJECT

 public:
  explicit TDirForm(QWidget* mainWindow);

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

 private:
  void DriveBoxChange(int index);
  void DirLstChange(const QModelIndex& current);
  void KanryouBtnClick();
  void ModoruBtnClick();
  void ShowDrive(const QString& root);

  QWidget* mainWindow_;
  QFileSystemModel* model_ = nullptr;
  QStringList roots_;
  QString directory_;
};

}  // namespace tamikaze
