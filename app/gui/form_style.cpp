#include "app/gui/form_style.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPalette>
#include <QStringList>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

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

int WidestText(const QFont& font, const QStringList& texts) {
  const QFontMetrics metrics(font);
  int widest = 0;
  for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
  return widest;
}

int TextWidth(const QWidget& widget, const QString& text) {
  return static_cast<int>(std::ceil(QFontMetricsF(widget.font(), &widget).horizontalAdvance(text)));
}

void ShowElided(QWidget& widget, const QString& text, Qt::TextElideMode mode) {
  int room = widget.contentsRect().width();
  auto* edit = qobject_cast<QLineEdit*>(&widget);
  if (edit != nullptr) {
    // A field's frame and the margins Qt keeps inside it.
    const QMargins margins = edit->textMargins();
    room -= 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) + 4 +
            margins.left() + margins.right();
  }
  const QString shown = QFontMetricsF(widget.font(), &widget).elidedText(text, mode, room - 1);
  if (edit != nullptr) {
    edit->setText(shown);
    edit->setCursorPosition(0);
  } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
    label->setText(shown);
  }
}

int WidthToFit(int designed, int margin, const QList<QLabel*>& labels) {
  int width = designed;
  for (const QLabel* label : labels)
    width = std::max(width, TextWidth(*label, label->text()) + 2 * margin);
  return width;
}

int CaptionWidth(const QString& caption) {
  // An icon, a close button and the margins around them.
  constexpr int kTitleBarControls = 96;
  QFont desktop = QApplication::font();
  desktop.setBold(true);
  return std::max(WidestText(desktop, {caption}), WidestText(FormFont(15, true), {caption})) +
         kTitleBarControls;
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
