#include "app/cli/console.h"

#include <cerrno>

namespace tamikaze {

std::string EscapeSummaryField(const std::string& field) {
  std::string escaped;
  escaped.reserve(field.size());
  for (const char c : field) {
    switch (c) {
      case '\t':
        escaped += "\\t";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\r':
        escaped += "\\r";
        break;
      case '\\':
        escaped += "\\\\";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

void Console::FileMessage(const std::string& path, const std::string& text) {
  Message(path + ": " + text);
}

void Console::FileNotice(const std::string& path, const std::string& text) {
  if (!quiet_) FileMessage(path, text);
}

void Console::Message(const std::string& text) {
  ClearProgress();
  err_ << text << '\n' << std::flush;
}

void Console::Summary(const std::vector<std::string>& fields) {
  if (quiet_) return;
  ClearProgress();  // standard output may be the same terminal
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\t';
    line += EscapeSummaryField(fields[i]);
  }
  errno = 0;
  out_ << line << '\n' << std::flush;
  if (!out_ && outputError_ == 0) outputError_ = errno != 0 ? errno : EIO;
}

void Console::Progress(const std::string& line, bool final) {
  if (!progressShown_) return;
  const auto now = clock_();
  if (!final && progressOnScreen_ && now - lastProgress_ < std::chrono::milliseconds(100)) return;
  lastProgress_ = now;
  // Back to the line's start and erase it, then the new text.
  err_ << "\r\x1b[K" << line << std::flush;
  progressOnScreen_ = true;
}

void Console::ClearProgress() {
  if (!progressOnScreen_) return;
  err_ << "\r\x1b[K" << std::flush;
  progressOnScreen_ = false;
}

}  // namespace tamikaze
