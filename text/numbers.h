#pragma once
// The two ways of reading a number from record text.

#include <stdexcept>
#include <string>
#include <string_view>

namespace tamikaze {

// Raised when a strict number does not read; `what()` is the UTF-8 message
// "'<text>' は整数ではありません" with the record bytes read.
class ENotInteger : public std::runtime_error {
 public:
  explicit ENotInteger(const std::string& cp932Text);
};

// A whole decimal integer: leading half-width spaces and one sign allowed,
// nothing after the digits. Anything else (empty text, trailing spaces, other
// characters, a value beyond 32 bits) throws ENotInteger.
int StrictNumber(std::string_view text);

// Skips leading half-width spaces and reads the leading decimal digits; 0 when
// there are none; never fails. A sign before the digits is honoured only when
// the digits run to the end of the text ("-12" is -12, "-12x" is 12): the
// special registrations rely on that for their signed field.
int LenientNumber(std::string_view text);

}  // namespace tamikaze
