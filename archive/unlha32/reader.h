#pragma once
// Reading LHA archives through libarchive, as every function of the library
// does: LHA only, member names read as CP932 and returned as UTF-8 with "/"
// between folders. libarchive converts names only under a UTF-8 locale, so
// each use runs inside a Utf8Locale (the calling program may run in "C").

#include <archive.h>
#include <archive_entry.h>
#include <locale.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tamikaze::unlha {

// Makes the calling thread use a UTF-8 locale until destroyed.
class Utf8Locale {
 public:
  Utf8Locale();
  ~Utf8Locale();
  Utf8Locale(const Utf8Locale&) = delete;
  Utf8Locale& operator=(const Utf8Locale&) = delete;

 private:
  locale_t utf8_ = nullptr;
  locale_t previous_ = nullptr;
};

struct ReaderDeleter {
  void operator()(archive* a) const { archive_read_free(a); }
};
using Reader = std::unique_ptr<archive, ReaderDeleter>;

// Opens `path` (UTF-8) for reading; null, with the reason recorded as the
// thread's last error, when the file cannot be opened or is no LHA archive.
// Call inside a Utf8Locale.
Reader OpenLhaReader(const char* path);

// Hands each block of the current member's data to `use(bytes, size)` as
// libarchive decompresses it, without copying. False on any read result but
// ARCHIVE_OK (a CRC error is only ARCHIVE_WARN) or when `use` returns false.
template <typename Use>
bool ForEachDataBlock(archive* a, Use use) {
  const void* block = nullptr;
  std::size_t size = 0;
  la_int64_t offset = 0;
  for (;;) {
    const int r = archive_read_data_block(a, &block, &size, &offset);
    if (r == ARCHIVE_EOF) return true;
    if (r != ARCHIVE_OK || !use(static_cast<const char*>(block), size)) return false;
  }
}

// The method ("-lh5-") of the entry just read, from libarchive's format name.
std::string EntryMethod(archive* a);

// Size of the member's compressed data, read from its raw header at
// `headerPos` in the file `path`; 0 when the header cannot be read there.
std::uint64_t CompressedSizeAt(const char* path, std::int64_t headerPos);

}  // namespace tamikaze::unlha
