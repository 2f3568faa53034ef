// UnlhaCheckArchive: tells a sound LHA archive from anything else.

#include <cstddef>

#include "archive/unlha32/reader.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {
namespace {

// Reads every byte of the current member's data, so that its CRC is verified.
bool ReadWholeMember(archive* a) {
  return ForEachDataBlock(a, [](const char*, std::size_t) { return true; });
}

}  // namespace

// Mode 0 reads the first header, 1 every header, 2 every header and every
// member's data so that each CRC is verified.
bool CheckLha(const char* fileName, int mode) {
  Utf8Locale locale;
  Reader reader = OpenLhaReader(fileName);
  if (!reader) return false;
  const int depth = mode & 3;
  archive_entry* entry = nullptr;
  int members = 0;
  for (;;) {
    const int r = archive_read_next_header(reader.get(), &entry);
    if (r == ARCHIVE_EOF) return members > 0;
    if (r != ARCHIVE_OK) return false;
    ++members;
    if (depth == UNLHA_CHECK_RAPID) return true;
    // Only files carry data: reading a folder's "data" would leave the
    // reader at its first byte instead of skipping it, and bytes after the
    // folder entry would then pass as the next header.
    if (depth >= UNLHA_CHECK_FULL && archive_entry_filetype(entry) == AE_IFREG &&
        !ReadWholeMember(reader.get()))
      return false;
  }
}

}  // namespace tamikaze::unlha

extern "C" int UnlhaCheckArchive(const char* fileName, int mode) {
  if (fileName == nullptr) return 0;
  return tamikaze::unlha::CheckLha(fileName, mode) ? 1 : 0;
}
