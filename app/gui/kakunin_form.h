#pragma once
// TKakuninForm: "確認", a two-line yes/no question centred on the main window;
// wider than designed when a line of the question needs it.

#include <QDialog>

class QLabel;
class QPushButton;

namespace tamikaze {

class TKakuninForm : public QDialog {
  Q_OBJECT

 public:
  TKakuninForm(const QString& line1, const QString& line2, QWidget* mainWindow);

  QLabel* KakuninLbl = nullptr;
  QLabel* KakuninLbl2 = nullptr;
  QPushButton* HaiBtn = nullptr;
  QPushButton* IieBtn = nullptr;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void HaiBtnClick();
  void IieBtnClick();
  void LayOut();

  QWidget* mainWindow_;
};

// Asks modally; true on "はい".
bool AskKakunin(const QString& line1, const QString& line2, QWidget* mainWindow);

}  // namespace tamikaze
