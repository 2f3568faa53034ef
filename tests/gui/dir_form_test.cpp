// The folder chooser reaches the Wine prefixes: their C: drives in the drive
// list, and hidden folders in the tree.

#include "app/gui/dir_form.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

#include "tests/support/scratch_folder.h"

namespace tamikaze {
namespace {

// The row of `parent` in the chooser's tree named `name`, once the tree has
// read the folder; invalid when it does not show within a few seconds.
QModelIndex ShownRow(QTreeView& tree, const QModelIndex& parent, const QString& name) {
  auto* model = static_cast<QFileSystemModel*>(tree.model());
  tree.expand(parent);
  QModelIndex found;
  static_cast<void>(QTest::qWaitFor(
      [&] {
        if (model->canFetchMore(parent)) model->fetchMore(parent);
        for (int row = 0; row < model->rowCount(parent); ++row) {
          const QModelIndex index = model->index(row, 0, parent);
          if (model->fileName(index) == name) found = index;
        }
        return found.isValid();
      },
      5000));
  return found;
}

void Click(QTreeView& tree, const QModelIndex& index) {
  tree.scrollTo(index);
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(index).center());
}

TEST(DirFormTest, ChoosesAFolderInsideAHiddenWinePrefix) {
  testing::ScratchFolder scratch;
  Environment env;
  env.home = scratch.Folder("home").string();
  const QString prefix = QString::fromStdString(env.home + "/.local/share/wineprefixes/keiba");
  scratch.Folder("home/.local/share/wineprefixes/keiba/drive_c/Program Files (x86)/Tamikaze");
  TDirForm form(nullptr, DriveList(env));
  form.setWindowTitle(QStringLiteral("「Tamikaze」のインストールしてある場所の変更"));
  form.SetDirectory(QString::fromStdString(env.home));
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

  // Hidden folders show in the home folder's tree.
  auto* model = static_cast<QFileSystemModel*>(form.DirLst->model());
  EXPECT_TRUE(ShownRow(*form.DirLst, model->index(QString::fromStdString(env.home)),
                       QStringLiteral(".local"))
                  .isValid());

  // The prefix's C: drive, picked in the drive list, then two folders down.
  const int drive = form.DriveBox->findText(QStringLiteral("C: ~/.local/share/wineprefixes/keiba"));
  ASSERT_GE(drive, 0);
  form.DriveBox->setCurrentIndex(drive);
  emit form.DriveBox->activated(drive);
  EXPECT_EQ(form.Directory(), prefix + "/drive_c");
  const QModelIndex programFiles =
      ShownRow(*form.DirLst, form.DirLst->rootIndex(), QStringLiteral("Program Files (x86)"));
  ASSERT_TRUE(programFiles.isValid());
  Click(*form.DirLst, programFiles);
  const QModelIndex tamikaze = ShownRow(*form.DirLst, programFiles, QStringLiteral("Tamikaze"));
  ASSERT_TRUE(tamikaze.isValid());
  Click(*form.DirLst, tamikaze);
  QTest::mouseClick(form.KanryouBtn, Qt::LeftButton);
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(form.Directory(), prefix + "/drive_c/Program Files (x86)/Tamikaze");
  EXPECT_EQ(form.DirLbl->toolTip(), form.Directory());
}

}  // namespace
}  // namespace tamikaze
