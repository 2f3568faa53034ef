#pragma once
// A private user and program folder for one test, and a way to answer the
// modal windows that a command opens.

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "app/environment.h"

namespace tamikaze::test {

namespace fs = std::filesystem;

// A fresh folder under the system's temp folder, removed at the end.
class TempFolder {
 public:
  fs::path path() const { return dir_.path().toStdString(); }
  // Makes the folder `relative`; returns its UTF-8 path.
  std::string Folder(const std::string& relative) const {
    fs::create_directories(path() / relative);
    return (path() / relative).string();
  }
  // Writes the file `relative` (and its folders); returns its UTF-8 path.
  std::string File(const std::string& relative, const std::string& bytes = "") const {
    fs::create_directories((path() / relative).parent_path());
    std::ofstream(path() / relative, std::ios::binary) << bytes;
    return (path() / relative).string();
  }

 private:
  QTemporaryDir dir_;
};

// An environment whose home, config, cache, Wine prefix and program folder
// all lie under `root`; only home and the program folder exist.
inline Environment TestEnvironment(const TempFolder& root) {
  Environment env;
  env.home = root.Folder("home");
  env.xdgConfigHome = (root.path() / "config").string();
  env.xdgCacheHome = (root.path() / "cache").string();
  env.winePrefix = (root.path() / "wine").string();
  env.exeDir = root.Folder("app");
  return env;
}

// Runs `answer` on the next modal window as soon as it is shown.
inline void AnswerNextModal(std::function<void(QWidget*)> answer) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->deleteLater();
      timer->stop();
      answer(modal);
    }
  });
  timer->start();
}

}  // namespace tamikaze::test
