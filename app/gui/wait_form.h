#pragma once
// TWaitForm: "少しお待ち下さい", shown while an archive converts. It sets the
// wait cursor for the whole program while shown and restores it when hidden.

#include <QWidget>

class QLabel;

namespace tamikaze {

class TWaitForm : public QWidget {
  Q_OBJECT

 public:
  explicit TWaitForm(QWidget* mainWindow);
  ~TWaitForm() override;

  void SetMessage(const QString& text);
  // Shows the window centred on the main window and paints it at once, since
  // the conversion that follows does not let events through.
  void ShowNow();

  QLabel* MessageLbl = nullptr;
  QLabel* Label2 = nullptr;

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void SetWaitCursor(bool on);
  void LayOut();

  QWidget* mainWindow_;
  bool waitCursor_ = false;
};

}  // namespace tamikaze
