#include "archive/unlha32/reader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "archive/unlha32/last_error.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {
namespace {

// 59 bytes: one lh5 member "馬.txt" (its name in CP932) in a level-2 header.
constexpr unsigned char kTinyLh5Archive[] = {
    0x28, 0x00, 0x2d, 0x6c, 0x68, 0x35, 0x2d, 0x12, 0x00, 0x00, 0x00, 0xf0, 0x00, 0x00, 0x00,
    0x29, 0x00, 0x16, 0x6b, 0x20, 0x02, 0x6d, 0xfb, 0x00, 0x05, 0x00, 0x00, 0x9b, 0xfc, 0x09,
    0x00, 0x01, 0x94, 0x6e, 0x2e, 0x74, 0x78, 0x74, 0x00, 0x00, 0x00, 0x09, 0x32, 0x6e, 0x3e,
    0x6e, 0x0c, 0x71, 0x63, 0x42, 0x92, 0x93, 0xd6, 0x40, 0x78, 0xc4, 0x2b, 0x1f, 0x00};

archive* NewLhaReader() {
  archive* a = archive_read_new();
  if (a == nullptr) return nullptr;
  archive_read_support_format_lha(a);
  archive_read_set_options(a, "lha:hdrcharset=CP932");
  return a;
}

// libarchive's LHA reader (3.6) fills its CRC-16 table the first time a
// header is read in the process, behind a static flag it sets before the
// table is full: a second thread reading its first header meanwhile computes
// a wrong header CRC and refuses a sound archive. That table is the only
// lazily filled static of its LHA path, but the whole path is walked here:
// once per process, on one thread, before any reader is handed out, a tiny
// archive is read, header, CP932 name and lh5 data.
// libarchive reports a file it cannot open with the system's error number.
bool CannotOpen(int error) {
  return error == ENOENT || error == EACCES || error == EISDIR || error == ENOTDIR;
}

void FirstLhaReadOnOneThread() {
  static std::once_flag once;
  std::call_once(once, [] {
    Reader reader(NewLhaReader());
    if (!reader || archive_read_open_memory(reader.get(), kTinyLh5Archive,
                                            sizeof kTinyLh5Archive) != ARCHIVE_OK)
      return;
    archive_entry* entry = nullptr;
    if (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK)
      ForEachDataBlock(reader.get(), [](const char*, std::size_t) { return true; });
  });
}

}  // namespace

Utf8Locale::Utf8Locale() {
  for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
    utf8_ = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0));
    if (utf8_ != static_cast<locale_t>(0)) break;
  }
  if (utf8_ != static_cast<locale_t>(0)) previous_ = uselocale(utf8_);
}

Utf8Locale::~Utf8Locale() {
  if (utf8_ == static_cast<locale_t>(0)) return;
  uselocale(previous_);
  freelocale(utf8_);
}

Reader OpenLhaReader(const char* path) {
  FirstLhaReadOnOneThread();
  Reader reader(NewLhaReader());
  if (reader && archive_read_open_filename(reader.get(), path, 64 * 1024) != ARCHIVE_OK) {
    const char* text = archive_error_string(reader.get());
    SetLastError(CannotOpen(archive_errno(reader.get())) ? UNLHA_ERROR_ARC_FILE_OPEN
                                                         : UNLHA_ERROR_NOT_ARC_FILE,
                 text ? text : "cannot open the archive");
    reader.reset();
  }
  return reader;
}

std::string EntryMethod(archive* a) {
  const char* format = archive_format_name(a);  // "lha -lh5-"
  const char* dash = format ? std::strchr(format, '-') : nullptr;
  return dash ? std::string(dash).substr(0, 5) : std::string();
}

namespace {

std::uint32_t Le(const unsigned char* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

bool ReadAt(std::FILE* f, std::int64_t pos, unsigned char* out, std::size_t n) {
  return std::fseek(f, static_cast<long>(pos), SEEK_SET) == 0 && std::fread(out, 1, n, f) == n;
}

// Level 1 counts its extended headers in the compressed size: their total.
std::uint64_t Level1Extensions(std::FILE* f, std::int64_t headerPos, unsigned baseSize) {
  std::uint64_t total = 0;
  unsigned char next[2];
  std::int64_t at = headerPos + baseSize - 2;
  for (int guard = 0; guard < 1024 && ReadAt(f, at, next, 2); ++guard) {
    const std::uint32_t size = Le(next, 2);
    if (size == 0) break;
    total += size;
    at += size;
  }
  return total;
}

}  // namespace

std::uint64_t CompressedSizeAt(const char* path, std::int64_t headerPos) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path, "rb"), std::fclose);
  unsigned char h[22];
  if (!f || !ReadAt(f.get(), headerPos, h, sizeof h) || h[2] != '-' || h[6] != '-') return 0;
  const std::uint64_t field = Le(h + 7, 4);
  if (h[20] != 1) return field;
  const std::uint64_t ext = Level1Extensions(f.get(), headerPos, h[0] + 2u);
  return field >= ext ? field - ext : 0;
}

}  // namespace tamikaze::unlha
