#include "racefile/writer.h"

#include <cerrno>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "text/cp932.h"

namespace tamikaze {

namespace fs = std::filesystem;

namespace {

// True for anything at `path`, a dangling symbolic link included, so that a
// race file is never written through a link left in the folder.
bool Taken(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

std::string JoinLines(const RaceLines& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string bytes;
  bytes.reserve(size);
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace

std::string RaceFileDiskName(const std::string& raceFileName) {
  std::string name = Cp932ToUtf8(raceFileName, "_");
  for (char& c : name) {
    if (c == '/' || c == '\0') c = '_';
  }
  return name;
}

fs::path ChooseRaceFilePath(const fs::path& raceFolder, const std::string& raceFileName) {
  const std::string base = RaceFileDiskName(raceFileName);
  fs::path path = raceFolder / (base + ".uma");
  for (int slot = 2; Taken(path); ++slot) {
    path = raceFolder / (base + std::to_string(slot) + ".uma");
  }
  return path;
}

void SaveRaceFile(const RaceLines& lines, const fs::path& path) {
  const std::string bytes = JoinLines(lines);
  errno = 0;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const bool opened = out.is_open();
  if (opened) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (opened) out.close();
  if (out) return;
  const int error = errno;
  std::error_code ignored;
  if (opened && fs::is_regular_file(fs::symlink_status(path, ignored))) {
    // A cut-off race file would be read as a race with fewer runners: drop it.
    fs::remove(path, ignored);
  }
  std::string message = "レースファイル " + path.string() + " を書き込めません";
  if (error != 0) message += "（" + std::generic_category().message(error) + "）";
  throw std::runtime_error(message);
}

}  // namespace tamikaze
