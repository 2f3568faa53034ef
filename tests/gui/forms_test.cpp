// The small windows on their own: captions, sizes, components, the message
// window's geometry and the centring rule.

#include <gtest/gtest.h>

#include <tuple>

#include <QtWidgets>

#include "app/gui/dir_form.h"
#include "app/gui/form_style.h"
#include "app/gui/kakunin_form.h"
#include "app/gui/print_form.h"
#include "app/gui/text_form.h"
#include "app/gui/wait_form.h"
#include "tests/gui/cut_off_texts.h"

namespace tamikaze {
namespace {

std::array<std::string, 9> NumberedLines() {
  std::array<std::string, 9> lines;
  for (int k = 1; k <= 8; ++k) lines[k] = "行" + std::to_string(k);
  return lines;
}

TEST(FormsTest, CaptionsSizesAndComponents) {
  TPrintForm print(NumberedLines(), 5, nullptr);
  TWaitForm wait(nullptr);
  TKakuninForm kakunin("a", "b", nullptr);
  TDirForm dir(nullptr, DriveList(Environment{}));
  TTextForm text(nullptr);
  // The window, its caption ("": set by the caller), size, close box, children.
  const std::tuple<QWidget*, QString, QSize, bool, QString> cases[] = {
      {&print, "TamikazeNetData", {374, 173}, true, "TojiruBtn"},  // labels: below
      {&wait, "少しお待ち下さい", {313, 118}, false, "MessageLbl Label2"},
      {&kakunin, "確認", {297, 99}, false, "KakuninLbl KakuninLbl2 HaiBtn IieBtn"},
      {&dir, "", {325, 262}, true, "DirLbl DriveBox DirLst KanryouBtn ModoruBtn"},
      {&text, "TamikazeNetData", {538, 409}, true, "TextMemo TojiruBtn"},
  };
  for (const auto& [form, caption, client, closeBox, children] : cases) {
    SCOPED_TRACE(form->metaObject()->className());
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_EQ(form->size(), client);
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "not fixed";
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(bool(form->windowFlags() & Qt::WindowCloseButtonHint), closeBox);
    EXPECT_EQ(form->palette().color(QPalette::Window), kFormGreen);
    for (const QString& child : children.split(' ')) {
      EXPECT_NE(form->findChild<QWidget*>(child), nullptr) << child.toStdString();
    }
    EXPECT_EQ(CutOffTexts(*form).join("\n").toStdString(), "");  // the designed texts whole
  }
}

// Five lines give the designed layout; each line more or less moves the
// button and the bottom edge by 24 pixels, and only lines 1 to n show.
TEST(FormsTest, MessageWindowGeometryFollowsTheLineCount) {
  for (auto [n, buttonTop, height] : {std::array{3, 88, 125}, {5, 136, 173}, {7, 184, 221}}) {
    SCOPED_TRACE(n);
    TPrintForm form(NumberedLines(), n, nullptr);
    EXPECT_EQ(form.findChild<QPushButton*>("TojiruBtn")->y(), buttonTop);
    EXPECT_EQ(form.size(), QSize(374, height));
    for (int k = 1; k <= 8; ++k) {
      auto* label = form.findChild<QLabel*>(QStringLiteral("M%1Lbl").arg(k));
      ASSERT_NE(label, nullptr) << k;
      EXPECT_EQ(label->text().isEmpty(), k > n) << k;
      EXPECT_EQ(label->pos(), QPoint(20, 13 + 24 * (k - 1))) << k;
    }
  }
}

// Lines longer than the designed width widen the window instead of being
// cut off; the button stays in the middle.
TEST(FormsTest, WindowsWidenForLongLines) {
  std::array<std::string, 9> lines = NumberedLines();
  lines[2] = "Copyright (c) 2026 TamikazeNetData for Linux developers and contributors";
  TPrintForm print(lines, 8, nullptr);
  TKakuninForm kakunin("「JRA-VAN，競馬道データ」のある場所のレースファイルを展開する場所",
                       "を標準の場所に戻します。", nullptr);
  TWaitForm wait(nullptr);
  wait.SetMessage(QStringLiteral("データを解凍＆変換しています（特別登録馬の競走馬ファイル）"));
  for (QWidget* form : std::initializer_list<QWidget*>{&print, &kakunin, &wait}) {
    SCOPED_TRACE(form->metaObject()->className());
    EXPECT_EQ(CutOffTexts(*form).join("\n").toStdString(), "");
  }
  EXPECT_GT(print.width(), 374);
  EXPECT_GT(kakunin.width(), 297);
  EXPECT_GT(wait.width(), 313);
  auto* tojiru = print.findChild<QPushButton*>("TojiruBtn");
  EXPECT_LE(std::abs(tojiru->geometry().center().x() - print.width() / 2), 1);
  auto* hai = kakunin.findChild<QPushButton*>("HaiBtn");
  auto* iie = kakunin.findChild<QPushButton*>("IieBtn");
  EXPECT_LE(std::abs(hai->x() + iie->geometry().right() - kakunin.width()), 2);
}

// An even size less an odd one: each half is taken on its own, rounding
// down, so the result differs from halving the difference.
TEST(FormsTest, CentringHalvesTheSizesBeforeAdding) {
  const QSize own(297, 99);
  EXPECT_EQ(CentredOn(QRect(101, 51, 484, 246), own), QPoint(101 + 242 - 148, 51 + 123 - 49));
}

}  // namespace
}  // namespace tamikaze
