#include "app/gui/kakunin_form.h"

#include <QLabel>
#include <QPushButton>

#include "app/gui/form_style.h"

namespace tamikaze {

namespace {

QLabel* MakeLine(QWidget* parent, const char* name, const QString& text, int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(16, top, 297 - 32, 20);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int left) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, 62, 80, 27);
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
  KakuninLbl = MakeLine(this, "KakuninLbl", line1, 12);
  KakuninLbl2 = MakeLine(this, "KakuninLbl2", line2, 34);
  HaiBtn = MakeButton(this, "HaiBtn", QStringLiteral("はい"), 54);
  IieBtn = MakeButton(this, "IieBtn", QStringLiteral("いいえ"), 163);
  HaiBtn->setDefault(true);
  connect(HaiBtn, &QPushButton::clicked, this, &TKakuninForm::HaiBtnClick);
  connect(IieBtn, &QPushButton::clicked, this, &TKakuninForm::IieBtnClick);
  FixClientSize(*this, 297, 99);
  RepaintWhenActive(*this);
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
