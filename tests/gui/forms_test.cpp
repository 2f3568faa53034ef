// The small windows on their own: captions, sizes, components, the message
// window's geometry and the wait cursor.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "app/gui/dir_form.h"
#include "app/gui/form_style.h"
#include "app/gui/kakunin_form.h"
#include "app/gui/print_form.h"
#include "app/gui/text_form.h"
#include "app/gui/wait_form.h"
#include "tests/gui/gui_fixture.h"

namespace tamikaze {
namespace {

std::array<std::string, 9> NumberedLines() {
  std::array<std::string, 9> lines;
  for (int k = 1; k <= 8; ++k) lines[k] = "行" + std::to_string(k);
  return lines;
}

struct FormCase {
  const char* name;
  std::function<QWidget*()> make;
  QString caption;  // empty: set by the caller
  QSize client;
  bool closeBox;
  QStringList children;
};

TEST(FormsTest, CaptionsSizesAndComponents) {
  const FormCase cases[] = {
      {"TPrintForm",
       [] { return new TPrintForm(NumberedLines(), 5, nullptr); },
       "TamikazeNetData",
       {374, 173},
       true,
       {"M1Lbl", "M2Lbl", "M3Lbl", "M4Lbl", "M5Lbl", "M6Lbl", "M7Lbl", "M8Lbl", "TojiruBtn"}},
      {"TWaitForm",
       [] { return new TWaitForm(nullptr); },
       "少しお待ち下さい",
       {313, 118},
       false,
       {"MessageLbl", "Label2"}},
      {"TKakuninForm",
       [] { return new TKakuninForm("a", "b", nullptr); },
       "確認",
       {297, 99},
       false,
       {"KakuninLbl", "KakuninLbl2", "HaiBtn", "IieBtn"}},
      {"TDirForm",
       [] { return new TDirForm(nullptr); },
       "",
       {325, 262},
       true,
       {"DirLbl", "DriveBox", "DirLst", "KanryouBtn", "ModoruBtn"}},
      {"TTextForm",
       [] { return new TTextForm(nullptr); },
       "TamikazeNetData",
       {538, 409},
       true,
       {"TextMemo", "TojiruBtn"}},
  };
  for (const FormCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<QWidget> form(c.make());
    EXPECT_EQ(form->windowTitle(), c.caption);
    EXPECT_EQ(form->size(), c.client);
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "not fixed";
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(bool(form->windowFlags() & Qt::WindowCloseButtonHint), c.closeBox);
    EXPECT_EQ(form->palette().color(QPalette::Window), kFormGreen);
    for (const QString& child : c.children) {
      EXPECT_NE(form->findChild<QWidget*>(child), nullptr) << child.toStdString();
    }
  }
}

// Five lines give the designed layout; each line more or less moves the
// button and the bottom edge by 24 pixels, and only lines 1 to n show.
TEST(FormsTest, MessageWindowGeometryFollowsTheLineCount) {
  TPrintForm five(NumberedLines(), 5, nullptr);
  const int fiveTop = five.findChild<QPushButton*>("TojiruBtn")->y();
  EXPECT_EQ(fiveTop, 136);
  EXPECT_EQ(five.height(), 173);
  for (int n : {3, 7}) {
    SCOPED_TRACE(n);
    TPrintForm form(NumberedLines(), n, nullptr);
    EXPECT_EQ(form.findChild<QPushButton*>("TojiruBtn")->y() - fiveTop, (n - 5) * 24);
    EXPECT_EQ(form.height() - five.height(), (n - 5) * 24);
    EXPECT_EQ(form.width(), 374);
    for (int k = 1; k <= 8; ++k) {
      auto* label = form.findChild<QLabel*>(QStringLiteral("M%1Lbl").arg(k));
      EXPECT_EQ(label->text().isEmpty(), k > n) << k;
      EXPECT_EQ(label->pos(), QPoint(20, 13 + 24 * (k - 1))) << k;
    }
  }
}

TEST(FormsTest, CentringHalvesTheSizesBeforeAdding) {
  // Odd sizes: each half is taken on its own, rounding down.
  const QRect main(101, 51, 485, 247);
  const QSize own(297, 99);
  EXPECT_EQ(CentredOn(main, own), QPoint(101 + 242 - 148, 51 + 123 - 49));
  EXPECT_EQ(CentredOn(QRect(-300, -20, 485, 247), own), QPoint(-300 + 242 - 148, -20 + 123 - 49));
}

TEST(FormsTest, WaitWindowHoldsTheWaitCursorWhileShown) {
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
  {
    TWaitForm wait(nullptr);
    wait.ShowNow();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    wait.hide();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    wait.show();
  }
  // Released while shown (an error ended the import): the cursor comes back.
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(FormsTest, DriveOfPicksTheLongestRootOnAFolderBoundary) {
  const QStringList roots{"/", "/home/user", "/media/usb"};
  EXPECT_EQ(DriveOf(roots, "/home/user/data"), "/home/user");
  EXPECT_EQ(DriveOf(roots, "/home/user"), "/home/user");
  EXPECT_EQ(DriveOf(roots, "/home/username"), "/");
  EXPECT_EQ(DriveOf(roots, "/media/usb/lzh"), "/media/usb");
  EXPECT_EQ(DriveOf({"/media/usb"}, "/etc"), "");
}

}  // namespace
}  // namespace tamikaze
