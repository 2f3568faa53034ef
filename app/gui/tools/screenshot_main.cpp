// Renders the main window, as a new user whose Tamikaze is installed in
// Wine's default prefix first sees it, into a PNG file:
//   QT_QPA_PLATFORM=offscreen gui_screenshot docs/screenshot.png

#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/gui/form_style.h"
#include "app/gui/main_form.h"

namespace {

namespace fs = std::filesystem;

// The home folder the fields show: the user's, not the private one.
constexpr const char* kShownHome = "/home/keiba";

// A private home holding ~/.wine with Tamikaze.exe installed and a desktop
// folder, so the shot writes nothing of the user's.
fs::path MakePrivateHome() {
  const fs::path home =
      fs::temp_directory_path() / ("tamikaze-screenshot-" + std::to_string(getpid()));
  const fs::path tamikaze = home / ".wine/drive_c/Program Files (x86)/Tamikaze";
  fs::create_directories(tamikaze);
  fs::create_directories(home / "Desktop");
  std::ofstream(tamikaze / "Tamikaze.exe").put('\0');
  return home;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: gui_screenshot OUT.png\n";
    return 2;
  }
  const fs::path home = MakePrivateHome();
  tamikaze::Environment env;
  env.home = home.string();
  env.xdgConfigHome = (home / ".config").string();
  env.exeDir = QCoreApplication::applicationDirPath().toStdString();
  bool saved = false;
  {
    tamikaze::Main state;
    tamikaze::TMainForm window(state, env);
    window.ensurePolished();
    window.adjustSize();
    // Each field shows its whole path (the tooltip) shortened to fit.
    for (auto* field : window.findChildren<QLineEdit*>()) {
      const QString path = field->toolTip().replace(QString::fromStdString(env.home), kShownHome);
      tamikaze::ShowElided(*field, path, Qt::ElideMiddle);
      field->setToolTip(path);
    }
    saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
  }
  fs::remove_all(home);
  return saved ? 0 : 1;
}
