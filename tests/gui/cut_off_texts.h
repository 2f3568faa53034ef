#pragma once
// What a window does not show whole: the texts of its labels and buttons
// measured in their own fonts against the room they have, and its caption
// against the window's width.

#include <QStringList>

class QWidget;

namespace tamikaze {

// One line per text cut off ("M3Lbl: 'text' needs 420 px, has 350"); empty
// when everything fits. Word-wrapped labels are left to their layout.
QStringList CutOffTexts(const QWidget& window);

}  // namespace tamikaze
