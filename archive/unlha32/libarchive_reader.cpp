// The libarchive decoder behind LhaReader: methods lh0, lh5, lh6, lh7 and
// folders, the faster of the two on the lh5 archives the data services send.

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <locale.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <vector>

#include "archive/unlha32/header_fields.h"
#include "archive/unlha32/last_error.h"
#include "archive/unlha32/member_output.h"
#include "archive/unlha32/reader.h"
#include "archive/unlha32/stop.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {
namespace {

constexpr std::size_t kHeaderBytes = 64 * 1024;  // an LHA header is never longer

// 59 bytes: one lh5 member "馬.txt" (its name in CP932) in a level-2 header.
constexpr unsigned char kTinyLh5Archive[] = {
    0x28, 0x00, 0x2d, 0x6c, 0x68, 0x35, 0x2d, 0x12, 0x00, 0x00, 0x00, 0xf0, 0x00, 0x00, 0x00,
    0x29, 0x00, 0x16, 0x6b, 0x20, 0x02, 0x6d, 0xfb, 0x00, 0x05, 0x00, 0x00, 0x9b, 0xfc, 0x09,
    0x00, 0x01, 0x94, 0x6e, 0x2e, 0x74, 0x78, 0x74, 0x00, 0x00, 0x00, 0x09, 0x32, 0x6e, 0x3e,
    0x6e, 0x0c, 0x71, 0x63, 0x42, 0x92, 0x93, 0xd6, 0x40, 0x78, 0xc4, 0x2b, 0x1f, 0x00};

// Makes the calling thread use a UTF-8 locale until destroyed: libarchive
// converts CP932 names only under one (the calling program may run in "C").
class Utf8Locale {
 public:
  Utf8Locale() {
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
      utf8_ = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0));
      if (utf8_ != static_cast<locale_t>(0)) break;
    }
    if (utf8_ != static_cast<locale_t>(0)) previous_ = uselocale(utf8_);
  }
  ~Utf8Locale() {
    if (utf8_ == static_cast<locale_t>(0)) return;
    uselocale(previous_);
    freelocale(utf8_);
  }
  Utf8Locale(const Utf8Locale&) = delete;
  Utf8Locale& operator=(const Utf8Locale&) = delete;

 private:
  locale_t utf8_ = static_cast<locale_t>(0);
  locale_t previous_ = static_cast<locale_t>(0);
};

struct ArchiveDeleter {
  void operator()(archive* a) const { archive_read_free(a); }
};
using ArchivePtr = std::unique_ptr<archive, ArchiveDeleter>;

ArchivePtr NewLhaArchive() {
  ArchivePtr a(archive_read_new());
  if (!a) return a;
  archive_read_support_format_lha(a.get());
  archive_read_set_options(a.get(), "lha:hdrcharset=CP932");
  return a;
}

// Every block of the member's data through `out`, which holds it to its
// declared size; libarchive itself checks the CRC.
bool ReadAll(archive* a, MemberOutput& out) {
  const void* block = nullptr;
  std::size_t size = 0;
  la_int64_t offset = 0;
  for (;;) {
    const int r = archive_read_data_block(a, &block, &size, &offset);
    if (r == ARCHIVE_EOF) return out.Finish();
    if (r != ARCHIVE_OK) {
      const char* text = archive_error_string(a);
      SetLastError(UNLHA_ERROR_FILE_CRC, text ? text : "damaged data");
      return false;
    }
    if (!out.Block(block, size)) return false;
  }
}

// libarchive's LHA reader (3.6) fills its CRC-16 table the first time a
// header is read in the process, behind a static flag it sets before the
// table is full: a second thread reading its first header meanwhile computes
// a wrong header CRC and refuses a sound archive. That table is the only
// lazily filled static of its LHA path, but the whole path is walked here:
// once per process, on one thread, before any reader is opened, a tiny
// archive is read, header, CP932 name and lh5 data.
// libarchive reports a file it cannot open with the system's error number.
bool CannotOpen(int error) {
  return error == ENOENT || error == EACCES || error == EISDIR || error == ENOTDIR;
}

void FirstLhaReadOnOneThread() {
  static std::once_flag once;
  std::call_once(once, [] {
    ArchivePtr a = NewLhaArchive();
    if (!a ||
        archive_read_open_memory(a.get(), kTinyLh5Archive, sizeof kTinyLh5Archive) != ARCHIVE_OK)
      return;
    archive_entry* entry = nullptr;
    if (archive_read_next_header(a.get(), &entry) != ARCHIVE_OK) return;
    // Straight through libarchive: the caller's stop callback has no say here.
    const void* block = nullptr;
    std::size_t size = 0;
    la_int64_t offset = 0;
    while (archive_read_data_block(a.get(), &block, &size, &offset) == ARCHIVE_OK) {
    }
  });
}

ArchivePtr OpenArchive(const char* path) {
  FirstLhaReadOnOneThread();
  ArchivePtr a = NewLhaArchive();
  if (a && archive_read_open_filename(a.get(), path, 64 * 1024) != ARCHIVE_OK) {
    const char* text = archive_error_string(a.get());
    SetLastError(
        CannotOpen(archive_errno(a.get())) ? UNLHA_ERROR_ARC_FILE_OPEN : UNLHA_ERROR_NOT_ARC_FILE,
        text ? text : "cannot open the archive");
    a.reset();
  }
  return a;
}

std::uint32_t Le(const unsigned char* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

// The compressed size field; level 1 counts its extended headers in it.
std::uint64_t CompressedSize(const unsigned char* h, std::size_t n) {
  if (n < 22) return 0;
  std::uint64_t size = Le(h + 7, 4);
  if (h[20] != 1) return size;
  for (std::size_t at = h[0] + 2u; at >= 2 && at <= n;) {
    const std::uint32_t next = Le(h + at - 2, 2);
    if (next == 0 || size < next) break;
    size -= next;
    at += next;
  }
  return size;
}

std::string MethodOf(archive* a) {
  const char* format = archive_format_name(a);  // "lha -lh5-"
  const char* dash = format ? std::strchr(format, '-') : nullptr;
  return dash ? std::string(dash).substr(0, 5) : std::string();
}

EntryKind KindOf(archive_entry* e) {
  const mode_t type = archive_entry_filetype(e);
  if (archive_entry_hardlink(e) != nullptr || type == AE_IFLNK) return EntryKind::Link;
  return type == AE_IFDIR ? EntryKind::Folder : EntryKind::File;
}

class LibarchiveReader : public LhaReader {
 public:
  LibarchiveReader() : header_(kHeaderBytes) {}
  ~LibarchiveReader() override {
    if (fd_ >= 0) close(fd_);
  }
  LibarchiveReader(const LibarchiveReader&) = delete;
  LibarchiveReader& operator=(const LibarchiveReader&) = delete;

  // False, with the reason recorded, when `path` cannot be read as LHA.
  bool Open(const char* path) {
    a_ = OpenArchive(path);
    if (a_) fd_ = open(path, O_RDONLY | O_CLOEXEC);
    if (a_ && fd_ < 0) SetLastError(UNLHA_ERROR_ARC_FILE_OPEN, std::strerror(errno));
    return fd_ >= 0;
  }

  Step Next(Entry& entry) override {
    if (StopRequested()) return Step::Failed;
    archive_entry* e = nullptr;
    const int r = archive_read_next_header(a_.get(), &e);
    if (r == ARCHIVE_EOF && members_ > 0) return Step::End;
    if (r < ARCHIVE_WARN || r == ARCHIVE_EOF) return HeaderFailed(r == ARCHIVE_EOF);
    ++members_;
    const ssize_t n =
        pread(fd_, header_.data(), header_.size(), archive_read_header_position(a_.get()));
    const std::size_t got = n > 0 ? static_cast<std::size_t>(n) : 0;
    const HeaderFields fields = ReadHeaderFields(header_.data(), got);
    if (!fields.valid) {
      SetLastError(UNLHA_ERROR_HEADER_BROKEN, "a header without a name");
      return Step::Failed;
    }
    entry = Entry{};
    entry.storedName = fields.name;
    entry.absolute = fields.absolute;
    entry.kind = kind_ = KindOf(e);
    entry.method = MethodOf(a_.get());
    entry.originalSize = static_cast<std::uint64_t>(std::max<la_int64_t>(0, archive_entry_size(e)));
    entry.compressedSize = CompressedSize(header_.data(), got);
    if (fields.hasSize64) {
      entry.originalSize = fields.originalSize64;
      entry.compressedSize = fields.compressedSize64;
    }
    declared_ = entry.originalSize;
    entry.writeTime = archive_entry_mtime(e);
    entry.hasCreateTime = archive_entry_birthtime_is_set(e) != 0;
    entry.createTime = archive_entry_birthtime(e);
    entry.hasAccessTime = archive_entry_atime_is_set(e) != 0;
    entry.accessTime = archive_entry_atime(e);
    return Step::Member;
  }

  // Only files carry data: reading a folder's "data" would leave the reader
  // at its first byte instead of skipping it, and bytes after the folder
  // entry would then pass as the next header.
  bool ReadData(const DataSink& sink) override {
    if (kind_ != EntryKind::File) return true;
    MemberOutput out(sink, declared_, MethodOf(a_.get()));
    return ReadAll(a_.get(), out);
  }

 private:
  Step HeaderFailed(bool empty) {
    const char* text = archive_error_string(a_.get());
    int code = members_ == 0 ? UNLHA_ERROR_NOT_ARC_FILE : UNLHA_ERROR_HEADER_BROKEN;
    if (text && (std::strstr(text, "CRC") || std::strstr(text, "sum error")))
      code = UNLHA_ERROR_HEADER_CRC;
    SetLastError(code, empty ? "no member" : text ? text : "unreadable header");
    return Step::Failed;
  }

  Utf8Locale locale_;  // first: the archive is opened, read and freed under it
  ArchivePtr a_;
  int fd_ = -1;  // the archive again, for the raw header bytes
  std::vector<unsigned char> header_;
  EntryKind kind_ = EntryKind::File;
  std::uint64_t declared_ = 0;  // the member's original size as its header declares it
  int members_ = 0;
};

bool Decodable(const std::string& method) {
  return method == "-lh0-" || method == "-lh5-" || method == "-lh6-" || method == "-lh7-" ||
         method == "-lhd-";
}

}  // namespace

// Whether libarchive reads every header of `path`, finds it where its raw
// bytes give the member's name (not so for some self-extracting archives),
// and decodes every method.
bool LibarchiveReadsWhole(const char* path) {
  LibarchiveReader reader;
  if (!reader.Open(path)) return false;
  int members = 0;
  for (Entry entry;; ++members) {
    const LhaReader::Step step = reader.Next(entry);
    if (step == LhaReader::Step::End) return members > 0;
    if (step == LhaReader::Step::Failed || !Decodable(entry.method)) return false;
  }
}

std::unique_ptr<LhaReader> OpenWithLibarchive(const char* path) {
  auto reader = std::make_unique<LibarchiveReader>();
  if (!reader->Open(path)) return nullptr;
  return reader;
}

}  // namespace tamikaze::unlha
