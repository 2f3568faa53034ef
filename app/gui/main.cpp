// TamikazeNetData: the desktop program. Creates the main window (which loads
// the settings) and the text viewer, opens a file given on the command line,
// and runs until the main window closes. --help and --version need no
// display: they are answered before the window system is touched.

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/desktop_arguments.h"
#include "app/environment.h"
#include "app/gui/main_form.h"
#include "app/gui/translations.h"
#include "app/main_state.h"
#include "text/system_error_text.h"

namespace {

std::vector<std::string> WordsAfterProgramName(int argc, char* argv[]) {
  return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

// The answer to --help, --version or wrong usage, or -1 to run the window.
int AnswerWithoutWindow(const tamikaze::DesktopArguments& args) {
  using Action = tamikaze::DesktopArguments::Action;
  switch (args.action) {
    case Action::Help:
      std::cout << tamikaze::DesktopHelpText();
      return 0;
    case Action::Version:
      std::cout << "TamikazeNetData " << TAMIKAZE_VERSION << '\n';
      return 0;
    case Action::Usage:
      std::cerr << "TamikazeNetData: " << args.error << '\n'
                << "詳しくは TamikazeNetData --help をご覧下さい。\n";
      return 2;
    case Action::Run:
      break;
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  // A file-size limit fails the write with EFBIG, which is reported, instead
  // of killing the program in the middle of a file.
  std::signal(SIGXFSZ, SIG_IGN);
  // --help, --version and wrong usage are answered before the toolkit starts,
  // which needs a display (Qt's own options are passed over).
  const auto early = tamikaze::ParseDesktopArguments(WordsAfterProgramName(argc, argv));
  if (const int status = AnswerWithoutWindow(early); status >= 0) return status;
  QApplication app(argc, argv);  // takes Qt's options out of argv
  const auto args = tamikaze::ParseDesktopArguments(WordsAfterProgramName(argc, argv));
  if (const int status = AnswerWithoutWindow(args); status >= 0) return status;

  tamikaze::InstallQtTranslations(app, QLocale::system());
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
                          QString::fromStdString(tamikaze::ErrorMessageText(error)));
    return 1;
  }
  window->show();
  if (!args.file.empty()) {
    QTimer::singleShot(0, window.get(), [&window, &args] { window->OpenDocument(args.file); });
  }
  return QApplication::exec();
}
