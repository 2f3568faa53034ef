#include "app/gui/wait_form.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>

#include "app/gui/form_style.h"

namespace tamikaze {

namespace {

QLabel* MakeLine(QWidget* parent, const char* name, const QString& text, int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(0, top, 313, 26);
  return label;
}

}  // namespace

TWaitForm::TWaitForm(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("WaitForm"));
  setWindowTitle(QStringLiteral("少しお待ち下さい"));
  setFont(FormFont(19, true));
  PaintForm(*this);
  MessageLbl = MakeLine(this, "MessageLbl", QStringLiteral("データを解凍＆変換しています"), 30);
  Label2 = MakeLine(this, "Label2", QStringLiteral("少しお待ち下さい"), 64);
  FixClientSize(*this, 313, 118);
}

TWaitForm::~TWaitForm() {
  SetWaitCursor(false);
}

void TWaitForm::SetMessage(const QString& text) {
  MessageLbl->setText(text);
}

void TWaitForm::ShowNow() {
  if (mainWindow_ != nullptr) CentreOnMainWindow(*this, *mainWindow_);
  show();
  raise();
  repaint();
  if (mainWindow_ != nullptr) mainWindow_->repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TWaitForm::showEvent(QShowEvent* e) {
  SetWaitCursor(true);
  QWidget::showEvent(e);
}

void TWaitForm::hideEvent(QHideEvent* e) {
  SetWaitCursor(false);
  QWidget::hideEvent(e);
}

void TWaitForm::SetWaitCursor(bool on) {
  if (on == waitCursor_) return;
  waitCursor_ = on;
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace tamikaze
