// UnlhaCheckArchive: tells a sound LHA archive from anything else.

#include <cstddef>
#include <cstring>

#include "archive/unlha32/last_error.h"
#include "archive/unlha32/reader.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {
namespace {

// Reads every byte of the current member's data, so that its CRC is verified.
bool ReadWholeMember(archive* a) {
  return ForEachDataBlock(a, [](const char*, std::size_t) { return true; });
}

// Records why the reader refused; false.
bool Refused(archive* a, int code) {
  const char* text = archive_error_string(a);
  SetLastError(code, text ? text : "unknown error");
  return false;
}

int HeaderError(archive* a, int members) {
  const char* text = archive_error_string(a);
  if (text && (std::strstr(text, "CRC") || std::strstr(text, "sum error")))
    return UNLHA_ERROR_HEADER_CRC;
  return members == 0 ? UNLHA_ERROR_NOT_ARC_FILE : UNLHA_ERROR_HEADER_BROKEN;
}

bool CheckMembers(archive* a, int depth) {
  archive_entry* entry = nullptr;
  int members = 0;
  for (;;) {
    const int r = archive_read_next_header(a, &entry);
    if (r == ARCHIVE_EOF) break;
    if (r != ARCHIVE_OK) return Refused(a, HeaderError(a, members));
    ++members;
    if (depth == UNLHA_CHECK_RAPID) break;
    // Only files carry data: reading a folder's "data" would leave the
    // reader at its first byte instead of skipping it, and bytes after the
    // folder entry would then pass as the next header.
    if (depth >= UNLHA_CHECK_FULL && archive_entry_filetype(entry) == AE_IFREG &&
        !ReadWholeMember(a))
      return Refused(a, UNLHA_ERROR_FILE_CRC);
  }
  if (members > 0) return true;
  SetLastError(UNLHA_ERROR_NOT_ARC_FILE, "no member");
  return false;
}

}  // namespace

// Mode 0 reads the first header, 1 every header, 2 every header and every
// member's data so that each CRC is verified.
bool CheckLha(const char* fileName, int mode) {
  ClearLastError();
  Utf8Locale locale;
  Reader reader = OpenLhaReader(fileName);
  return reader && CheckMembers(reader.get(), mode & 3);
}

}  // namespace tamikaze::unlha

extern "C" int UnlhaCheckArchive(const char* fileName, int mode) {
  if (fileName == nullptr) return 0;
  return tamikaze::unlha::CheckLha(fileName, mode) ? 1 : 0;
}
