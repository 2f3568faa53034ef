#include "text/cp932_strict.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <stdexcept>

namespace tamikaze {
namespace {

constexpr std::uint16_t kNoForm = 0xFFFF;  // no CP932 byte pair is FF FF
constexpr const char* kCp932Question = "\x81\x48";

// One conversion of a whole short input with a fresh state; "" when iconv
// refuses it.
std::string Convert(iconv_t cd, const std::string& input) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string in = input;
  char out[16];
  char* inPtr = in.data();
  char* outPtr = out;
  std::size_t inLeft = in.size(), outLeft = sizeof out;
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return "";
  return std::string(out, static_cast<std::size_t>(outPtr - out));
}

// The CP932 code of every BMP character that Microsoft's table maps, read
// off the table itself: each CP932 code is decoded, and the character it gives
// is encoded again, which picks the code Windows writes when several codes
// decode to the same character (FA40, not EEEF, for U+2170). Characters that
// no code decodes to, the best-fit ones included, keep kNoForm.
class Cp932Table {
 public:
  Cp932Table() {
    codes_.fill(kNoForm);
    iconv_t decode = iconv_open("UTF-32BE", "CP932");
    iconv_t encode = iconv_open("CP932", "UTF-32BE");
    if (decode == reinterpret_cast<iconv_t>(-1) || encode == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error("iconv cannot convert between CP932 and UTF-32");
    }
    for (int b = 0; b <= 0xFF; ++b) {
      if (b >= 0x81 && b <= 0x9F) continue;
      if (b >= 0xE0 && b <= 0xFC) continue;
      Add(decode, encode, std::string(1, static_cast<char>(b)));
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (lead > 0x9F && lead < 0xE0) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail != 0x7F) Add(decode, encode, {static_cast<char>(lead), static_cast<char>(trail)});
      }
    }
    iconv_close(decode);
    iconv_close(encode);
  }

  // Appends the CP932 form of `cp` to `out`, or "？" when it has none.
  void Append(std::uint32_t cp, std::string& out) const {
    const std::uint16_t code = cp < codes_.size() ? codes_[cp] : kNoForm;
    if (code == kNoForm) {
      out += kCp932Question;
    } else if (code > 0xFF) {
      out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
    } else {
      out += static_cast<char>(code);
    }
  }

 private:
  void Add(iconv_t decode, iconv_t encode, const std::string& cp932) {
    const std::string utf32 = Convert(decode, cp932);
    if (utf32.size() != 4) return;
    const std::uint32_t cp =
        static_cast<std::uint8_t>(utf32[0]) << 24 | static_cast<std::uint8_t>(utf32[1]) << 16 |
        static_cast<std::uint8_t>(utf32[2]) << 8 | static_cast<std::uint8_t>(utf32[3]);
    if (cp >= codes_.size() || codes_[cp] != kNoForm) return;
    const std::string back = Convert(encode, utf32);
    if (back.size() == 1) codes_[cp] = static_cast<std::uint8_t>(back[0]);
    if (back.size() == 2) {
      codes_[cp] = static_cast<std::uint16_t>(static_cast<std::uint8_t>(back[0]) << 8 |
                                              static_cast<std::uint8_t>(back[1]));
    }
  }

  std::array<std::uint16_t, 0x10000> codes_;
};

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Decodes the well-formed sequence at `i` into `cp` and moves `i` past it;
// false for anything else (the well-formed byte sequences of Unicode's
// table 3-7 only).
bool NextCodePoint(const std::string& s, std::size_t& i, std::uint32_t& cp) {
  const auto at = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = at(i);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  if (lead < 0x80) {
    cp = lead;
    ++i;
    return true;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return false;
  }
  if (i + length > s.size() || at(i + 1) < low || at(i + 1) > high) return false;
  for (std::size_t k = 1; k < length; ++k) {
    if (!IsContinuation(at(i + k))) return false;
    cp = cp << 6 | (at(i + k) & 0x3F);
  }
  i += length;
  return true;
}

}  // namespace

std::optional<std::string> StrictUtf8ToCp932(const std::string& utf8) {
  static const Cp932Table table;
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {  // ASCII is itself in CP932
      out += utf8[i++];
      continue;
    }
    std::uint32_t cp = 0;
    if (!NextCodePoint(utf8, i, cp)) return std::nullopt;
    table.Append(cp, out);
  }
  return out;
}

}  // namespace tamikaze
