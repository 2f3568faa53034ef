#include "racefile/writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <utility>

#include "text/cp932.h"
#include "text/system_error_text.h"

namespace tamikaze {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void ThrowCannotWrite(const fs::path& path, int error) {
  throw std::runtime_error("レースファイル " + path.string() + " を書き込めません（" +
                           SystemErrorText(error) + "）");
}

bool WriteAll(int fd, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string SlotName(const std::string& base, int slot) {
  return base + (slot == 1 ? "" : std::to_string(slot)) + ".uma";
}

// Fills the newly created `fd` at `path`. A file that cannot be written whole
// is removed again, since a cut-off race file would be read as a race with
// fewer runners; the message names it as `shown`.
void FillNewFile(int fd, const fs::path& path, const fs::path& shown, const RaceLines& lines) {
  const bool written = WriteAll(fd, lines.FileBytes());
  int error = written ? 0 : (errno != 0 ? errno : EIO);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0) return;
  ::unlink(path.c_str());
  ThrowCannotWrite(shown, error);
}

}  // namespace

std::string RaceFileDiskName(const std::string& raceFileName) {
  std::string name = Cp932ToUtf8(raceFileName, "_");
  for (char& c : name) {
    if (c == '/' || c == '\0') c = '_';
  }
  return name;
}

RaceFolderWriter::RaceFolderWriter(fs::path folder, fs::path shownFolder)
    : folder_(std::move(folder)), shownFolder_(std::move(shownFolder)) {
  if (shownFolder_.empty()) shownFolder_ = folder_;
}

fs::path RaceFolderWriter::Save(const RaceLines& lines, const std::string& raceFileName) {
  const std::string base = RaceFileDiskName(raceFileName);
  int& slot = nextSlot_.try_emplace(base, 1).first->second;
  // The open fails on anything already there, a dangling link included, so
  // nothing is ever replaced.
  int fd = -1;
  for (;; ++slot) {
    fd = ::open((folder_ / SlotName(base, slot)).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                0666);
    if (fd >= 0 || errno != EEXIST) break;
  }
  const fs::path path = folder_ / SlotName(base, slot);
  const fs::path shown = shownFolder_ / SlotName(base, slot);
  if (fd < 0) ThrowCannotWrite(shown, errno);
  ++slot;
  FillNewFile(fd, path, shown, lines);
  return path;
}

fs::path SaveNewRaceFile(const RaceLines& lines, const fs::path& raceFolder,
                         const std::string& raceFileName) {
  return RaceFolderWriter(raceFolder).Save(lines, raceFileName);
}

bool SaveRaceFileExclusive(const RaceLines& lines, const fs::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0 && errno == EEXIST) return false;
  if (fd < 0) ThrowCannotWrite(path, errno);
  FillNewFile(fd, path, path, lines);
  return true;
}

}  // namespace tamikaze
