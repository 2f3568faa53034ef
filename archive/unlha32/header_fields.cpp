#include "archive/unlha32/header_fields.h"

#include <cstdint>

#include "text/cp932.h"

namespace tamikaze::unlha {
namespace {

constexpr unsigned char kExtFileName = 0x01;
constexpr unsigned char kExtFolderName = 0x02;
constexpr unsigned char kExtSize64 = 0x42;

std::uint64_t Le(const unsigned char* p, int bytes) {
  std::uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

// "\" and 0xFF become "/", except as the second byte of a CP932 character.
std::string WithSlashes(const unsigned char* p, std::size_t n) {
  std::string out;
  out.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (IsCp932LeadByte(p[i]) && i + 1 < n) {
      out += static_cast<char>(p[i]);
      out += static_cast<char>(p[++i]);
    } else {
      out += p[i] == '\\' || p[i] == 0xFF ? '/' : static_cast<char>(p[i]);
    }
  }
  return out;
}

struct Parts {
  std::string file, folder;
  bool hasFile = false;
  bool dosRoot = false;  // the name starts with "\" as MS-DOS archivers write it
  unsigned char os = 0;
  bool hasSize64 = false;
  std::uint64_t compressedSize64 = 0, originalSize64 = 0;
};

// The extended headers from `at`, the first of `first` bytes; `width`: 2 or
// 4 bytes per size field.
void ReadExtensions(const unsigned char* h, std::size_t size, std::size_t at, std::uint32_t first,
                    int width, Parts& parts) {
  for (std::uint32_t length = first; length != 0;) {
    if (length < 1u + width || at + length > size) return;
    const unsigned char* ext = h + at;
    const std::size_t dataSize = length - 1 - width;
    if (ext[0] == kExtFileName) {
      parts.file = WithSlashes(ext + 1, dataSize);
      parts.hasFile = true;
    } else if (ext[0] == kExtFolderName) {
      parts.folder = WithSlashes(ext + 1, dataSize);
    } else if (ext[0] == kExtSize64 && dataSize >= 16) {
      parts.hasSize64 = true;
      parts.compressedSize64 = Le(ext + 1, 8);
      parts.originalSize64 = Le(ext + 9, 8);
    }
    at += length;
    length = static_cast<std::uint32_t>(Le(ext + length - width, width));
  }
}

bool ReadLevel01(const unsigned char* h, std::size_t size, Parts& parts) {
  const std::size_t base = h[0] + 2u, nameLength = h[21];
  if (size < 22 + nameLength || base < 24 + nameLength) return false;
  parts.file = WithSlashes(h + 22, nameLength);
  parts.hasFile = true;
  parts.dosRoot = nameLength > 0 && h[22] == '\\';
  if (base > 24 + nameLength && size > 24 + nameLength) parts.os = h[24 + nameLength];
  if (h[20] == 1 && base <= size) {
    ReadExtensions(h, size, base, static_cast<std::uint32_t>(Le(h + base - 2, 2)), 2, parts);
  }
  return true;
}

bool ReadParts(const unsigned char* h, std::size_t size, Parts& parts) {
  if (size < 24 || h[2] != '-' || h[6] != '-') return false;
  switch (h[20]) {
    case 0:
    case 1:
      return ReadLevel01(h, size, parts);
    case 2:
      if (size < 26) return false;
      parts.os = h[23];
      ReadExtensions(h, size, 26, static_cast<std::uint32_t>(Le(h + 24, 2)), 2, parts);
      return parts.hasFile || !parts.folder.empty();
    case 3:
      if (size < 32) return false;
      parts.os = h[23];
      ReadExtensions(h, size, 32, static_cast<std::uint32_t>(Le(h + 28, 4)), 4, parts);
      return parts.hasFile || !parts.folder.empty();
    default:
      return false;
  }
}

bool WrittenOnDosOrWindows(unsigned char os) {
  return os == 'M' || os == 'W' || os == 'w';
}

}  // namespace

HeaderFields ReadHeaderFields(const unsigned char* header, std::size_t size) {
  HeaderFields result;
  Parts parts;
  if (header == nullptr || !ReadParts(header, size, parts)) return result;
  std::string name = parts.folder;
  if (!name.empty() && name.back() != '/' && !parts.file.empty()) name += '/';
  name += parts.file;
  while (name.size() > 1 && name.back() == '/') name.pop_back();
  if (!name.empty() && name[0] == '/') {
    if (parts.dosRoot || WrittenOnDosOrWindows(parts.os)) {
      name.erase(0, name.find_first_not_of('/'));
    } else {
      result.absolute = true;
    }
  }
  result.name = name;
  result.valid = !name.empty();
  result.hasSize64 = parts.hasSize64;
  result.compressedSize64 = parts.compressedSize64;
  result.originalSize64 = parts.originalSize64;
  return result;
}

}  // namespace tamikaze::unlha
