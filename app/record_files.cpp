#include "app/record_files.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "app/data_types.h"

namespace tamikaze {
namespace fs = std::filesystem;
namespace {

[[noreturn]] void ThrowCannotOpen(const std::string& path) {
  throw std::runtime_error("ファイル " + path + " を開けません。");
}

}  // namespace

std::optional<std::string> FindFileIgnoringCase(const std::string& folder,
                                                const std::string& name) {
  std::optional<std::string> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeEc;
    if (it->is_directory(typeEc)) continue;
    const std::string entry = it->path().filename().string();
    if (entry == name) return it->path().string();
    if (SameMemberName(entry, name) && (!found || entry < fs::path(*found).filename().string())) {
      found = it->path().string();
    }
  }
  return found;
}

std::string ReadUpToEofMark(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) ThrowCannotOpen(path);
  // One read sized to the file: a season's horse file is some 150 MB.
  const std::streamoff size = file.tellg();
  if (size < 0) ThrowCannotOpen(path);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  file.seekg(0);
  file.read(bytes.data(), size);
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  if (file.bad()) ThrowCannotOpen(path);
  if (const std::size_t mark = bytes.find('\x1A'); mark != std::string::npos) bytes.resize(mark);
  return bytes;
}

std::string ReadMemberFile(const std::string& folder, const std::string& name) {
  const std::optional<std::string> path = FindFileIgnoringCase(folder, name);
  if (!path) ThrowCannotOpen(folder + "/" + name);
  return ReadUpToEofMark(*path);
}

void DeleteMemberFile(const std::string& folder, const std::string& name) {
  if (const std::optional<std::string> path = FindFileIgnoringCase(folder, name)) {
    std::error_code ec;
    fs::remove(*path, ec);
  }
}

}  // namespace tamikaze
