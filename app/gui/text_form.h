#pragma once
// TTextForm: the one text viewer of the run, showing a help text beside the
// main window (not modal). "閉じる" or Esc hides it.

#include <QWidget>

class QKeyEvent;
class QPlainTextEdit;
class QPushButton;

namespace tamikaze {

class TTextForm : public QWidget {
  Q_OBJECT

 public:
  explicit TTextForm(QWidget* mainWindow);

  // Replaces the text (UTF-8) and shows the viewer on the main window's
  // top-left corner, bringing it forward when it is already shown.
  void ShowText(const QString& text);

  QPlainTextEdit* TextMemo = nullptr;
  QPushButton* TojiruBtn = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void TojiruBtnClick();

  QWidget* mainWindow_;
};

}  // namespace tamikaze
