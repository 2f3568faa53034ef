#pragma once
// CP932 (Shift-JIS) <-> UTF-8.
//
// Record text, race files and help files are CP932 bytes; paths and every
// message shown are UTF-8. Japanese literals are written as readable UTF-8 in
// the source and turned into CP932 once with the `_sj` suffix:
//
//   using namespace tamikaze::literals;
//   lines.push_back("好"_sj);

#include <cstddef>
#include <string>

namespace tamikaze {

// U+FFFD, what a message shows for CP932 bytes that do not convert.
inline constexpr const char* kReplacementChar = "\xEF\xBF\xBD";

// CP932 bytes to UTF-8. Each byte that does not start a convertible CP932
// character becomes `replacement` (U+FFFD by default; "_" for file names).
std::string Cp932ToUtf8(const std::string& cp932,
                        const std::string& replacement = kReplacementChar);

// UTF-8 to CP932 bytes. A character without a CP932 form, and each byte of
// malformed UTF-8, becomes the full-width "？".
std::string Utf8ToCp932(const std::string& utf8);

// True for a byte that starts a double-byte CP932 character (81-9F, E0-FC hex).
inline bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

namespace literals {

// The CP932 form of a UTF-8 literal, converted once and cached for the run.
const std::string& operator""_sj(const char* utf8, std::size_t size);

}  // namespace literals
}  // namespace tamikaze
