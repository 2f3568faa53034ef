#pragma once
// Scratch folders, file helpers and a scripted ImportUi
// for the application shell's tests.

#include <stdlib.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/import_ui.h"
#include "tests/support/lh0_writer.h"

namespace tamikaze::testing {

namespace fs = std::filesystem;

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!(out << bytes)) throw std::runtime_error("cannot write " + path.string());
}

inline std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder of its own, removed with everything in it afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "tamikaze-app-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }

  const fs::path& Path() const { return path_; }
  // A sub-folder, created.
  fs::path Folder(const std::string& relative) const {
    fs::create_directories(path_ / relative);
    return path_ / relative;
  }
  // An archive of stored members at archives/`name`.
  std::string Archive(const std::string& name, const std::vector<Lh0Member>& members) const {
    WriteBytes(path_ / "archives" / name, MakeLh0Archive(members));
    return (path_ / "archives" / name).string();
  }

 private:
  fs::path path_;
};

// Answers the open dialogs from a script and records everything shown.
class FakeImportUi : public ImportUi {
 public:
  std::deque<std::optional<std::string>> answers;  // one per dialog, in order; then cancel
  std::vector<OpenFileRequest> requests;
  std::vector<std::string> messages;
  int waitShown = 0;
  int waitHidden = 0;

  std::optional<std::string> OpenFile(const OpenFileRequest& request) override {
    requests.push_back(request);
    std::optional<std::string> answer = answers.empty() ? std::nullopt : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  void Message(const std::string& text) override { messages.push_back(text); }
  void ShowWait(const std::string&) override { ++waitShown; }
  void HideWait() override { ++waitHidden; }
};

}  // namespace tamikaze::testing
