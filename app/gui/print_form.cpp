#include "app/gui/print_form.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/gui/form_style.h"
#include "app/main_state.h"

namespace tamikaze {

namespace {
constexpr int kLabelLeft = 20;
}  // namespace

TPrintForm::TPrintForm(const std::array<std::string, 9>& lines, int lineCount, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("PrintForm"));
  setWindowTitle(QStringLiteral("TamikazeNetData"));
  setFont(FormFont(15));
  PaintForm(*this);
  const int n = std::clamp(lineCount, 1, kPrintFormMaxLines);
  for (int k = 1; k <= kPrintFormMaxLines; ++k) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("M%1Lbl").arg(k));
    label->setFont(FormFont(16, true));
    if (k <= n) label->setText(QString::fromStdString(lines[k]));
    labels_[k - 1] = label;
  }
  // The designed width, or wider when a line would be cut off.
  const int width =
      WidthToFit(kPrintFormWidth, kLabelLeft, QList<QLabel*>(labels_.begin(), labels_.end()));
  for (int k = 1; k <= kPrintFormMaxLines; ++k) {
    labels_[k - 1]->setGeometry(kLabelLeft, 13 + 24 * (k - 1), width - 24, 20);
  }
  TojiruBtn = new QPushButton(QStringLiteral("閉じる"), this);
  TojiruBtn->setObjectName(QStringLiteral("TojiruBtn"));
  TojiruBtn->setGeometry((width - 75) / 2, PrintFormButtonTop(n), 75, 25);
  TojiruBtn->setDefault(true);
  connect(TojiruBtn, &QPushButton::clicked, this, &TPrintForm::TojiruBtnClick);
  FixClientSize(*this, width, PrintFormClientHeight(n));
  RepaintWhenActive(*this);
}

// Centred once shown, when the size of its frame is known.
void TPrintForm::showEvent(QShowEvent* e) {
  if (mainWindow_ != nullptr) CentreOnMainWindow(*this, *mainWindow_);
  QDialog::showEvent(e);
}

// Esc rejects the dialog, as "閉じる" (the Cancel button) does.
void TPrintForm::TojiruBtnClick() {
  reject();
}

void ShowPrintForm(Main& main, QWidget* mainWindow, int lineCount) {
  main.PrintMode = lineCount;
  TPrintForm form(main.PrintLines, lineCount, mainWindow);
  form.exec();
}

}  // namespace tamikaze
