// Renders the main window, as a new user first sees it, into a PNG file:
//   QT_QPA_PLATFORM=offscreen gui_screenshot docs/screenshot.png

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <filesystem>
#include <iostream>

#include "app/gui/main_form.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: gui_screenshot OUT.png\n";
    return 2;
  }
  // A private home, so the shot shows first-start folders and writes nothing
  // of the user's.
  const std::filesystem::path home =
      std::filesystem::temp_directory_path() / "tamikaze-screenshot-home";
  std::filesystem::create_directories(home / "Desktop");
  tamikaze::Environment env;
  env.home = home.string();
  env.exeDir = QCoreApplication::applicationDirPath().toStdString();
  tamikaze::Main state;
  tamikaze::TMainForm window(state, env);
  window.ensurePolished();
  window.adjustSize();
  const bool saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
  std::filesystem::remove_all(home);
  return saved ? 0 : 1;
}
