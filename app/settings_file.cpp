#include "app/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "text/system_error_text.h"

namespace tamikaze {
namespace fs = std::filesystem;
namespace {

std::vector<std::string> SplitLines(const std::string& content) {
  std::vector<std::string> lines;
  std::istringstream in(content);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// A decimal integer with optional surrounding spaces and one sign.
std::optional<int> ParseInteger(const std::string& text) {
  std::size_t i = text.find_first_not_of(" \t");
  std::size_t end = text.find_last_not_of(" \t");
  if (i == std::string::npos) return std::nullopt;
  const bool negative = text[i] == '-';
  if (text[i] == '+' || text[i] == '-') ++i;
  if (i > end) return std::nullopt;
  long long value = 0;
  for (; i <= end; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  value = negative ? -value : value;
  if (value > INT_MAX || value < INT_MIN) return std::nullopt;
  return static_cast<int>(value);
}

[[noreturn]] void ThrowWriteError(const std::string& path, int error) {
  throw std::runtime_error("設定ファイル " + path + " を書き込めません（" + SystemErrorText(error) +
                           "）");
}

void WriteAll(int fd, const std::string& content, const std::string& path) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowWriteError(path, errno);
    done += static_cast<std::size_t>(n);
  }
}

// Up to `limit` bytes of `fd` appended to `content`; what a read error cut
// short stays short.
void ReadAtMost(int fd, std::size_t limit, std::string& content) {
  char buffer[4096];
  while (content.size() < limit) {
    const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, limit - content.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    content.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace

std::optional<SettingsValues> ParseSettings(const std::string& content) {
  std::string text = content;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);  // a byte-order mark
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.size() < 5) return std::nullopt;
  const std::optional<int> left = ParseInteger(lines[0]);
  const std::optional<int> top = ParseInteger(lines[1]);
  if (!left || !top) return std::nullopt;
  return SettingsValues{*left, *top, lines[2], lines[3], lines[4]};
}

std::string FormatSettings(const SettingsValues& values) {
  return std::to_string(values.left) + "\r\n" + std::to_string(values.top) + "\r\n" +
         values.tamikazeDir + "\r\n" + values.outputDir + "\r\n" + values.readDir + "\r\n";
}

std::optional<SettingsValues> LoadSettingsFile(const std::string& path) {
  // Non-blocking, so that a FIFO in its place does not wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string content;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) ReadAtMost(fd, kMaxSettingsBytes + 1, content);
  ::close(fd);
  if (content.empty() || content.size() > kMaxSettingsBytes) return std::nullopt;
  return ParseSettings(content);
}

void WriteFileAtomically(const std::string& path, const std::string& content) {
  const fs::path target(path);
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  if (ec) ThrowWriteError(path, ec.value());
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) ThrowWriteError(path, errno);
  try {
    WriteAll(fd, content, path);
    if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) ThrowWriteError(path, errno);
  } catch (...) {
    ::close(fd);
    ::unlink(temp.c_str());
    throw;
  }
  const int closed = ::close(fd);
  if (closed != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    ThrowWriteError(path, error);
  }
}

}  // namespace tamikaze
