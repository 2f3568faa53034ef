// Unlha: runs an extraction command line. Every member is written under its
// stored name (UTF-8 on disk) strictly inside the destination folder; members
// named with "..", absolute names and links are refused and nothing of them
// is written.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/unlha32/command_line.h"
#include "archive/unlha32/last_error.h"
#include "archive/unlha32/listing.h"
#include "archive/unlha32/reader.h"
#include "archive/unlha32/safe_path.h"
#include "archive/unlha32/unlha32.h"
#include "text/cp932.h"

namespace tamikaze::unlha {
namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

struct Extraction {
  const Command& command;
  int rootFd;
  std::string log;
  int result = 0;

  void Fail(int code, const std::string& what, const std::string& name) {
    if (result == 0) result = code;
    log += what + ": " + name + "\n";
  }
};

// A member is selected by its UTF-8 name or by its name as stored (CP932).
bool Selected(const Command& command, const std::string& name) {
  if (command.names.empty()) return true;
  const std::string stored = Utf8ToCp932(name);
  return std::any_of(command.names.begin(), command.names.end(), [&](const std::string& p) {
    return WildcardMatches(p, name) || WildcardMatches(p, stored);
  });
}

// Writes the member's data; false on a read error (a CRC error included) or
// a failed write.
bool WriteData(archive* a, int fd) {
  return ForEachDataBlock(a, [fd](const char* bytes, std::size_t size) {
    for (std::size_t done = 0; done < size;) {
      const ssize_t w = write(fd, bytes + done, size - done);
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return false;
      done += static_cast<std::size_t>(w);
    }
    return true;
  });
}

void ExtractFile(Extraction& x, archive* a, archive_entry* entry,
                 const std::vector<std::string>& parts, const std::string& name) {
  Fd dir(OpenFolders(x.rootFd, parts, parts.size() - 1));
  if (dir.get() < 0) return x.Fail(UNLHA_ERROR_MAKEDIRECTORY, "cannot make folder", name);
  const std::string& leaf = parts.back();
  Fd file(CreateMemberFile(dir.get(), leaf));
  if (file.get() < 0) return x.Fail(UNLHA_ERROR_FILE_OPEN, "cannot create", name);
  if (!WriteData(a, file.get())) {
    unlinkat(dir.get(), leaf.c_str(), 0);
    return x.Fail(UNLHA_ERROR_FILE_CRC, "damaged", name);
  }
  const struct timespec times[2] = {{archive_entry_mtime(entry), 0},
                                    {archive_entry_mtime(entry), 0}};
  futimens(file.get(), times);
}

void ExtractEntry(Extraction& x, archive* a, archive_entry* entry) {
  const char* utf8 = archive_entry_pathname_utf8(entry);
  const std::string name = utf8 ? utf8 : "";
  if (!Selected(x.command, name)) return;
  std::vector<std::string> parts;
  if (!SafeComponents(name, parts)) return x.Fail(UNLHA_ERROR_FILE_STYLE, "refused", name);
  const mode_t type = archive_entry_filetype(entry);
  if (archive_entry_hardlink(entry) != nullptr || (type != AE_IFREG && type != AE_IFDIR))
    return x.Fail(UNLHA_ERROR_FILE_STYLE, "refused", name);
  if (!x.command.keepFolders) parts.erase(parts.begin(), parts.end() - 1);
  if (type == AE_IFREG) return ExtractFile(x, a, entry, parts, name);
  if (x.command.keepFolders) {
    Fd dir(OpenFolders(x.rootFd, parts, parts.size()));
    if (dir.get() < 0) x.Fail(UNLHA_ERROR_MAKEDIRECTORY, "cannot make folder", name);
  }
}

int OpenDestination(const std::string& destination) {
  const std::string folder = destination.empty() ? "." : destination;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

int Extract(const Command& command, std::string& log) {
  struct stat st {};
  if (stat(command.archive.c_str(), &st) != 0) return UNLHA_ERROR_NOT_FIND_ARC_FILE;
  Utf8Locale locale;
  Reader reader = OpenLhaReader(command.archive.c_str());
  if (!reader) return UNLHA_ERROR_ARC_FILE_OPEN;
  Fd root(OpenDestination(command.destination));
  if (root.get() < 0) return UNLHA_ERROR_MAKEDIRECTORY;
  Extraction x{command, root.get(), {}, 0};
  archive_entry* entry = nullptr;
  for (bool first = true;; first = false) {
    const int r = archive_read_next_header(reader.get(), &entry);
    if (r == ARCHIVE_EOF) break;
    if (r < ARCHIVE_WARN) {
      const char* text = archive_error_string(reader.get());
      x.Fail(first ? UNLHA_ERROR_NOT_ARC_FILE : UNLHA_ERROR_HEADER_BROKEN,
             text ? text : "cannot read", command.archive);
      break;
    }
    ExtractEntry(x, reader.get(), entry);
  }
  log = x.log;
  return x.result;
}

void PutOutput(const std::string& text, char* output, std::uint32_t size) {
  if (output == nullptr || size == 0) return;
  const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
  std::memcpy(output, text.data(), n);
  output[n] = '\0';
}

}  // namespace
}  // namespace tamikaze::unlha

extern "C" int Unlha(void* /*ownerWindow*/, const char* commandLine, char* output, uint32_t size) {
  using namespace tamikaze::unlha;
  if (commandLine == nullptr) return UNLHA_ERROR_COMMAND_LINE;
  ClearLastError();
  std::string log;
  Command command;
  int result = ParseCommand(commandLine, command);
  if (result == 0) result = Extract(command, log);
  if (result != 0) SetLastError(result, log.substr(0, log.find('\n')));
  PutOutput(log, output, size);
  return result;
}
