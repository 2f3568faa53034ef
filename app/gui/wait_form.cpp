#include "app/gui/wait_form.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>

#include "app/gui/form_style.h"

namespace tamikaze {

namespace {

constexpr int kDesignedWidth = 313;

QLabel* MakeLine(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignCenter);
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
  MessageLbl = MakeLine(this, "MessageLbl", QStringLiteral("データを解凍＆変換しています"));
  Label2 = MakeLine(this, "Label2", QStringLiteral("少しお待ち下さい"));
  LayOut();
}

TWaitForm::~TWaitForm() {
  SetWaitCursor(false);
}

void TWaitForm::SetMessage(const QString& text) {
  MessageLbl->setText(text);
  LayOut();
}

// The designed size, or wider when a line needs it; the lines are centred.
void TWaitForm::LayOut() {
  const int width = WidthToFit(kDesignedWidth, 12, {MessageLbl, Label2});
  MessageLbl->setGeometry(0, 30, width, 26);
  Label2->setGeometry(0, 64, width, 26);
  FixClientSize(*this, width, 118);
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
