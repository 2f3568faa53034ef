#include "app/gui/kakunin_form.h"

#include <QLabel>
#include <QPushButton>

#include "app/gui/form_style.h"

namespace tamikaze {

namespace {

constexpr int kDesignedWidth = 297;
constexpr int kLabelLeft = 16;

QLabel* MakeLine(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

// No close box: the question is answered with one of the two buttons.
TKakuninForm::TKakuninForm(const QString& line1, const QString& line2, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("KakuninForm"));
  setWindowTitle(QStringLiteral("確認"));
  setFont(FormFont(15));
  PaintForm(*this);
  KakuninLbl = MakeLine(this, "KakuninLbl", line1);
  KakuninLbl2 = MakeLine(this, "KakuninLbl2", line2);
  HaiBtn = MakeButton(this, "HaiBtn", QStringLiteral("はい"));
  IieBtn = MakeButton(this, "IieBtn", QStringLiteral("いいえ"));
  HaiBtn->setDefault(true);
  connect(HaiBtn, &QPushButton::clicked, this, &TKakuninForm::HaiBtnClick);
  connect(IieBtn, &QPushButton::clicked, this, &TKakuninForm::IieBtnClick);
  LayOut();
  RepaintWhenActive(*this);
}

// The designed layout, or wider with the buttons kept in the middle when a
// line of the question needs it.
void TKakuninForm::LayOut() {
  const int width = WidthToFit(kDesignedWidth, kLabelLeft + 4, {KakuninLbl, KakuninLbl2});
  const int shift = (width - kDesignedWidth) / 2;
  KakuninLbl->setGeometry(kLabelLeft, 12, width - 2 * kLabelLeft, 20);
  KakuninLbl2->setGeometry(kLabelLeft, 34, width - 2 * kLabelLeft, 20);
  HaiBtn->setGeometry(54 + shift, 62, 80, 27);
  IieBtn->setGeometry(163 + shift, 62, 80, 27);
  FixClientSize(*this, width, 99);
}

void TKakuninForm::HaiBtnClick() {
  accept();
}
void TKakuninForm::IieBtnClick() {
  reject();
}

void TKakuninForm::showEvent(QShowEvent* e) {
  if (mainWindow_ != nullptr) CentreOnMainWindow(*this, *mainWindow_);
  QDialog::showEvent(e);
}

bool AskKakunin(const QString& line1, const QString& line2, QWidget* mainWindow) {
  TKakuninForm form(line1, line2, mainWindow);
  return form.exec() == QDialog::Accepted;
}

}  // namespace tamikaze
