#pragma once
// Strict UTF-8 to CP932, as saved pages in UTF-8 are read: malformed UTF-8 is
// refused, and characters are mapped with Microsoft's CP932 table alone, with
// no best fit (〜 U+301C, − U+2212 and ¥ U+00A5 have no CP932 form there).

#include <optional>
#include <string>

namespace tamikaze {

// The CP932 form of `utf8`, a character without a CP932 form becoming one
// full-width "？". Nothing when `utf8` is not well-formed UTF-8 (a bad lead or
// continuation byte, an overlong form, a surrogate, a code point beyond
// U+10FFFF, a sequence cut at the end).
std::optional<std::string> StrictUtf8ToCp932(const std::string& utf8);

}  // namespace tamikaze
