#include "archive/unlha32/reader.h"

#include <cstdio>
#include <cstring>

namespace tamikaze::unlha {

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
  Reader reader(archive_read_new());
  if (!reader) return reader;
  archive* a = reader.get();
  archive_read_support_format_lha(a);
  archive_read_set_options(a, "lha:hdrcharset=CP932");
  if (archive_read_open_filename(a, path, 64 * 1024) != ARCHIVE_OK) reader.reset();
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
