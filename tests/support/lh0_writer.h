#pragma once
// A tiny writer of LHA archives for tests: every member stored (method
// "-lh0-"), header level 0 or 2, member names taken as raw bytes (CP932 or
// anything else) in the order given, with correct CRC-16 values.
//
//   WriteLh0Archive(dir / "a.lzh", {{"JRA#DEN.DAT", den}, {"sub/x.txt", "x"}});
//   MakeLh0Archive({{"../x", "evil"}}, 2);
//
// A member with `unixMode` set carries a UNIX mode (level 0: the "U"
// extension, level 2: extended header 0x50); with `method` "-lhd-" and mode
// 0120777 and the name "link|target" it is a symbolic link. `declaredSize`
// replaces the size its header declares (both sizes, the data unchanged);
// with `size64`, a level-2 header also declares it in the extended header
// 0x42, 64 bits wide.

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tamikaze::testing {

struct Lh0Member {
  std::string name;
  std::string data;
  std::uint16_t unixMode = 0;  // 0: no mode stored
  std::string method = "-lh0-";
  std::optional<std::uint64_t> declaredSize = std::nullopt;
  bool size64 = false;

  std::uint64_t Declared() const { return declaredSize.value_or(data.size()); }
};

namespace lh0_detail {

// CRC-16 (polynomial A001 hex, reflected), a byte at a time through a table:
// the signal tests pack archives of many megabytes.
inline std::uint16_t Crc16(const std::string& bytes, std::uint16_t crc = 0) {
  static const auto table = [] {
    std::array<std::uint16_t, 256> t{};
    for (unsigned n = 0; n < 256; ++n) {
      std::uint16_t c = static_cast<std::uint16_t>(n);
      for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? (c >> 1) ^ 0xA001 : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  for (unsigned char c : bytes)
    crc = static_cast<std::uint16_t>((crc >> 8) ^ table[(crc ^ c) & 0xFF]);
  return crc;
}

// Little-endian values: appended (Put16, Put32) or written over (Set16).
inline void Put16(std::string& out, std::uint32_t v) {
  out.append({char(v), char(v >> 8)});
}
inline void Put32(std::string& out, std::uint32_t v) {
  out.append({char(v), char(v >> 8), char(v >> 16), char(v >> 24)});
}
inline void Set16(std::string& out, std::size_t at, std::uint32_t v) {
  out.replace(at, 2, {char(v), char(v >> 8)});
}

constexpr std::uint32_t kDosTime = 0x50210000;  // 2020-01-01 00:00:00
constexpr std::uint32_t kUnixTime = 1577836800;

inline std::string Level0Header(const Lh0Member& m) {
  if (m.name.size() > 200) throw std::invalid_argument("level 0 name too long");
  std::string h = "??" + m.method.substr(0, 5);
  for (int i = 0; i < 2; ++i) Put32(h, static_cast<std::uint32_t>(m.Declared()));
  Put32(h, kDosTime);
  h += std::string("\x20\0", 2) + static_cast<char>(m.name.size());  // attribute, level
  h += m.name;
  Put16(h, Crc16(m.data));
  if (m.unixMode != 0) {
    h += std::string("U\0", 2);  // minor version 0
    Put32(h, kUnixTime);
    Put16(h, m.unixMode);
    Put32(h, 0);  // uid and gid
  }
  h[0] = static_cast<char>(h.size() - 2);
  unsigned sum = 0;
  for (std::size_t i = 2; i < h.size(); ++i) sum += static_cast<unsigned char>(h[i]);
  h[1] = static_cast<char>(sum & 0xFF);
  return h;
}

inline void AddExtension(std::string& h, char type, const std::string& body) {
  // The size of the next extension was already written as the last two bytes.
  Set16(h, h.size() - 2, static_cast<std::uint32_t>(body.size() + 3));
  h += type;
  h += body;
  Put16(h, 0);
}

inline std::string Level2Header(const Lh0Member& m) {
  std::string h = "??" + m.method.substr(0, 5);
  for (int i = 0; i < 2; ++i) Put32(h, static_cast<std::uint32_t>(m.Declared()));
  Put32(h, kUnixTime);
  h += "\x20\x02";  // attribute, level
  Put16(h, Crc16(m.data));
  h += 'U';                                       // OS id
  Put16(h, 0);                                    // size of the first extension
  AddExtension(h, '\x00', std::string(2, '\0'));  // header CRC, filled below
  const std::size_t crcAt = h.size() - 4;
  const std::size_t slash = m.name.rfind('/');
  AddExtension(h, '\x01', slash == std::string::npos ? m.name : m.name.substr(slash + 1));
  if (slash != std::string::npos) {
    std::string dir = m.name.substr(0, slash + 1);
    std::replace(dir.begin(), dir.end(), '/', '\xFF');
    AddExtension(h, '\x02', dir);
  }
  if (m.unixMode != 0) {
    std::string mode;
    Put16(mode, m.unixMode);
    AddExtension(h, '\x50', mode);
  }
  if (m.size64) {
    std::string sizes;
    for (int i = 0; i < 2; ++i) {
      Put32(sizes, static_cast<std::uint32_t>(m.Declared()));
      Put32(sizes, static_cast<std::uint32_t>(m.Declared() >> 32));
    }
    AddExtension(h, '\x42', sizes);
  }
  if ((h.size() & 0xFF) == 0) h += '\0';  // a size of n*256 is padded by one byte
  if (h.size() > 0xFFFF) throw std::invalid_argument("level 2 header too long");
  Set16(h, 0, static_cast<std::uint32_t>(h.size()));
  Set16(h, crcAt, Crc16(h));
  return h;
}

}  // namespace lh0_detail

inline std::string MakeLh0Archive(const std::vector<Lh0Member>& members, int headerLevel = 0) {
  if (headerLevel != 0 && headerLevel != 2) throw std::invalid_argument("header level 0 or 2");
  std::string out;
  for (const Lh0Member& m : members) {
    out += headerLevel == 0 ? lh0_detail::Level0Header(m) : lh0_detail::Level2Header(m);
    out += m.data;
  }
  out += '\0';  // end of archive
  return out;
}

inline void WriteLh0Archive(const std::filesystem::path& path,
                            const std::vector<Lh0Member>& members, int headerLevel = 0) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!(file << MakeLh0Archive(members, headerLevel)))
    throw std::runtime_error("cannot write " + path.string());
}

}  // namespace tamikaze::testing
