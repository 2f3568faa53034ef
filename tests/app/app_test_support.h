#pragma once
// Archives in a scratch folder and a scripted ImportUi for the application
// shell's tests.

#include <algorithm>
#include <csignal>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/import_ui.h"
#include "tests/support/lh0_writer.h"
#include "tests/support/scratch_folder.h"

namespace tamikaze::testing {

// A scratch folder that also holds stored-member archives.
class ArchiveScratchFolder : public ScratchFolder {
 public:
  // An archive of stored members at archives/`name`.
  std::string Archive(const std::string& name, const std::vector<Lh0Member>& members) const {
    return File("archives/" + name, MakeLh0Archive(members)).string();
  }
};

// The lines of the race file at `path`, each ended by CR LF (a last line
// without it is kept too).
inline std::vector<std::string> RaceFileLines(const fs::path& path) {
  const std::string text = ReadBytes(path);
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// Answers the open dialogs from a script and records everything shown.
class FakeImportUi : public ImportUi {
 public:
  std::deque<std::optional<std::string>> answers;  // one per dialog, in order; then cancel
  std::vector<OpenFileRequest> requests;
  std::vector<std::string> messages;
  int waitShown = 0;
  int waitHidden = 0;
  std::function<void()> onShowWait;  // runs when the wait window is shown
  int interruptAfter = -1;           // Interruption() answers SIGINT after this many calls
  mutable int interruptionAsked = 0;

  std::optional<std::string> OpenFile(const OpenFileRequest& request) override {
    requests.push_back(request);
    std::optional<std::string> answer = answers.empty() ? std::nullopt : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  void Message(const std::string& text) override { messages.push_back(text); }
  void ShowWait(const std::string&) override {
    ++waitShown;
    if (onShowWait) onShowWait();
  }
  void HideWait() override { ++waitHidden; }
  int Interruption() const override {
    return interruptAfter >= 0 && interruptionAsked++ >= interruptAfter ? SIGINT : 0;
  }
};

}  // namespace tamikaze::testing
