#include "app/gui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>

namespace tamikaze {
namespace {

// The file dialog's "type" column comes from QAbstractFileIconProvider, a
// class Qt 6 renamed: the Japanese catalogue of Debian's Qt has no texts for
// it, so folders would read "Folder" among Japanese columns. These are the
// column's texts on Linux, worded as the catalogue words its own.
class FileTypeTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;

  QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                    int /*n*/) const override {
    if (std::strcmp(context, "QAbstractFileIconProvider") != 0) return {};
    struct Text {
      const char* english;
      const char* japanese;
    };
    static constexpr Text kTexts[] = {{"Folder", "フォルダ"},
                                      {"Drive", "ドライブ"},
                                      {"File", "ファイル"},
                                      {"%1 File", "%1 ファイル"}};
    for (const Text& text : kTexts) {
      if (std::strcmp(source, text.english) == 0) return QString::fromUtf8(text.japanese);
    }
    return {};
  }
  bool isEmpty() const override { return false; }
};

}  // namespace

bool InstallQtTranslations(QCoreApplication& app, const QLocale& locale) {
  auto* translator = new QTranslator(&app);  // lives as long as the application
  if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  // Installed first, asked last: the catalogue's own texts win where it has them.
  if (locale.language() == QLocale::Japanese) {
    QCoreApplication::installTranslator(new FileTypeTexts(&app));
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace tamikaze
