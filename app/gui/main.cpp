// TamikazeNetData: the desktop program. Creates the main window (which loads
// the settings) and the text viewer, and runs until the main window closes.

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <exception>
#include <memory>

#include "app/environment.h"
#include "app/gui/main_form.h"
#include "app/main_state.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("TamikazeNetData"));
  QApplication::setApplicationDisplayName(QStringLiteral("TamikazeNetData"));
  // The menu entry's name ties the windows to the entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(TAMIKAZE_APP_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(TAMIKAZE_APP_ID)));

  tamikaze::Environment env = tamikaze::Environment::FromProcess();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    env.screenWidth = screen->geometry().width();
    env.screenHeight = screen->geometry().height();
  }
  tamikaze::Main state;
  std::unique_ptr<tamikaze::TMainForm> window;
  try {
    window = std::make_unique<tamikaze::TMainForm>(state, env);
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, QStringLiteral("TamikazeNetData"),
                          QString::fromStdString(error.what()));
    return 1;
  }
  window->show();
  return QApplication::exec();
}
