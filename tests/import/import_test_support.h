#pragma once
// Archives in a scratch folder, a scripted ImportUi and the command line run
// as a child process, for the tests of the imports and of the command line.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "import/import_ui.h"
#include "tests/convert/jra_current_records.h"
#include "tests/support/child_process.h"
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

  // A data set of `races` races without runners, all named 東京11R.
  std::string Cards(const std::string& name, int races) const {
    const std::string race = CurrentRace().Str();
    std::string den;
    for (int i = 0; i < races; ++i) den += race;
    return Archive(name, {{"JRACDEN1.DAT", den}, {"JRACUMAJ.DAT", ""}});
  }
};

// The sorted names in `folder`; none when it is missing.
inline std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

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

#ifdef TAMIKAZE_TEST_CLI
struct RunResult {
  int status;
  std::string out, err;
};

// tamikaze-netdata as a child process with the scratch folder as its home
// (config and cache folders there too), its output sent to files there.
class CommandLineFixture : public ::testing::Test {
 protected:
  ChildOptions Options(rlim_t fileSizeLimit = RLIM_INFINITY) const {
    ChildOptions options;
    options.env = {"HOME=" + scratch_.Path().string()};
    options.stdoutPath = (scratch_.Path() / "stdout").string();
    options.stderrPath = (scratch_.Path() / "stderr").string();
    options.fileSizeLimit = fileSizeLimit;
    return options;
  }

  std::unique_ptr<ChildProcess> Start(const std::vector<std::string>& args,
                                      const ChildOptions& options) const {
    std::vector<std::string> argv = program_;
    argv.insert(argv.end(), args.begin(), args.end());
    return std::make_unique<ChildProcess>(argv, options);
  }

  RunResult Run(const std::vector<std::string>& args, const ChildOptions& options) const {
    const int status = Start(args, options)->Wait();
    const bool file = fs::is_regular_file(options.stdoutPath);
    return {status, file ? ReadBytes(options.stdoutPath) : "", ReadBytes(options.stderrPath)};
  }
  RunResult Run(const std::vector<std::string>& args) const { return Run(args, Options()); }

  ArchiveScratchFolder scratch_;
  const std::string out_ = scratch_.Folder("out").string();
  std::vector<std::string> program_{TAMIKAZE_TEST_CLI};  // and what runs it as another user
};
#endif

}  // namespace tamikaze::testing
