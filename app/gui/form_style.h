#pragma once
// The look shared by the program's windows: green background, white text in
// "ＭＳ Ｐゴシック" (with the Japanese fonts of a Linux desktop as fallbacks),
// fixed sizes, and the placement rules relative to the main window.

#include <QColor>
#include <QFont>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

class QLabel;
class QWidget;

namespace tamikaze {

inline const QColor kFormGreen{0x00, 0x80, 0x00};
inline const QColor kFieldOlive{0x80, 0x80, 0x00};

// The form font at `pixelSize` pixels high.
QFont FormFont(int pixelSize, bool bold = false);

// Green background with white text (labels); read-only fields olive with
// white text; buttons keep the desktop's look.
void PaintForm(QWidget& widget);

// The advance of the widest of `texts` in `font`, in pixels.
int WidestText(const QFont& font, const QStringList& texts);

// The width `text` takes in `widget`'s font on `widget`'s screen, in pixels
// rounded up.
int TextWidth(const QWidget& widget, const QString& text);

// A window's width: `designed`, or wider when a text of `labels` would not
// show whole with `margin` pixels of the window on either side of it.
int WidthToFit(int designed, int margin, const QList<QLabel*>& labels);

// The width a window needs for its caption to show whole in the title bar:
// the caption in a bold face of the form's or the desktop's size, whichever
// is larger, beside the title bar's icon and buttons.
int CaptionWidth(const QString& caption);

// Shows `text` in the label or line edit `widget`, shortened with "…" where
// `mode` says when it does not fit its width.
void ShowElided(QWidget& widget, const QString& text, Qt::TextElideMode mode);

// Fixes a top-level window to the client size `width` x `height`.
void FixClientSize(QWidget& window, int width, int height);

// Makes `window` repaint itself each time it becomes the active window.
void RepaintWhenActive(QWidget& window);

// The top-left corner that centres a window of (frame) size `own` on the main
// window's frame `main`: main left + main width div 2 - own width div 2, the
// same for the top (division rounding towards zero).
QPoint CentredOn(const QRect& main, const QSize& own);

// Moves `window` so it is centred on `mainWindow`, or puts its top-left corner
// on the main window's top-left corner.
void CentreOnMainWindow(QWidget& window, const QWidget& mainWindow);
void PutOnMainWindowCorner(QWidget& window, const QWidget& mainWindow);

}  // namespace tamikaze
