#include "tests/gui/cut_off_texts.h"

#include <QLabel>
#include <QPushButton>

#include "app/gui/form_style.h"

namespace tamikaze {
namespace {

// Room a button's frame and padding leave at either side of its text.
constexpr int kButtonPadding = 4;

QString Shortage(const QWidget& widget, const QString& text, int needs, int has) {
  return QStringLiteral("%1: '%2' needs %3 px, has %4")
      .arg(widget.objectName(), text)
      .arg(needs)
      .arg(has);
}

}  // namespace

QStringList CutOffTexts(const QWidget& window) {
  QStringList cut;
  const QRect inside = window.rect();
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->isVisibleTo(&window) || label->text().isEmpty() || label->wordWrap()) continue;
    const QRect room = label->contentsRect().translated(label->mapTo(&window, QPoint(0, 0)));
    const int needs = TextWidth(*label, label->text()), has = room.intersected(inside).width();
    if (needs > has) cut << Shortage(*label, label->text(), needs, has);
    if (label->fontMetrics().height() > room.height()) {
      cut << Shortage(*label, label->text(), label->fontMetrics().height(), room.height()) +
                 " (height)";
    }
  }
  for (const QPushButton* button : window.findChildren<QPushButton*>()) {
    if (!button->isVisibleTo(&window)) continue;
    const QRect room =
        QRect(button->mapTo(&window, QPoint(0, 0)), button->size()).intersected(inside);
    const int needs = TextWidth(*button, button->text()) + 2 * kButtonPadding;
    if (needs > room.width()) cut << Shortage(*button, button->text(), needs, room.width());
  }
  if (!window.windowTitle().isEmpty() && CaptionWidth(window.windowTitle()) > window.width()) {
    cut << Shortage(window, window.windowTitle(), CaptionWidth(window.windowTitle()),
                    window.width()) +
               " (caption)";
  }
  return cut;
}

}  // namespace tamikaze
