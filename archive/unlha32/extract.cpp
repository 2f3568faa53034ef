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

// Writes the member's data; false on a read error (a CRC error included),
// with `writeFailed` telling a failed write.
bool WriteData(LhaReader& reader, int fd, bool& writeFailed) {
  return reader.ReadData([fd, &writeFailed](const char* bytes, std::size_t size) {
    for (std::size_t done = 0; done < size;) {
      const ssize_t w = write(fd, bytes + done, size - done);
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return !(writeFailed = true);
      done += static_cast<std::size_t>(w);
    }
    return true;
  });
}

void ExtractFile(Extraction& x, LhaReader& reader, const Entry& entry,
                 const std::vector<std::string>& parts, const std::string& name) {
  Fd dir(OpenFolders(x.rootFd, parts, parts.size() - 1));
  if (dir.get() < 0) return x.Fail(UNLHA_ERROR_MAKEDIRECTORY, "フォルダを作れません", name);
  const std::string& leaf = parts.back();
  Fd file(CreateMemberFile(dir.get(), leaf));
  if (file.get() < 0) return x.Fail(UNLHA_ERROR_FILE_OPEN, "ファイルを作れません", name);
  bool writeFailed = false;
  if (!WriteData(reader, file.get(), writeFailed)) {
    unlinkat(dir.get(), leaf.c_str(), 0);
    if (writeFailed) return x.Fail(UNLHA_ERROR_CANNOT_WRITE, "書き込めません", name);
    const int code = LastErrorCode();
    return x.Fail(code != 0 ? code : UNLHA_ERROR_FILE_CRC, LastErrorReason(), name);
  }
  const struct timespec times[2] = {{entry.writeTime, 0}, {entry.writeTime, 0}};
  futimens(file.get(), times);
}

void ExtractEntry(Extraction& x, LhaReader& reader, const Entry& entry) {
  const std::string name = ExtractedName(entry);
  if (!Selected(x.command, name)) return;
  std::vector<std::string> parts;
  if (const char* refusal = Refusal(entry)) return x.Fail(UNLHA_ERROR_FILE_STYLE, refusal, name);
  SafeComponents(name, parts);
  if (!x.command.keepFolders) parts.erase(parts.begin(), parts.end() - 1);
  if (entry.kind == EntryKind::File) return ExtractFile(x, reader, entry, parts, name);
  if (x.command.keepFolders) {
    Fd dir(OpenFolders(x.rootFd, parts, parts.size()));
    if (dir.get() < 0) x.Fail(UNLHA_ERROR_MAKEDIRECTORY, "フォルダを作れません", name);
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
  const std::unique_ptr<LhaReader> reader = OpenLhaReader(command.archive.c_str());
  if (!reader) return LastErrorCode();
  Fd root(OpenDestination(command.destination));
  if (root.get() < 0) return UNLHA_ERROR_MAKEDIRECTORY;
  Extraction x{command, root.get(), {}, 0};
  for (Entry entry;;) {
    const LhaReader::Step step = reader->Next(entry);
    if (step == LhaReader::Step::End) break;
    if (step == LhaReader::Step::Failed) {
      x.Fail(LastErrorCode(), LastErrorReason(), command.archive);
      break;
    }
    ExtractEntry(x, *reader, entry);
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
  if (result == 0) {
    result = Guarded([&] { return Extract(command, log); }, int{UNLHA_ERROR_ENOUGH_MEMORY});
  }
  // The first failure logged says why; without one, the reason recorded
  // where it happened stays.
  if (result != 0 && !log.empty()) SetLastError(result, log.substr(0, log.find('\n')));
  if (result != 0 && LastErrorCode() != result) SetLastError(result, "");
  PutOutput(log, output, size);
  return result;
}
