#pragma once
// What the command line writes. Messages go to standard error, and every
// message about a file (an archive, a page, the output folder) starts with its
// path; one tab-separated summary line per file goes to standard output; on a
// terminal one progress line on standard error is rewritten in place and
// cleared before anything else is written. Quiet runs keep only the messages.

#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tamikaze {

// A summary field as one tab-separated column: tab, newline, carriage return
// and backslash are written "\t", "\n", "\r" and "\\", so that a script can
// split every line at its tabs whatever the paths hold.
std::string EscapeSummaryField(const std::string& field);

class Console {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  // `clock` paces the progress line; the steady clock unless a test fixes it.
  Console(std::ostream& out, std::ostream& err, bool errIsTerminal, bool quiet,
          Clock clock = &std::chrono::steady_clock::now)
      : out_(out),
        err_(err),
        progressShown_(errIsTerminal && !quiet),
        quiet_(quiet),
        clock_(std::move(clock)) {}

  // "<path>: <text>" on standard error.
  void FileMessage(const std::string& path, const std::string& text);
  // A message about no file in particular.
  void Message(const std::string& text);
  // "<path>: <text>" that says what was done rather than what went wrong:
  // nothing when quiet.
  void FileNotice(const std::string& path, const std::string& text);
  // One summary line, each field escaped; nothing when quiet.
  void Summary(const std::vector<std::string>& fields);
  // Why a summary line could not be written (the first errno value), 0 while
  // every one went out.
  int OutputError() const { return outputError_; }
  // The progress line, on a terminal only. A `final` line (an archive's
  // first and last) is always drawn; the others at most every 100 ms.
  void Progress(const std::string& line, bool final = false);
  // Clears the progress line, if one is shown.
  void ClearProgress();

 private:
  std::ostream& out_;
  std::ostream& err_;
  const bool progressShown_;
  const bool quiet_;
  const Clock clock_;
  bool progressOnScreen_ = false;
  int outputError_ = 0;
  std::chrono::steady_clock::time_point lastProgress_{};
};

}  // namespace tamikaze
