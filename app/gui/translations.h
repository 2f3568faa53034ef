#pragma once
// Qt's own texts (the file dialogs, their buttons, the fields' context menus)
// in the user's language, from the translations Qt installs beside itself
// (Debian: qt6-translations-l10n).

#include <QLocale>

class QCoreApplication;

namespace tamikaze {

// Loads and installs Qt's translations for `locale` into `app`; false when
// there are none for it (the texts stay English).
bool InstallQtTranslations(QCoreApplication& app, const QLocale& locale);

}  // namespace tamikaze
