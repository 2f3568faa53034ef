#pragma once
// TPrintForm: the message window. Shows lines 1 to n (at most 8) of
// PrintLines modally, with "閉じる" under them; its height follows n, and it
// grows wider than its designed width when a line needs it.

#include <QDialog>
#include <array>
#include <string>

class QLabel;
class QPushButton;

namespace tamikaze {

struct Main;

constexpr int kPrintFormWidth = 374;
constexpr int kPrintFormMaxLines = 8;

// The designed layout is for five lines; each line more or less moves the
// button and the bottom edge by 24 pixels.
constexpr int PrintFormButtonTop(int lineCount) {
  return 136 - (5 - lineCount) * 24;
}
constexpr int PrintFormClientHeight(int lineCount) {
  return 173 - (5 - lineCount) * 24;
}

class TPrintForm : public QDialog {
  Q_OBJECT

 public:
  // `lines`[1..8] as PrintLines (UTF-8); `lineCount` = PrintMode, kept to 1..8.
  TPrintForm(const std::array<std::string, 9>& lines, int lineCount, QWidget* mainWindow);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void TojiruBtnClick();

  QWidget* mainWindow_;
  std::array<QLabel*, kPrintFormMaxLines> labels_{};
  QPushButton* TojiruBtn = nullptr;
};

// Shows PrintLines 1 to `lineCount` modally, centred on `mainWindow`, and
// releases the window when it closes.
void ShowPrintForm(Main& main, QWidget* mainWindow, int lineCount);

}  // namespace tamikaze
