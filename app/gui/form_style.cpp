#include "app/gui/form_style.h"

#include <QEvent>
#include <QObject>
#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace tamikaze {

QFont FormFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                    QStringLiteral("Noto Sans CJK JP")});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

void PaintForm(QWidget& widget) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, kFormGreen);
  palette.setColor(QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::Base, kFieldOlive);
  palette.setColor(QPalette::Text, Qt::white);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

void FixClientSize(QWidget& window, int width, int height) {
  window.setFixedSize(width, height);
}

namespace {

// Repaints the window it watches when that window becomes active; owned by it.
class RepaintOnActivate : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::WindowActivate) static_cast<QWidget*>(watched)->update();
    return false;
  }
};

}  // namespace

void RepaintWhenActive(QWidget& window) {
  window.installEventFilter(new RepaintOnActivate(&window));
}

QPoint CentredOn(const QRect& main, const QSize& own) {
  return {main.left() + main.width() / 2 - own.width() / 2,
          main.top() + main.height() / 2 - own.height() / 2};
}

void CentreOnMainWindow(QWidget& window, const QWidget& mainWindow) {
  window.move(CentredOn(mainWindow.frameGeometry(), window.frameSize()));
}

void PutOnMainWindowCorner(QWidget& window, const QWidget& mainWindow) {
  window.move(mainWindow.frameGeometry().topLeft());
}

}  // namespace tamikaze
