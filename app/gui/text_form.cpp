#include "app/gui/text_form.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/gui/form_style.h"

namespace tamikaze {

// A window of its own (no parent), so it stands beside the main window
// instead of on top of it.
TTextForm::TTextForm(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("TextForm"));
  setWindowTitle(QStringLiteral("TamikazeNetData"));
  setFont(FormFont(13));
  PaintForm(*this);
  TextMemo = new QPlainTextEdit(this);
  TextMemo->setObjectName(QStringLiteral("TextMemo"));
  TextMemo->setReadOnly(true);
  TextMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  TextMemo->setGeometry(8, 8, 522, 357);
  QPalette memo = TextMemo->palette();
  memo.setColor(QPalette::Base, kFormGreen);
  TextMemo->setPalette(memo);
  TojiruBtn = new QPushButton(QStringLiteral("閉じる"), this);
  TojiruBtn->setObjectName(QStringLiteral("TojiruBtn"));
  TojiruBtn->setGeometry((538 - 90) / 2, 373, 90, 28);
  connect(TojiruBtn, &QPushButton::clicked, this, &TTextForm::TojiruBtnClick);
  FixClientSize(*this, 538, 409);
  RepaintWhenActive(*this);
}

void TTextForm::ShowText(const QString& text) {
  TextMemo->setPlainText(text);
  if (mainWindow_ != nullptr) PutOnMainWindowCorner(*this, *mainWindow_);
  show();
  raise();
  activateWindow();
}

void TTextForm::TojiruBtnClick() {
  hide();
}

// Esc closes the viewer too, as it closes the program's other windows.
void TTextForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    TojiruBtnClick();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tamikaze
