#include "text/numbers.h"

#include <climits>

#include "text/cp932.h"

namespace tamikaze {

namespace {

// The text read, as a message shows it: UTF-8, with a NUL byte (which would
// end the message early wherever it is shown) as U+FFFD like any other byte
// that is not a character.
std::string Shown(const std::string& cp932Text) {
  std::string shown;
  for (char c : Cp932ToUtf8(cp932Text))
    shown += c == '\0' ? std::string(kReplacementChar) : std::string(1, c);
  return shown;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t SkipSpaces(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  return i;
}

}  // namespace

ENotInteger::ENotInteger(const std::string& cp932Text)
    : std::runtime_error("'" + Shown(cp932Text) + "' は整数ではありません") {}

int StrictNumber(std::string_view text) {
  const auto fail = [text] { return ENotInteger(std::string(text)); };
  std::size_t i = SkipSpaces(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) throw fail();
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) throw fail();
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) throw fail();
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) throw fail();
  return static_cast<int>(value);
}

int LenientNumber(std::string_view text) {
  std::size_t i = SkipSpaces(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    if (value <= INT_MAX) value = value * 10 + (text[i] - '0');
  }
  if (value > INT_MAX) value = INT_MAX;
  const bool digitsToEnd = i == text.size();
  return static_cast<int>(negative && digitsToEnd ? -value : value);
}

}  // namespace tamikaze
